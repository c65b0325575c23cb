// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// The strip window: a narrow borderless window listing the notes one under another,
// with a header (logo, about picture, web search), a toolbar and the strip menu. The
// notes, the store and the settings belong to the session; the strip owns its parts
// and the alarm timer.

#include "alarms/alarmring.h"
#include "platform/services.h"
#include "session/session.h"
#include "session/striphost.h"
#include "settings/commandimages.h"
#include "settings/settingshost.h"

#include <QWidget>

#include <map>
#include <memory>
#include <optional>

class QFrame;
class QLabel;
class QScrollBar;
class QTimer;

namespace velmaro {

class NoteLinesPanel;
class StripCommands;
class StripHeader;
class StripMover;
class TTextTrayIcon;

class TForm1 : public QWidget, public StripHost, public SettingsHost, public AlarmStrip {
    Q_OBJECT
public:
    TForm1(Services& services, Session& session, CommandImages& images, QWidget* parent = nullptr);
    ~TForm1() override;

    // The creation sequence: file setup, start-up settings read, placement or note
    // load, past-alarm marking, and last the alarm timer. Errors are shown and stop it.
    void FormCreate();

    Session& session() { return m_session; }
    const StartupSettings& settings() const { return m_session.settings(); }
    StartupSettings& settings() { return m_session.settings(); }
    bool isFirstRun() const { return m_session.isFirstRun(); }
    void clearFirstRun() { m_session.clearFirstRun(); }

    CommandImages& commandImages() { return m_images; }
    StripCommands& commands() { return *m_commands; }

    // StripHost
    void reloadNotes() override;
    void pastAlarmMarking() override;
    void scrollbarCheck() override;
    void applyAlwaysOnTop() override;
    void setStripOnTop(bool onTop) override;
    void setStripEnabled(bool enabled) override;
    void openLink(const QString& target) override;

    // SettingsHost (scrollbarCheck and applyAlwaysOnTop above serve both roles)
    StripMetrics stripMetrics() const override;
    int noteCount() const override;
    void rebuildNoteLines() override;
    void setStripWidth(int width) override;
    bool showBackgroundImage(const QString& mode, const QString& file) override;
    void hideBackgroundImage() override;
    void layoutBackgroundImage() override;
    void applyBackgroundColor() override;
    void setLauncherButton(int n, int image, bool showHint, const QString& hint) override;
    void refreshLauncherMenu() override;
    void layoutToolBar() override;
    void repaintStrip() override;

    // Drops every note line and priority mark.
    void freeNoteLines();
    // Builds the lines for the loaded notes, sizes and places the strip.
    void noteLineRebuild();
    // From now until the strip first shows, a build makes only the note lines that
    // fit on the desktop; the others are made once the event loop runs after that
    // show, and the strip takes its full height then.
    void setLinesBelowScreenAfterShow();
    // Scrollbar moved to position 0..25.
    void scroll(int position);
    // Width, topmost state, colours and toolbar from the in-memory settings.
    void applySettings();

    // Shown, not minimised, and on the workspace the user is on.
    bool isStripShown() const override;

    // The end of the desktop session (a signal, the session manager): the close's
    // writes, with a failure logged rather than shown, since a box now would hold up
    // the logout; a strip not shown yet has no place of its own to write.
    void closeForSessionEnd();

    void setCloseGuard(bool set) { m_closeGuard = set; }
    bool closeGuard() const { return m_closeGuard; }
    bool isScrollBarShown() const { return m_scrollBarShown; }

    // Height of the background picture, 1 until one has been laid out; it still
    // counts while the picture is hidden.
    int backgroundImageHeight() const;

    // The background layout of the in-memory mode and picture: "empty" hides the
    // picture; "adjust" stretches it over the whole note-lines panel and follows its
    // size; any other mode gives it the strip's width and its own proportions, and
    // the next rebuild makes the strip tall enough for it. A picture that cannot be
    // loaded is reported and the background stays as it was.
    void drawImage();

    // Shows or hides the strip at the asking of another program (the command line, the
    // session bus), as the hide/show toggle does but without the taskbar check; a strip
    // that is shown is also brought to the front.
    void showFromOutside(bool shown);

    int noteLineCount() const;
    // 1-based; nullptr outside the built lines.
    QLabel* noteLine(int n) const;
    QLabel* priorityMark(int n) const;

public slots:
    void Timer1Timer();
    void alarmCheck();

    // Toolbar buttons; the menu items run the same slots.
    void ToolButton1Click(); // new note
    void ToolButton2Click(); // list all
    void ToolButton3Click(); // calendar
    void ToolButton4Click(); // launchers
    void ToolButton5Click();
    void ToolButton6Click();
    void ToolButton7Click();  // settings
    void ToolButton8Click();  // help
    void ToolButton9Click();  // hide / show
    void ToolButton10Click(); // exit
    void Acercade2Click();
    void Image1Click();
    void Image2Click();
    void btnSearchClick();
    // Double-click on the strip's own surface: a new note, without the taskbar check.
    void FormDblClick();

signals:
    // The close went through: position written, store closed.
    void closeAccepted();

    // The windows the strip's commands open; whoever makes the strip connects them.
    // A new note within the note limit.
    void newNoteAsked();
    // Note line n clicked: its displayed text and its mark's colour (a Windows colour
    // value, or -1 for the default text colour).
    void noteAsked(int n, const QString& displayedText, int markColor);
    // Note n, just asked for, its alarm moved but not stored, and the warning why.
    void alarmProposed(int n, const QDateTime& alarm, const QString& warning);
    // An answer to an alarm's notification stored note n.
    void noteAnswered(int n);
    void listAsked();
    void calendarAsked();
    // The backups window, modal.
    void backupsAsked();
    // The settings dialog, modal: the strip lays out its background again after it.
    void settingsAsked();
    void helpAsked();
    void aboutAsked();
    // Launcher n (1 to 3) run as the settings' rows define it.
    void launcherAsked(int n);

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    // Over the note lines and the scrollbar, which pass the wheel on: scrolls them.
    void wheelEvent(QWheelEvent* event) override;

private:
    void createBands();
    void connectCommands();
    void applyStartupSettings();
    bool readSettings();
    void placeEmptyStrip();

    bool taskbarCheck() const;
    // Off the screen: hidden with a notification area to come back from, minimised
    // to the taskbar or dock without one.
    void hideStrip();
    // On the screen again, hidden or minimised before, without taking the keyboard from
    // the program the user is in (an alarm shows it so); the user's own acts then
    // activate it.
    void showStrip() override;
    void colourAlarmLine(int n, bool opaque) override;
    // While hidden, shows the strip again once the notification area is gone.
    void watchNotificationArea();
    void beginNewNote();
    void noteLineClicked(int n);
    // An answer to note n's alarm notification.
    void answerAlarm(int n, platform::Notifier::Answer answer);
    // The text of each note whose alarm was shown, by its number then.
    std::map<int, QString> m_alarmTexts;
    void scrollToNoteLine(int top, int lineHeight, int content);
    // The note lines a build left for later, and the strip's height and place for them.
    void buildLinesToCome();
    // Sizes and places the strip for note lines that end at `stripHeight` (none without
    // it), and the background picture's minimum.
    void placeForNoteLines(std::optional<int> stripHeight);
    // The strip and the note-lines panel (`panelHeight` tall) as tall as the background
    // picture needs.
    void keepImageMinimum(int panelHeight);
    void focusStart();

    // Sets the size; on a change runs the resize handling.
    void setStripSize(int width, int height);
    void resizeHandling();
    void layoutChildren();

    void loadLogo(const QString& baseName);
    // Loads and lays out the background picture; false when it cannot be loaded.
    bool layOutBackground(const QString& mode, const QString& file);
    void launcherClick(int n);

    Services& m_services;
    Session& m_session;
    CommandImages& m_images;

    bool m_closeGuard = true;
    bool m_shownOnce = false;
    bool m_sessionEnding = false;
    bool m_scrollBarShown = false;
    int m_wheelRemainder = 0; // eighths of a degree short of a whole notch
    bool m_inResize = false;
    bool m_linesBelowAfterShow = false;

    StripHeader* pnlHeader = nullptr;
    QFrame* pnlLine2 = nullptr;
    QFrame* pnlLine = nullptr;
    NoteLinesPanel* pnlSentences = nullptr;
    QScrollBar* ScrollBar1 = nullptr;
    StripCommands* m_commands = nullptr;
    StripMover* m_mover = nullptr;
    QTimer* Timer1 = nullptr;
    std::unique_ptr<TTextTrayIcon> RxTrayIcon1;
    bool m_minimisedAsHidden = false;
    QTimer* m_trayWatch = nullptr;
};

} // namespace velmaro
