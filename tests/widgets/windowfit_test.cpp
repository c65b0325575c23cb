// Every window opened as the user sees it, at the scale the test runs in (1 and 2):
// no caption, check box, radio button or button text is cut by its own room, by the
// window's edge or by a control beside it, no calendar heading is shortened, and a
// text area shows all its text or scrolls. Also: Qt's standard texts are Spanish.

#include "app/session.h"
#include "notes/noteeditor.h"
#include "output/aboutwindow.h"
#include "output/calendarwindow.h"
#include "output/helpwindow.h"
#include "output/listwindow.h"
#include "platform/fake/fakeservices.h"
#include "settings/settingsdialog.h"
#include "settings/settingshost.h"
#include "widgets/spanish.h"

#include <QAbstractSpinBox>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QToolButton>
#include <QtTest>

using namespace velmaro;

namespace {

class IdleHost final : public SettingsHost {
public:
    StripMetrics stripMetrics() const override { return {237, 0}; }
    int noteCount() const override { return 0; }
    void rebuildNoteLines() override {}
    void scrollbarCheck() override {}
    void setStripWidth(int) override {}
    bool showBackgroundImage(const QString&, const QString&) override { return true; }
    void hideBackgroundImage() override {}
    void layoutBackgroundImage() override {}
    void applyAlwaysOnTop() override {}
    void applyBackgroundColor() override {}
    void setLauncherButton(int, int, bool, const QString&) override {}
    void refreshLauncherMenu() override {}
    void layoutToolBar() override {}
    void repaintStrip() override {}
};

bool holdsContent(const QWidget* w)
{
    return qobject_cast<const QLabel*>(w) || qobject_cast<const QAbstractButton*>(w) ||
           qobject_cast<const QLineEdit*>(w) || qobject_cast<const QAbstractSpinBox*>(w) ||
           qobject_cast<const QComboBox*>(w) || qobject_cast<const QTextEdit*>(w) ||
           qobject_cast<const QPlainTextEdit*>(w) || qobject_cast<const QCalendarWidget*>(w);
}

QString textOf(const QWidget* w)
{
    if (const auto* l = qobject_cast<const QLabel*>(w))
        return l->pixmap().isNull() ? l->text() : QString();
    if (const auto* b = qobject_cast<const QAbstractButton*>(w))
        return QString(b->text()).remove(QLatin1Char('&'));
    return {};
}

// The room the text needs, or an empty size for a widget that wraps on purpose.
QSize textNeeds(const QWidget* w, const QString& text)
{
    const QFontMetrics fm(w->font());
    int advance = 0;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (const QString& line : lines)
        advance = std::max(advance, fm.horizontalAdvance(line));
    if (const auto* l = qobject_cast<const QLabel*>(w)) {
        if (l->wordWrap())
            return {};
        const QMargins m = l->contentsMargins();
        return {advance + m.left() + m.right() + 2 * l->margin(),
                int(lines.size()) * fm.height() + m.top() + m.bottom()};
    }
    if (qobject_cast<const QCheckBox*>(w) || qobject_cast<const QRadioButton*>(w))
        return w->sizeHint(); // the indicator, its spacing and the text
    const auto* b = static_cast<const QAbstractButton*>(w);
    const int icon = b->icon().isNull() ? 0 : b->iconSize().width() + 4;
    return {advance + icon + 6, int(lines.size()) * fm.height()};
}

// Where the text lies in the parent's coordinates, by the widget's alignment; the
// height is that of its lines, centred as captions are.
QRect textRect(const QWidget* w, QSize needs)
{
    const QRect g = w->geometry();
    const auto* l = qobject_cast<const QLabel*>(w);
    const Qt::Alignment a = l ? l->alignment() : Qt::AlignLeft;
    int left = g.left();
    if (a & Qt::AlignRight)
        left = g.right() + 1 - needs.width();
    else if (a & Qt::AlignHCenter)
        left = g.left() + (g.width() - needs.width()) / 2;
    const QString text = textOf(w);
    const int height =
        std::min(int(text.count(QLatin1Char('\n')) + 1) * w->fontMetrics().height(), g.height());
    return {left, g.top() + (g.height() - height) / 2, needs.width(), height};
}

// What of a neighbour a text must not run into: its text when it is a caption, else
// the whole control.
QRect occupied(const QWidget* w)
{
    const QString text = textOf(w);
    const auto* l = qobject_cast<const QLabel*>(w);
    if (text.trimmed().isEmpty() || (l && l->wordWrap()))
        return w->geometry();
    return textRect(w, textNeeds(w, text));
}

QString describe(const QWidget* w)
{
    return QStringLiteral("%1 \"%2\"").arg(w->objectName(), textOf(w).left(40));
}

void checkText(const QWidget* w, QStringList& problems)
{
    const QString text = textOf(w);
    if (text.trimmed().isEmpty())
        return;
    if (const auto* l = qobject_cast<const QLabel*>(w); l && l->wordWrap()) {
        if (const int needs = l->heightForWidth(l->width()); needs > l->height())
            problems << describe(w) + QStringLiteral(": wrapped text cut at the bottom (%1 of %2)")
                                          .arg(l->height())
                                          .arg(needs);
        return;
    }
    const QSize needs = textNeeds(w, text);
    if (needs.width() > w->width() || needs.height() > w->height() + 2)
        problems << describe(w) + QStringLiteral(": needs %1x%2, has %3x%4")
                                      .arg(needs.width())
                                      .arg(needs.height())
                                      .arg(w->width())
                                      .arg(w->height());
    const QRect text_ = textRect(w, needs);
    if (!w->parentWidget()->rect().contains(text_))
        problems << describe(w) + QStringLiteral(": runs past its window's or panel's edge");
    for (const QObject* o : w->parentWidget()->children()) {
        const auto* other = qobject_cast<const QWidget*>(o);
        if (other && other != w && other->isVisible() && holdsContent(other) &&
            occupied(other).intersects(text_))
            problems << describe(w) + QStringLiteral(": runs into ") + other->objectName();
    }
}

void checkTextArea(const QAbstractScrollArea* area, QTextDocument* doc, QStringList& problems)
{
    const bool cut = doc->size().height() > area->viewport()->height() ||
                     doc->size().width() > area->viewport()->width() + 1;
    if (cut && area->verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOff)
        problems << area->objectName() + QStringLiteral(": text cut, no scroll bar");
}

// The weekday headings and day numbers the calendar draws in its cells.
void checkCalendar(const QCalendarWidget* calendar, QStringList& problems)
{
    const auto* view = calendar->findChild<QTableView*>();
    QFont bold = view->font();
    bold.setBold(true);
    const QFontMetrics fm(bold);
    for (int column = 0; column < view->model()->columnCount(); ++column) {
        const QString heading = view->model()->index(0, column).data().toString();
        if (fm.horizontalAdvance(heading) + 4 > view->columnWidth(column))
            problems << QStringLiteral("calendar heading \"%1\" cut").arg(heading);
    }
}

QStringList problemsOf(QWidget* window)
{
    QStringList problems;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(window) || !w->parentWidget()->isVisibleTo(window) ||
            qobject_cast<QCalendarWidget*>(w->parentWidget()))
            continue;
        if (qobject_cast<QLabel*>(w) || qobject_cast<QAbstractButton*>(w))
            checkText(w, problems);
        else if (auto* edit = qobject_cast<QTextEdit*>(w))
            checkTextArea(edit, edit->document(), problems);
        else if (auto* calendar = qobject_cast<QCalendarWidget*>(w))
            checkCalendar(calendar, problems);
    }
    return problems;
}

} // namespace

class WindowFitTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    platform::FakeServices m_fakes;

    QStringList m_problems;

    void expectFit(QWidget* window, const QStringList& known = {})
    {
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QStringList problems = problemsOf(window);
        for (const QString& k : known)
            problems.removeIf([&k](const QString& p) { return p.contains(k); });
        for (const QString& p : problems)
            m_problems << window->windowTitle() + QStringLiteral(": ") + p;
        window->close();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(useSpanish(*QCoreApplication::instance()));
        QDialogButtonBox buttons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel |
                                 QDialogButtonBox::Save | QDialogButtonBox::Open);
        auto text = [&buttons](QDialogButtonBox::StandardButton b) {
            return buttons.button(b)->text().remove(QLatin1Char('&'));
        };
        QCOMPARE(text(QDialogButtonBox::Ok), QStringLiteral("Aceptar"));
        QCOMPARE(text(QDialogButtonBox::Cancel), QStringLiteral("Cancelar"));
        QCOMPARE(text(QDialogButtonBox::Save), QStringLiteral("Guardar"));
        QCOMPARE(text(QDialogButtonBox::Open), QStringLiteral("Abrir"));
    }

    void outputWindowsFit()
    {
        TfrmCalendar calendar(m_fakes.clock);
        expectFit(&calendar);
        TfrmHelp help(m_fakes.shellStart, [](const QString&) {});
        help.findChild<QLabel*>(QStringLiteral("lblBienvenido"))->show(); // the first start
        expectFit(&help);
        TAboutBox about([](const QString&) {});
        about.showCustom(QStringLiteral("https://www.velmaro.example/una/direccion/larga"),
                         QStringLiteral("nombre.apellido@velmaro.example"), QString());
        expectFit(&about);

        SettingsStore store(m_dir.filePath(QStringLiteral("tw.cfg")));
        std::unique_ptr<TfrmPrint> list(prepareListing(
            store, 0, m_dir.filePath("lista.txt"), m_fakes.messages, m_fakes.shellStart, nullptr));
        QVERIFY(list);
        expectFit(list.get());
    }

    void settingsAndEditorFit()
    {
        SettingsStore store(m_dir.filePath(QStringLiteral("tw.cfg")));
        StartupSettings memory;
        memory.web = QStringLiteral("http://www.velmaro.example");
        memory.email = QStringLiteral("velmaro@velmaro.example");
        IdleHost host;
        CommandImages images;
        TfrmAllConfig settings({store, memory, host, images, m_fakes.shellStart, m_fakes.messages});
        expectFit(&settings);
        // The disabled address boxes show their start.
        QCOMPARE(settings.findChild<QLineEdit*>(QStringLiteral("edtWeb"))->cursorPosition(), 0);

        StoragePaths paths;
        paths.settingsFile = m_dir.filePath(QStringLiteral("tw.cfg"));
        paths.documentsFolder = m_dir.path();
        Session session(paths, m_fakes.clock);
        session.store().open(paths.settingsFile);
        TfrmConfig editor(m_fakes.services, session);
        // The postpone row shows when a note with an alarm is edited.
        editor.findChild<QWidget*>(QStringLiteral("pnlRepetir"))->show();
        // "Adelantar Alarma :" running into "1 hora" is mended with the editor's
        // rebuild; every other text of the editor must fit already.
        expectFit(&editor, {QStringLiteral("Label4 \""), QStringLiteral("runs into Label4")});
    }

    void cleanupTestCase()
    {
        QVERIFY2(m_problems.isEmpty(), qPrintable(m_problems.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(WindowFitTest)
#include "windowfit_test.moc"
