#include "strip/stripwindow.h"

#include "alarms/alarmcheck.h"
#include "notes/codec.h"
#include "output/links.h"
#include "strip/striplayout.h"
#include "strip/stripwidgets.h"
#include "strip/wincolor.h"

#include <QAction>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QFontDatabase>
#include <QFrame>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRawFont>
#include <QScreen>
#include <QScrollBar>
#include <QSvgRenderer>
#include <QTimer>
#include <QToolButton>
#include <QWindow>

#include <algorithm>
#include <optional>
#include <tuple>

namespace velmaro {

namespace {

const QString kGeneral = QStringLiteral("General");
const QString kAboutHint = QStringLiteral("Acerca de ... (y Mensajes)");
const QString kHideShowHint =
    QStringLiteral("Ocultar en barra de Tareas o Volver a mostrar en pantalla");
const QString kListHint = QStringLiteral("Listar Todas las notas en un solo documento");
const QString kSettingsHint = QStringLiteral("Configurar Velmaro");
const QString kHelpHint = QStringLiteral("Ayuda de Velmaro");
const QString kExitHint = QStringLiteral("Salir de Velmaro");
const QString kNoteLimit = QStringLiteral("Ha alcanzado el número maximo de Notas");
constexpr char32_t kDiamond = 0x2666;
constexpr int kTimerInterval = 15000;
constexpr QRgb kSilver = 0xC0C0C0;

QFrame* makeRule(QWidget* parent, const QString& name)
{
    auto* rule = new QFrame(parent);
    rule->setObjectName(name);
    rule->setFrameStyle(QFrame::Panel | QFrame::Raised);
    rule->setLineWidth(1);
    return rule;
}

QFrame* makePanel(QWidget* parent, const QString& name)
{
    auto* panel = new QFrame(parent);
    panel->setObjectName(name);
    panel->setFrameStyle(QFrame::NoFrame);
    panel->setAutoFillBackground(true);
    return panel;
}

// Stored note texts carry CR LF; a label wants LF alone.
QString displayText(const QString& text)
{
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

QPixmap renderSvg(const QString& path, QSize size)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(path);
    if (renderer.isValid()) {
        QPainter painter(&pixmap);
        renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    }
    return pixmap;
}

// Restores the close guard however the shell call ends.
class CloseGuardClearer {
public:
    explicit CloseGuardClearer(TForm1& strip) : m_strip(strip) { m_strip.setCloseGuard(false); }
    ~CloseGuardClearer() { m_strip.setCloseGuard(true); }
    CloseGuardClearer(const CloseGuardClearer&) = delete;
    CloseGuardClearer& operator=(const CloseGuardClearer&) = delete;

private:
    TForm1& m_strip;
};

} // namespace

TForm1::TForm1(Services& services, const StoragePaths& paths, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), m_services(services), m_paths(paths),
      m_notes(m_store, services.clock)
{
    setObjectName(QStringLiteral("TForm1"));
    setWindowTitle(QStringLiteral("Velmaro"));
    setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
    resize(layout::kMinStripWidth, layout::kDesignedStripHeight);

    createBands();
    createToolBar();
    createMenu();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(kTimerInterval);
    connect(Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);

    connect(&m_images, &CommandImages::changed, this, &TForm1::setImage);

    applyBackgroundColor();
    const int w = width();
    pnlLine2->setGeometry(0, layout::kUpperRuleTop, w, layout::kRuleHeight);
    pnlLine->setGeometry(0, layout::kLowerRuleTop, w, layout::kRuleHeight);
    resizeHandling();
}

TForm1::~TForm1() = default;

// ---------------------------------------------------------------------------------------
// Construction of the fixed parts

void TForm1::createBands()
{
    // Created first so that the fixed bands stay above it when it scrolls up.
    pnlSentences = makePanel(this, QStringLiteral("pnlSentences"));
    pnlSentences->setGeometry(0, layout::kNotesTop, width(), height() - layout::kNotesTop);

    ImgBkGrnd = new QLabel(pnlSentences);
    ImgBkGrnd->setObjectName(QStringLiteral("ImgBkGrnd"));
    ImgBkGrnd->setScaledContents(true);
    ImgBkGrnd->setGeometry(0, 0, 1, 1);
    ImgBkGrnd->hide();

    pnlHeader = makePanel(this, QStringLiteral("pnlHeader"));
    pnlHeader->setGeometry(0, 0, width(), layout::kHeaderHeight);

    Image2 = new ClickLabel(pnlHeader);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setGeometry(layout::kLogoLeft, layout::kLogoTop, layout::kLogoWidth,
                        layout::kLogoHeight);
    Image2->setScaledContents(true);
    Image2->setCursor(Qt::PointingHandCursor);
    Image2->setToolTip(kAboutHint);
    Image2->hide();
    connect(Image2, &ClickLabel::clicked, this, &TForm1::Image2Click);

    Image1 = new ClickLabel(pnlHeader);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setScaledContents(true);
    Image1->setPixmap(renderSvg(QStringLiteral(":/velmaro/icons/aboutpicture.svg"),
                                QSize(layout::kAboutSize, layout::kAboutSize)));
    Image1->setCursor(Qt::PointingHandCursor);
    Image1->setToolTip(kAboutHint);
    connect(Image1, &ClickLabel::clicked, this, &TForm1::Image1Click);

    edtSearchStr = new QLineEdit(pnlHeader);
    edtSearchStr->setObjectName(QStringLiteral("edtSearchStr"));
    edtSearchStr->setToolTip(QStringLiteral("Escriba la búsqueda aquí"));
    edtSearchStr->setText(kSearchPrompt);

    btnSearch = new QPushButton(QStringLiteral("G"), pnlHeader);
    btnSearch->setObjectName(QStringLiteral("btnSearch"));
    QFont searchFont(QStringLiteral("Castellar"));
    searchFont.setStyleHint(QFont::Serif);
    searchFont.setPixelSize(11);
    searchFont.setBold(true);
    btnSearch->setFont(searchFont);
    QPalette searchPalette = btnSearch->palette();
    searchPalette.setColor(QPalette::ButtonText, Qt::blue);
    btnSearch->setPalette(searchPalette);
    btnSearch->setToolTip(QStringLiteral("Buscar en la Web"));
    connect(btnSearch, &QPushButton::clicked, this, &TForm1::btnSearchClick);

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

void TForm1::createToolBar()
{
    ToolBar1 = new QFrame(this);
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setFrameStyle(QFrame::NoFrame);
    ToolBar1->setAutoFillBackground(true);
    QPalette pal = ToolBar1->palette();
    pal.setColor(QPalette::Window, QColor(kSilver));
    pal.setColor(QPalette::Button, QColor(kSilver));
    ToolBar1->setPalette(pal);
    ToolBar1->setGeometry(0, layout::kToolBarTop, width(), layout::kToolBarHeight);

    struct Button {
        int image;
        QString hint;
        void (TForm1::*slot)();
    };
    const Button buttons[] = {
        {CommandImages::NewNote, QStringLiteral("Nueva Nota"), &TForm1::ToolButton1Click},
        {CommandImages::ListAll, kListHint, &TForm1::ToolButton2Click},
        {CommandImages::Calendar, QStringLiteral("Calendario"), &TForm1::ToolButton3Click},
        {CommandImages::Launcher1, QString(), &TForm1::ToolButton4Click},
        {CommandImages::Launcher2, QString(), &TForm1::ToolButton5Click},
        {CommandImages::Launcher3, QString(), &TForm1::ToolButton6Click},
        {CommandImages::Settings, kSettingsHint, &TForm1::ToolButton7Click},
        {CommandImages::Help, kHelpHint, &TForm1::ToolButton8Click},
        {CommandImages::HideShow, kHideShowHint, &TForm1::ToolButton9Click},
        {CommandImages::Exit, kExitHint, &TForm1::ToolButton10Click},
    };
    int number = 1;
    for (const Button& b : buttons) {
        auto* button = new QToolButton(ToolBar1);
        button->setObjectName(QStringLiteral("ToolButton%1").arg(number++));
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setIconSize(QSize(CommandImages::kSize, CommandImages::kSize));
        button->setIcon(m_images.icon(b.image));
        button->setProperty("imageIndex", b.image);
        button->setToolTip(b.hint);
        connect(button, &QToolButton::clicked, this, b.slot);
        m_toolButtons.push_back(button);
    }
    // The exit command is reached through the strip menu.
    m_toolButtons.back()->hide();

    m_toolSeparator = new QWidget(ToolBar1);
    m_toolSeparator->setObjectName(QStringLiteral("ToolSeparator"));
}

QAction* TForm1::addMenuItem(const QString& name, const QString& caption, int shortcutKey,
                             int image, const QString& hint, void (TForm1::*slot)())
{
    auto* action = new QAction(caption, this);
    action->setObjectName(name);
    if (shortcutKey) {
        action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key(shortcutKey)));
        action->setShortcutContext(Qt::WindowShortcut);
    }
    if (image >= 0) {
        action->setIcon(m_images.icon(image));
        m_menuImages.emplace_back(image, action);
    }
    if (!hint.isEmpty()) {
        action->setToolTip(hint);
        action->setStatusTip(hint);
    }
    connect(action, &QAction::triggered, this, slot);
    RxPopupMenu1->addAction(action);
    // Also on the window, so that the shortcuts work while the strip has the focus.
    addAction(action);
    return action;
}

void TForm1::createMenu()
{
    RxPopupMenu1 = new QMenu(this);
    RxPopupMenu1->setObjectName(QStringLiteral("RxPopupMenu1"));

    addMenuItem(QStringLiteral("Ocultar2"), QStringLiteral("&Ocultar / Mostrar"), Qt::Key_O,
                CommandImages::HideShow, kHideShowHint, &TForm1::ToolButton9Click);
    RxPopupMenu1->addSeparator();
    addMenuItem(QStringLiteral("NuevaNota1"), QStringLiteral("&Nueva Nota..."), Qt::Key_N,
                CommandImages::NewNote, QString(), &TForm1::ToolButton1Click);
    RxPopupMenu1->addSeparator();
    addMenuItem(QStringLiteral("ListarTodo1"), QStringLiteral("Listar &Todo..."), Qt::Key_T,
                CommandImages::ListAll, kListHint, &TForm1::ToolButton2Click);
    addMenuItem(QStringLiteral("Calendario1"), QStringLiteral("Ca&lendario..."), Qt::Key_L,
                CommandImages::Calendar, QStringLiteral("Calendario"), &TForm1::ToolButton3Click);
    QAction* n9 = RxPopupMenu1->addSeparator();
    n9->setObjectName(QStringLiteral("N9"));
    // The launcher items get their captions and show up once a launcher is set.
    for (auto [name, image, slot] :
         {std::tuple{"a1", int(CommandImages::Launcher1), &TForm1::ToolButton4Click},
          std::tuple{"b1", int(CommandImages::Launcher2), &TForm1::ToolButton5Click},
          std::tuple{"c1", int(CommandImages::Launcher3), &TForm1::ToolButton6Click}}) {
        QAction* item =
            addMenuItem(QString::fromLatin1(name), QString(), 0, image, QString(), slot);
        item->setVisible(false);
    }
    QAction* n10 = RxPopupMenu1->addSeparator();
    n10->setObjectName(QStringLiteral("N10"));
    n9->setVisible(false);
    n10->setVisible(false);
    addMenuItem(QStringLiteral("Configurar2"), QStringLiteral("Confi&gurar..."), Qt::Key_G,
                CommandImages::Settings, kSettingsHint, &TForm1::ToolButton7Click);
    RxPopupMenu1->addSeparator();
    addMenuItem(QStringLiteral("Ayuda2"), QStringLiteral("A&yuda"), Qt::Key_Y, CommandImages::Help,
                kHelpHint, &TForm1::ToolButton8Click);
    addMenuItem(QStringLiteral("Acercade2"), QStringLiteral("&Acerca de..."), Qt::Key_A,
                CommandImages::About, makerWeb(), &TForm1::Acercade2Click);
    RxPopupMenu1->addSeparator();
    addMenuItem(QStringLiteral("Salir2"), QStringLiteral("&Salir"), Qt::Key_S, CommandImages::Exit,
                kExitHint, &TForm1::ToolButton10Click);
}

void TForm1::setImage(int index)
{
    const QIcon icon = m_images.icon(index);
    for (QToolButton* button : m_toolButtons) {
        if (button->property("imageIndex").toInt() == index)
            button->setIcon(icon);
    }
    for (auto& [image, action] : m_menuImages) {
        if (image == index)
            action->setIcon(icon);
    }
}

// ---------------------------------------------------------------------------------------
// Creation sequence

void TForm1::FormCreate()
{
    try {
        runFileSetup(m_paths, m_services.clock.now().date());
    } catch (const SetupError& e) {
        m_services.messages.error(e.message());
        return;
    }

    m_closeGuard = true;
    hide();
    m_firstRun = false;
    m_dragging = false;
    loadLogo(QStringLiteral("logo1"));
    m_store.open(m_paths.settingsFile);

    try {
        readStartupSettings(m_store, m_settings);
    } catch (const ConversionError& e) {
        m_firstRun = m_settings.firstRun;
        m_services.messages.error(e.message());
        return;
    } catch (const StoreError& e) {
        // Everything was read; only the stamp could not be written.
        m_firstRun = m_settings.firstRun;
        applyStartupSettings();
        m_services.messages.error(e.message());
        return;
    }
    m_firstRun = m_settings.firstRun;
    if (!m_settings.noteCountProblem.isEmpty())
        m_services.messages.error(m_settings.noteCountProblem);
    applyStartupSettings();

    m_notes.setCount(m_settings.noteCount);
    if (m_settings.noteCount <= 0) {
        std::optional<int> left;
        std::optional<int> top;
        try {
            left = readStoredLeft(m_store);
            top = readStoredTop(m_store);
        } catch (const ConversionError& e) {
            m_services.messages.error(e.message());
            return;
        }
        const QSize screen = screenSize();
        move(left.value_or(layout::centred(screen.width(), width())),
             top.value_or(layout::centred(screen.height(), height())));
        keepOnScreen();
    } else {
        reloadNotes();
        pastAlarmMarking();
    }

    QCoreApplication::processEvents();
    refreshLauncherMenu();
    Timer1->start();
}

void TForm1::applyStartupSettings()
{
    applySettings();
}

void TForm1::applySettings()
{
    setStripSize(m_settings.width, height());
    pnlLine2->setGeometry(0, layout::kUpperRuleTop, width(), layout::kRuleHeight);
    pnlLine->setGeometry(0, layout::kLowerRuleTop, width(), layout::kRuleHeight);
    applyAlwaysOnTop();
    applyBackgroundColor();
    layoutToolBar();
}

void TForm1::applyBackgroundColor()
{
    for (QFrame* panel : {pnlHeader, pnlSentences}) {
        QPalette pal = panel->palette();
        pal.setColor(QPalette::Window, toQColor(m_settings.backColor, palette(), QPalette::Window));
        panel->setPalette(pal);
    }
}

void TForm1::loadLogo(const QString& baseName)
{
    // The logo picture comes from the per-user folder; until it is loaded the logo
    // stays hidden.
    Q_UNUSED(baseName);
    Image2->hide();
}

void TForm1::refreshLauncherMenu() {}

// ---------------------------------------------------------------------------------------
// Note lines

QString TForm1::diamondFontFamily()
{
    static const QString family = [] {
        QStringList candidates{QStringLiteral("Symbol"), QStringLiteral("DejaVu Sans"),
                               QStringLiteral("Noto Sans Symbols2"), QStringLiteral("FreeSerif"),
                               QStringLiteral("Liberation Sans")};
        candidates += QFontDatabase::families();
        for (const QString& candidate : candidates) {
            const QRawFont raw = QRawFont::fromFont(QFont(candidate));
            if (raw.isValid() && raw.supportsCharacter(kDiamond))
                return raw.familyName();
        }
        return QString();
    }();
    return family;
}

QLabel* TForm1::noteLine(int n) const
{
    if (n < 1 || n > int(m_lines.size()))
        return nullptr;
    return m_lines[n - 1];
}

QLabel* TForm1::priorityMark(int n) const
{
    if (n < 1 || n > int(m_marks.size()))
        return nullptr;
    return m_marks[n - 1];
}

void TForm1::freeNoteLines()
{
    // Deleted later: a line may be the sender of the event being handled.
    for (QLabel* line : m_lines) {
        line->hide();
        line->deleteLater();
    }
    for (QLabel* mark : m_marks) {
        mark->hide();
        mark->deleteLater();
    }
    m_lines.clear();
    m_marks.clear();
}

void TForm1::reloadNotes()
{
    freeNoteLines();
    m_notes.unload();
    try {
        m_notes.load();
    } catch (const ConversionError& e) {
        // The notes read before the faulty one are shown all the same.
        m_services.messages.error(e.message());
    }
    noteLineRebuild();
}

void TForm1::noteLineRebuild()
{
    if (!m_lines.empty())
        freeNoteLines();

    const int count = std::min<int>(m_notes.count(), int(m_notes.notes().size()));
    const int lineWidth = layout::noteLineWidth(width(), m_scrollBarShown);

    QFont lineFont(m_settings.fontName);
    lineFont.setPointSize(m_settings.fontSize > 0 ? m_settings.fontSize : 8);
    const QColor textColor = toQColor(m_settings.fontColor, palette(), QPalette::WindowText);
    const QColor backColor = toQColor(m_settings.backColor, palette(), QPalette::Window);

    QFont markFont(diamondFontFamily());
    markFont.setPointSize(9);
    markFont.setBold(true);

    std::vector<int> heights;
    heights.reserve(count);
    m_lines.reserve(count);
    m_marks.reserve(count);
    for (int n = 1; n <= count; ++n) {
        const Note& note = m_notes.note(n);
        auto* line = new NoteLine(n, pnlSentences);
        line->setTextFormat(Qt::PlainText);
        line->setWordWrap(true);
        line->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        line->setFont(lineFont);
        QPalette pal = line->palette();
        pal.setColor(QPalette::WindowText, textColor);
        pal.setColor(QPalette::Window, backColor);
        line->setPalette(pal);
        line->setAutoFillBackground(false);
        line->setCursor(Qt::PointingHandCursor);
        const QString text = displayText(note.text);
        line->setText(text);
        // An empty text still takes one line, as a blank would.
        if (text.isEmpty())
            line->setText(QStringLiteral(" "));
        heights.push_back(line->heightForWidth(lineWidth));
        if (text.isEmpty())
            line->setText(QString());
        connect(line, &NoteLine::noteClicked, this, &TForm1::noteLineClicked, Qt::QueuedConnection);
        m_lines.push_back(line);

        auto* mark = new QLabel(QString(QChar(char16_t(kDiamond))), pnlSentences);
        mark->setObjectName(QStringLiteral("priorityMark%1").arg(n));
        mark->setTextFormat(Qt::PlainText);
        mark->setFont(markFont);
        if (const auto color = priorityMarkColor(note.priority)) {
            QPalette markPal = mark->palette();
            markPal.setColor(QPalette::WindowText,
                             toQColor(*color, palette(), QPalette::WindowText));
            mark->setPalette(markPal);
        }
        m_marks.push_back(mark);
    }

    const std::vector<int> tops = layout::noteLineTops(heights);
    for (int i = 0; i < count; ++i) {
        m_lines[i]->setGeometry(layout::kLineLeft, tops[i], lineWidth, heights[i]);
        m_marks[i]->adjustSize();
        m_marks[i]->move(layout::kMarkLeft, tops[i]);
        m_lines[i]->show();
        m_marks[i]->show();
    }

    int panelHeight = pnlSentences->height();
    if (count >= 1) {
        setStripSize(width(), layout::stripHeightForNotes(tops.back(), heights.back()));
        const QSize screen = screenSize();
        const int left = storedPosition(u"left").value_or(layout::centred(screen.width(), width()));
        const int top = storedPosition(u"top").value_or(layout::centred(screen.height(), height()));
        move(left, top);
        keepOnScreen();
        panelHeight = height() - layout::kNotesTop;
        pnlSentences->resize(pnlSentences->width(), panelHeight);
        scrollbarCheck();
    }

    const auto minimum = layout::applyImageMinimum(height(), panelHeight, m_backImageHeight);
    if (minimum.stripHeight != height())
        setStripSize(width(), minimum.stripHeight);
    if (minimum.panelHeight != pnlSentences->height())
        pnlSentences->resize(pnlSentences->width(), minimum.panelHeight);
}

std::optional<int> TForm1::storedPosition(QStringView key) const
{
    const QString text = m_store.readString(kGeneral, key, kAbsent);
    if (text == kAbsent)
        return std::nullopt;
    return parseInteger(text);
}

void TForm1::noteLineClicked(int n)
{
    if (!m_editor || n < 1 || n > int(m_lines.size()) || n > m_notes.count())
        return;
    const int markColor = priorityMarkColor(m_notes.note(n).priority).value_or(-1);
    m_editor->openForNote(n, m_notes.note(n).text, markColor);
}

// ---------------------------------------------------------------------------------------
// Size, scrollbar and placement

QSize TForm1::screenSize() const
{
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        return screen->geometry().size();
    return QSize(1024, 768);
}

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
    Image1->setGeometry(layout::aboutImageLeft(w), layout::kAboutTop, layout::kAboutSize,
                        layout::kAboutSize);
    pnlSentences->resize(w, pnlSentences->height());
    pnlHeader->resize(w, layout::kHeaderHeight);
    layoutToolBar();
    const int buttonLeft = layout::searchButtonLeft(w);
    btnSearch->setGeometry(buttonLeft, layout::kSearchTop, layout::kSearchButtonSize,
                           layout::kSearchButtonSize);
    edtSearchStr->setGeometry(layout::kSearchBoxLeft, layout::kSearchTop,
                              layout::searchBoxWidth(buttonLeft), layout::kSearchHeight);
    ScrollBar1->raise();
}

void TForm1::resizeHandling()
{
    if (m_inResize)
        return;
    m_inResize = true;
    layoutChildren();
    keepOnScreen();
    m_inResize = false;
}

void TForm1::layoutToolBar()
{
    const layout::ToolBarLayout t = layout::toolBarLayout(width());
    ToolBar1->setGeometry(0, layout::kToolBarTop, t.width, layout::kToolBarHeight);
    const int buttonHeight = layout::kToolBarHeight - 2;
    for (int k = 0; k < int(t.commandLefts.size()); ++k)
        m_toolButtons[k]->setGeometry(t.commandLefts[k], 1, layout::kToolButtonWidth, buttonHeight);
    m_toolSeparator->setGeometry(t.separatorLeft, 1, t.separatorWidth, buttonHeight);
    m_toolButtons[8]->setGeometry(t.hideShowLeft, 1, layout::kToolButtonWidth, buttonHeight);
    m_toolButtons[9]->setGeometry(t.exitLeft, 1, layout::kToolButtonWidth, buttonHeight);
}

void TForm1::keepOnScreen()
{
    const QSize screen = screenSize();
    const layout::KeepOnScreenResult r =
        layout::keepOnScreen({x(), y(), screen.width(), screen.height(), Image2->x(), Image1->x(),
                              Image1->y(), Image1->width(), Image1->height()});
    if (!r.leftChanged && !r.topChanged)
        return;
    move(r.left, r.top);
    if (r.leftChanged)
        writePosition(u"left", r.left);
    if (r.topChanged)
        writePosition(u"top", r.top);
}

void TForm1::writePosition(QStringView key, int value)
{
    if (!m_store.isOpen())
        return;
    try {
        m_store.writeInteger(kGeneral, key, value);
    } catch (const StoreError& e) {
        m_services.messages.error(e.message());
    }
}

void TForm1::scrollbarCheck()
{
    const QSize screen = screenSize();
    const layout::ScrollBarState s =
        layout::scrollBarCheck({screen.height(), y(), height(), width(), m_scrollBarShown});
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

void TForm1::scroll(int position)
{
    std::optional<int> content;
    if (!m_lines.empty()) {
        const QLabel* last = m_lines.back();
        content = layout::noteContentHeight(last->y(), last->height());
    }
    if (const auto top = layout::scrolledPanelTop(position, content, ScrollBar1->height()))
        pnlSentences->move(0, *top);
}

// ---------------------------------------------------------------------------------------
// Window stack, enabling, links

void TForm1::applyAlwaysOnTop()
{
    setStripOnTop(m_settings.alwaysOnTop);
}

void TForm1::setStripOnTop(bool onTop)
{
    Qt::WindowFlags flags = windowFlags();
    flags.setFlag(Qt::WindowStaysOnTopHint, onTop);
    if (flags == windowFlags())
        return;
    if (QWindow* window = windowHandle()) {
        // Changed on the live window: no re-creation, the strip keeps its place and
        // visibility.
        overrideWindowFlags(flags);
        window->setFlags(flags);
    } else {
        setWindowFlags(flags);
    }
}

void TForm1::setStripEnabled(bool enabled)
{
    setEnabled(enabled);
}

QString TForm1::documentsFolder() const
{
    return m_paths.documentsFolder;
}

void TForm1::openLink(const QString& target)
{
    const CloseGuardClearer clearer(*this);
    m_services.links.open(target, m_paths.programFolder);
}

// ---------------------------------------------------------------------------------------
// Commands

bool TForm1::taskbarCheck() const
{
    return m_services.shell.isRunning();
}

void TForm1::beginNewNote()
{
    if (m_notes.count() > kMaxNotes - 1) {
        m_services.messages.inform(kNoteLimit);
        return;
    }
    if (m_editor && !m_editor->isShown())
        m_editor->openNew();
}

void TForm1::ToolButton1Click()
{
    if (taskbarCheck())
        beginNewNote();
}

void TForm1::FormDblClick()
{
    beginNewNote();
}

void TForm1::ToolButton2Click()
{
    if (!taskbarCheck())
        return;
}

void TForm1::ToolButton3Click()
{
    if (!taskbarCheck())
        return;
}

void TForm1::ToolButton4Click()
{
    if (!taskbarCheck())
        return;
}

void TForm1::ToolButton5Click()
{
    if (!taskbarCheck())
        return;
}

void TForm1::ToolButton6Click()
{
    if (!taskbarCheck())
        return;
}

void TForm1::ToolButton7Click()
{
    if (!taskbarCheck())
        return;
}

void TForm1::ToolButton8Click()
{
    if (!taskbarCheck())
        return;
}

void TForm1::ToolButton9Click()
{
    if (!taskbarCheck())
        return;
    if (isVisible())
        hide();
    else
        show();
    raise();
    if (isVisible())
        edtSearchStr->setText(kSearchPrompt);
}

void TForm1::ToolButton10Click()
{
    if (!taskbarCheck())
        return;
    close();
}

void TForm1::Acercade2Click()
{
    if (!taskbarCheck())
        return;
}

void TForm1::Image1Click()
{
    if (!taskbarCheck())
        return;
}

void TForm1::Image2Click()
{
    if (!taskbarCheck())
        return;
}

void TForm1::btnSearchClick()
{
    if (!taskbarCheck())
        return;
}

// ---------------------------------------------------------------------------------------
// Alarm timer

void TForm1::Timer1Timer()
{
    Timer1->stop();
    try {
        alarmCheck();
    } catch (...) {
        // The timer goes on whatever happened.
    }
    if (edtSearchStr->text() == kSearchPrompt)
        edtSearchStr->clear();
    Timer1->start();
}

void TForm1::colourLine(QLabel* line, bool opaque)
{
    QPalette pal = line->palette();
    pal.setColor(QPalette::WindowText,
                 toQColor(m_settings.alarmColor, palette(), QPalette::WindowText));
    pal.setColor(QPalette::Window,
                 toQColor(m_settings.alarmBackColor, palette(), QPalette::Window));
    line->setPalette(pal);
    line->setAutoFillBackground(opaque);
}

void TForm1::alarmCheck()
{
    const std::vector<int> due = takeDueAlarms(m_notes, m_services.clock.now());
    for (int n : due) {
        if (QLabel* line = noteLine(n))
            colourLine(line, true);
        try {
            m_services.sound.setFileName(m_notes.note(n).sound);
            m_services.sound.open();
            m_services.sound.play();
        } catch (...) {
            m_services.bell.ring();
        }
        show();
        update();
    }
}

void TForm1::pastAlarmMarking()
{
    const std::vector<int> due = takeDueAlarms(m_notes, m_services.clock.now());
    for (int n : due) {
        if (QLabel* line = noteLine(n))
            colourLine(line, !m_settings.alarmBackTransparent);
        update();
    }
}

// ---------------------------------------------------------------------------------------
// Window events

void TForm1::closeEvent(QCloseEvent* event)
{
    if (!m_closeGuard) {
        event->ignore();
        return;
    }
    if (m_store.isOpen()) {
        try {
            SettingsStore::WriteGroup group(m_store);
            m_store.writeInteger(kGeneral, u"left", x());
            m_store.writeInteger(kGeneral, u"top", y());
            group.commit();
        } catch (const StoreError& e) {
            m_services.messages.error(e.message());
        }
        m_store.close();
    }
    Timer1->stop();
    event->accept();
    emit closeAccepted();
}

void TForm1::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        raise();
}

void TForm1::contextMenuEvent(QContextMenuEvent* event)
{
    RxPopupMenu1->popup(event->globalPos());
    event->accept();
}

void TForm1::mouseDoubleClickEvent(QMouseEvent* event)
{
    event->accept();
    if (event->button() != Qt::LeftButton)
        return;
    // Only the bare surface: the window itself and its two panels.
    QWidget* target = childAt(event->position().toPoint());
    if (target == nullptr || target == pnlHeader || target == pnlSentences)
        FormDblClick();
}

} // namespace velmaro
