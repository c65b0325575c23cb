#pragma once
// The strip window: a narrow borderless window listing the notes one under another,
// with a header (logo, about picture, web search), a toolbar and the strip menu. It
// owns the settings store, the note collection and the alarm timer.

#include "app/services.h"
#include "app/startupsettings.h"
#include "app/storage.h"
#include "notes/notecollection.h"
#include "notes/settingsstore.h"
#include "settings/commandimages.h"
#include "strip/striphost.h"

#include <QFont>
#include <QWidget>

#include <vector>

class QAction;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QScrollBar;
class QTimer;
class QToolButton;

namespace velmaro {

class ClickLabel;
class NoteLine;

class TForm1 : public QWidget, public StripHost {
    Q_OBJECT
public:
    TForm1(Services& services, const StoragePaths& paths, QWidget* parent = nullptr);
    ~TForm1() override;

    // The creation sequence: file setup, start-up settings read, placement or note
    // load, past-alarm marking, and last the alarm timer. Errors are shown and stop it.
    void FormCreate();

    const StartupSettings& settings() const { return m_settings; }
    StartupSettings& settings() { return m_settings; }
    bool isFirstRun() const { return m_firstRun; }
    void clearFirstRun() { m_firstRun = false; }

    void setEditor(NoteEditorOpener* editor) { m_editor = editor; }
    CommandImages& commandImages() { return m_images; }

    // StripHost
    NoteCollection& notes() override { return m_notes; }
    SettingsStore& store() override { return m_store; }
    void reloadNotes() override;
    void pastAlarmMarking() override;
    void scrollbarCheck() override;
    void applyAlwaysOnTop() override;
    void setStripOnTop(bool onTop) override;
    void setStripEnabled(bool enabled) override;
    QString documentsFolder() const override;
    void openLink(const QString& target) override;

    // Drops every note line and priority mark.
    void freeNoteLines();
    // Builds the lines for the loaded notes, sizes and places the strip.
    void noteLineRebuild();
    // Scrollbar moved to position 0..25.
    void scroll(int position);
    // Width, topmost state, colours and toolbar from the in-memory settings.
    void applySettings();

    void setCloseGuard(bool set) { m_closeGuard = set; }
    bool closeGuard() const { return m_closeGuard; }
    bool isScrollBarShown() const { return m_scrollBarShown; }

    // Height of the background picture, 1 until one has been laid out.
    int backgroundImageHeight() const { return m_backImageHeight; }
    void setBackgroundImageHeight(int height) { m_backImageHeight = height; }

    int noteLineCount() const { return int(m_lines.size()); }
    // 1-based; nullptr outside the built lines.
    QLabel* noteLine(int n) const;
    QLabel* priorityMark(int n) const;

    // The font that draws the priority diamond (one that really holds U+2666).
    static QString diamondFontFamily();

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

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void createBands();
    void createToolBar();
    void createMenu();
    QAction* addMenuItem(const QString& name, const QString& caption, int shortcutKey, int image,
                         const QString& hint, void (TForm1::*slot)());
    void setImage(int index);
    void applyBackgroundColor();
    void applyStartupSettings();

    bool taskbarCheck() const;
    void beginNewNote();
    void noteLineClicked(int n);

    // Sets the size; on a change runs the resize handling.
    void setStripSize(int width, int height);
    void resizeHandling();
    void layoutChildren();
    void keepOnScreen();
    void layoutToolBar();
    QSize screenSize() const;
    // "left" / "top" of General leniently: absent or not a number gives nullopt.
    std::optional<int> storedPosition(QStringView key) const;
    void writePosition(QStringView key, int value);

    void colourLine(QLabel* line, bool opaque);
    void loadLogo(const QString& baseName);
    void refreshLauncherMenu();

    Services& m_services;
    StoragePaths m_paths;
    SettingsStore m_store;
    NoteCollection m_notes;
    StartupSettings m_settings;
    CommandImages m_images;
    NoteEditorOpener* m_editor = nullptr;

    bool m_closeGuard = true;
    bool m_firstRun = false;
    bool m_dragging = false;
    bool m_scrollBarShown = false;
    int m_backImageHeight = 1;
    bool m_inResize = false;

    QFrame* pnlHeader = nullptr;
    ClickLabel* Image2 = nullptr;
    ClickLabel* Image1 = nullptr;
    QLineEdit* edtSearchStr = nullptr;
    QPushButton* btnSearch = nullptr;
    QFrame* pnlLine2 = nullptr;
    QFrame* ToolBar1 = nullptr;
    std::vector<QToolButton*> m_toolButtons; // ToolButton1..ToolButton10
    QWidget* m_toolSeparator = nullptr;
    QFrame* pnlLine = nullptr;
    QFrame* pnlSentences = nullptr;
    QLabel* ImgBkGrnd = nullptr;
    QScrollBar* ScrollBar1 = nullptr;
    QMenu* RxPopupMenu1 = nullptr;
    QTimer* Timer1 = nullptr;
    std::vector<std::pair<int, QAction*>> m_menuImages;

    std::vector<NoteLine*> m_lines;
    std::vector<QLabel*> m_marks;
};

} // namespace velmaro
