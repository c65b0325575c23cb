// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "strip/stripwindow.h"

#include "alarms/alarmanswer.h"
#include "alarms/alarmring.h"
#include "notes/codec.h"
#include "notes/keys.h"
#include "strip/notelinespanel.h"
#include "strip/stripcommands.h"
#include "strip/stripheader.h"
#include "strip/striplayout.h"
#include "strip/stripmover.h"
#include "strip/stripwidgets.h"
#include "strip/tray/texttrayicon.h"
#include "widgets/wincolor.h"

#include <QApplication>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QWheelEvent>

#include <optional>

namespace velmaro {

namespace {

constexpr int kTimerInterval = 15000;

QFrame* makeRule(QWidget* parent, const QString& name)
{
    auto* rule = new RaisedRule(parent);
    rule->setObjectName(name);
    return rule;
}

} // namespace

TForm1::TForm1(Services& services, Session& session, CommandImages& images, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), m_services(services),
      m_session(session), m_images(images)
{
    setObjectName(QStringLiteral("TForm1"));
    setWindowTitle(QStringLiteral("Velmaro"));
    // untranslated: a font family name
    setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
    resize(keys::kMinStripWidth, layout::kDesignedStripHeight);

    createBands();
    m_commands = new StripCommands(this, m_images);
    // The lower rule lies on the toolbar's last two rows: both rules stay in front.
    pnlLine2->raise();
    pnlLine->raise();
    connectCommands();
    m_mover = new StripMover(this, pnlHeader, m_session, m_services.messages);
    m_services.notifier.answered = [this](int n, platform::Notifier::Answer answer) {
        answerAlarm(n, answer);
    };
    for (QWidget* surface : {static_cast<QWidget*>(this), static_cast<QWidget*>(pnlHeader),
                             static_cast<QWidget*>(pnlSentences)})
        m_mover->addDragSurface(surface);
    connect(m_mover, &StripMover::moved, this, &TForm1::scrollbarCheck);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(kTimerInterval);
    connect(Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);

    applyBackgroundColor();
    const int w = width();
    pnlLine2->setGeometry(0, layout::kUpperRuleTop, w, layout::kRuleHeight);
    pnlLine->setGeometry(0, layout::kLowerRuleTop, w, layout::kRuleHeight);
    resizeHandling();
}

TForm1::~TForm1()
{
    m_services.notifier.answered = nullptr;
}

// ---------------------------------------------------------------------------------------
// Construction of the fixed parts

void TForm1::createBands()
{
    // Created first so that the fixed bands stay above it when it scrolls up.
    pnlSentences = new NoteLinesPanel(this);
    connect(pnlSentences, &NoteLinesPanel::noteClicked, this, &TForm1::noteLineClicked);
    connect(pnlSentences, &NoteLinesPanel::noteFocused, this, &TForm1::scrollToNoteLine);

    pnlHeader = new StripHeader(this);
    connect(pnlHeader, &StripHeader::logoClicked, this, &TForm1::Image2Click);
    connect(pnlHeader, &StripHeader::aboutClicked, this, &TForm1::Image1Click);
    connect(pnlHeader, &StripHeader::searchClicked, this, &TForm1::btnSearchClick);

    pnlLine2 = makeRule(this, QStringLiteral("pnlLine2"));
    pnlLine = makeRule(this, QStringLiteral("pnlLine"));

    ScrollBar1 = new QScrollBar(Qt::Vertical, this);
    ScrollBar1->setObjectName(QStringLiteral("ScrollBar1"));
    ScrollBar1->setRange(0, layout::kScrollMax);
    ScrollBar1->setPageStep(0);
    ScrollBar1->setSingleStep(1);
    ScrollBar1->hide();
    connect(ScrollBar1, &QScrollBar::valueChanged, this, &TForm1::scroll);
}

void TForm1::connectCommands()
{
    StripCommands* c = m_commands;
    connect(c, &StripCommands::newNote, this, &TForm1::ToolButton1Click);
    connect(c, &StripCommands::listAll, this, &TForm1::ToolButton2Click);
    connect(c, &StripCommands::calendar, this, &TForm1::ToolButton3Click);
    connect(c, &StripCommands::backups, this, &TForm1::backupsAsked);
    connect(c, &StripCommands::launcher1, this, &TForm1::ToolButton4Click);
    connect(c, &StripCommands::launcher2, this, &TForm1::ToolButton5Click);
    connect(c, &StripCommands::launcher3, this, &TForm1::ToolButton6Click);
    connect(c, &StripCommands::settings, this, &TForm1::ToolButton7Click);
    connect(c, &StripCommands::help, this, &TForm1::ToolButton8Click);
    connect(c, &StripCommands::hideShow, this, &TForm1::ToolButton9Click);
    connect(c, &StripCommands::exit, this, &TForm1::ToolButton10Click);
    connect(c, &StripCommands::about, this, &TForm1::Acercade2Click);
}

// ---------------------------------------------------------------------------------------
// Creation sequence

void TForm1::FormCreate()
{
    hide();
    m_closeGuard = true;
    m_mover->cancelDrag();
    // A folder that cannot be made, or a settings path that cannot be read (a folder,
    // a FIFO, a file of another user), is told to the user; the strip is still shown,
    // without notes. A file that can be read but not written (immutable, a full disk,
    // a read-only file system) is told too, and the start goes on: the notes show and
    // their alarms ring, and every write is refused until the file can be written.
    try {
        m_session.open();
    } catch (const SetupError& e) {
        m_services.messages.error(e.message());
        return;
    } catch (const StoreError& e) {
        m_services.messages.error(e.message());
        if (!m_session.store().isOpen())
            return;
    }
    loadLogo(QStringLiteral("logo1"));
    if (!readSettings())
        return;

    const StartupSettings& s = m_session.settings();
    if (s.noteCount <= 0) {
        try {
            placeEmptyStrip();
        } catch (const ConversionError& e) {
            m_services.messages.error(e.message());
            return;
        }
    } else {
        reloadNotes();
        announceMissedAlarms(m_session.notes(),
                             markPastAlarms(m_session.notes(), m_services.clock.now(), *this,
                                            !m_session.settings().alarmBackTransparent),
                             m_services.notifier);
    }

    QCoreApplication::processEvents();
    refreshLauncherMenu();
    Timer1->start();
}

// The start-up settings read; false when an error stopped the creation.
bool TForm1::readSettings()
{
    try {
        m_session.readStartupSettings();
    } catch (const ConversionError& e) {
        m_services.messages.error(e.message());
        return false;
    } catch (const StoreError& e) {
        // Everything was read; only the start-up mark could not be written, and the
        // start goes on without it.
        m_services.messages.error(e.message());
    }
    if (!m_session.settings().noteCountProblem.isEmpty())
        m_services.messages.error(m_session.settings().noteCountProblem);
    applyStartupSettings();
    return true;
}

// Without notes the strip keeps its designed height at the stored position, strictly
// read (ConversionError), or centred.
void TForm1::placeEmptyStrip()
{
    const std::optional<int> left = readStoredLeft(m_session.store());
    const std::optional<int> top = readStoredTop(m_session.store());
    const QRect screen = StripMover::primaryGeometry();
    move(left.value_or(screen.x() + layout::centred(screen.width(), width())),
         top.value_or(screen.y() + layout::centred(screen.height(), height())));
    m_mover->keepOnScreen();
}

void TForm1::applyStartupSettings()
{
    applySettings();
}

void TForm1::applySettings()
{
    setStripSize(m_session.settings().width, height());
    pnlLine2->setGeometry(0, layout::kUpperRuleTop, width(), layout::kRuleHeight);
    pnlLine->setGeometry(0, layout::kLowerRuleTop, width(), layout::kRuleHeight);
    applyAlwaysOnTop();
    applyBackgroundColor();
    m_commands->layoutToolBar(width());
}

// ---------------------------------------------------------------------------------------
// Size, scrollbar and placement

void TForm1::setStripSize(int w, int h)
{
    if (w == width() && h == height())
        return;
    resize(w, h);
    resizeHandling();
}

void TForm1::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    layoutChildren();
}

void TForm1::layoutChildren()
{
    const int w = width();
    pnlHeader->layoutForWidth(w);
    pnlSentences->setSize(w, pnlSentences->height());
    m_commands->layoutToolBar(w);
    ScrollBar1->raise();
}

void TForm1::resizeHandling()
{
    if (m_inResize)
        return;
    m_inResize = true;
    layoutChildren();
    m_mover->keepOnScreen();
    m_inResize = false;
}

void TForm1::scrollbarCheck()
{
    const QRect screen = m_mover->monitorGeometry();
    const layout::ScrollBarState s = layout::scrollBarCheck(
        {screen.y() + screen.height(), y(), height(), width(), m_scrollBarShown});
    const bool showing = s.shown && !m_scrollBarShown;
    m_scrollBarShown = s.shown;
    if (s.stripWidth != width())
        setStripSize(s.stripWidth, height());
    if (s.shown) {
        ScrollBar1->setGeometry(s.barLeft, layout::kNotesTop, layout::kScrollBarWidth, s.barHeight);
        pnlLine2->setGeometry(0, layout::kUpperRuleTop, s.ruleWidth, layout::kRuleHeight);
        pnlLine->setGeometry(0, layout::kLowerRuleTop, s.ruleWidth, layout::kRuleHeight);
        if (showing)
            ScrollBar1->show();
        ScrollBar1->raise();
    } else {
        ScrollBar1->hide();
    }
    {
        const QSignalBlocker block(ScrollBar1);
        ScrollBar1->setValue(s.position);
    }
    pnlSentences->move(0, s.panelTop);
}

void TForm1::wheelEvent(QWheelEvent* event)
{
    if (!m_scrollBarShown) {
        event->ignore();
        return;
    }
    // Whole notches of 120 eighths of a degree; fine-grained wheels and touchpads add
    // up to them.
    m_wheelRemainder += event->angleDelta().y();
    const int notches = m_wheelRemainder / 120;
    m_wheelRemainder -= notches * 120;
    const int perNotch = layout::positionsPerNotch(QApplication::wheelScrollLines(),
                                                   pnlSentences->height(), ScrollBar1->height());
    if (notches != 0)
        ScrollBar1->setValue(ScrollBar1->value() - notches * perNotch);
    event->accept();
}

void TForm1::scroll(int position)
{
    pnlSentences->scrollTo(position, ScrollBar1->height());
}

void TForm1::scrollToNoteLine(int top, int lineHeight, int content)
{
    if (m_scrollBarShown) {
        ScrollBar1->setValue(layout::positionShowingLine(ScrollBar1->value(), top, lineHeight,
                                                         content, ScrollBar1->height()));
    }
}

// Where the keyboard starts in the strip: the note lines, or the search box when there
// are none; never a button, which Space or Enter would press.
void TForm1::focusStart()
{
    QWidget* current = focusWidget();
    if (current && current != pnlHeader->searchButton() && current->isVisible())
        return;
    if (!pnlSentences->focusNote(1))
        pnlHeader->searchBox()->setFocus(Qt::OtherFocusReason);
}

} // namespace velmaro
