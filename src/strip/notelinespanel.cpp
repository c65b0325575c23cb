// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "strip/notelinespanel.h"

#include "notes/datetime.h"
#include "notes/notecollection.h"
#include "notes/notereading.h"
#include "session/startupsettings.h"
#include "strip/stripaccessible.h"
#include "strip/striplayout.h"
#include "strip/stripwidgets.h"
#include "widgets/wincolor.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QRawFont>

#include <algorithm>
#include <memory>

namespace velmaro {

namespace {

constexpr char32_t kDiamond = 0x2666;

// The priority marks' font in `family`.
QFont markFont(const QString& family)
{
    QFont font(family);
    font.setPointSize(9);
    font.setBold(true);
    return font;
}

// Stored note texts carry CR LF; a label wants LF alone.
QString displayText(const QString& text)
{
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

// A note line with its text, font and colours; `height` gets its height at lineWidth.
NoteLine* makeNoteLine(QWidget* parent, int n, const QString& noteText, const QFont& font,
                       const QPalette& colours, int lineWidth, int& height)
{
    auto* line = new NoteLine(n, parent);
    line->setTextFormat(Qt::PlainText);
    line->setWordWrap(true);
    line->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    line->setFont(font);
    QPalette pal = line->palette();
    pal.setColor(QPalette::WindowText, colours.color(QPalette::WindowText));
    pal.setColor(QPalette::Window, colours.color(QPalette::Window));
    line->setPalette(pal);
    line->setAutoFillBackground(false);
    line->setCursor(Qt::PointingHandCursor);
    const QString text = displayText(noteText);
    line->setText(text);
    // An empty text still takes one line, as a blank would.
    if (text.isEmpty())
        line->setText(QStringLiteral(" "));
    height = line->heightForWidth(lineWidth);
    if (text.isEmpty())
        line->setText(QString());
    return line;
}

// The priority diamond of note n, in its priority's colour when it has one.
// The medium mark takes the notes' own text colour: the desktop's, light on a dark
// desktop, would vanish on the strip's background.
QLabel* makePriorityMark(QWidget* parent, int n, const QString& priority, const QFont& font,
                         const QPalette& base, const QColor& textColour,
                         std::shared_ptr<WrappedText> diamond)
{
    auto* mark = new PriorityMark(std::move(diamond), parent);
    mark->setText(QString(QChar(char16_t(kDiamond))));
    mark->setObjectName(QStringLiteral("priorityMark%1").arg(n));
    mark->setTextFormat(Qt::PlainText);
    mark->setFont(font);
    QPalette markPal = mark->palette();
    const auto color = priorityMarkColor(priority);
    markPal.setColor(QPalette::WindowText,
                     color ? toQColor(*color, base, QPalette::WindowText) : textColour);
    mark->setPalette(markPal);
    return mark;
}

} // namespace

NoteLinesPanel::NoteLinesPanel(QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("pnlSentences"));
    setFrameStyle(QFrame::NoFrame);
    setAutoFillBackground(true);
    setGeometry(0, layout::kNotesTop, parent->width(), parent->height() - layout::kNotesTop);
    // One stop for Tab, as a list is; the arrows then move between the notes. A click
    // opens a note instead of taking the focus.
    setFocusPolicy(Qt::TabFocus);
    installStripAccessibility();
    setAccessibleName(tr("Notas"));

    ImgBkGrnd = new QLabel(this);
    ImgBkGrnd->setObjectName(QStringLiteral("ImgBkGrnd"));
    ImgBkGrnd->setScaledContents(true);
    ImgBkGrnd->setGeometry(0, 0, 1, 1);
    ImgBkGrnd->hide();
}

void NoteLinesPanel::setBackgroundAligned(bool aligned)
{
    m_backgroundAligned = aligned;
    if (aligned)
        ImgBkGrnd->setGeometry(rect());
}

void NoteLinesPanel::setSize(int width, int height)
{
    resize(width, height);
    if (m_backgroundAligned)
        ImgBkGrnd->setGeometry(0, 0, width, height);
}

void NoteLinesPanel::resizeEvent(QResizeEvent* event)
{
    QFrame::resizeEvent(event);
    if (m_backgroundAligned)
        ImgBkGrnd->setGeometry(rect());
}

QString NoteLinesPanel::diamondFontFamily()
{
    static const QString family = [] {
        const QStringList installed = QFontDatabase::families();
        // untranslated: font family names
        QStringList candidates{QStringLiteral("Symbol"), QStringLiteral("DejaVu Sans"),
                               QStringLiteral("Noto Sans Symbols2"), QStringLiteral("FreeSerif"),
                               QStringLiteral("Liberation Sans")};
        candidates += installed;
        for (const QString& candidate : candidates) {
            // Only installed faces are tried: a name the font configuration merely
            // substitutes ("Symbol" on most desktops here) would load another face,
            // seldom one with the diamond.
            if (!installed.contains(candidate, Qt::CaseInsensitive))
                continue;
            // Tried in the marks' own size and weight: the face loaded here is the one
            // the marks are measured and drawn with, not a second one.
            const QRawFont raw = QRawFont::fromFont(markFont(candidate));
            if (raw.isValid() && raw.supportsCharacter(kDiamond))
                return raw.familyName();
        }
        return QString();
    }();
    return family;
}

QLabel* NoteLinesPanel::noteLine(int n) const
{
    if (n < 1 || n > int(m_lines.size()))
        return nullptr;
    return m_lines[n - 1];
}

QLabel* NoteLinesPanel::priorityMark(int n) const
{
    if (n < 1 || n > int(m_marks.size()))
        return nullptr;
    return m_marks[n - 1];
}

void NoteLinesPanel::freeNoteLines()
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
    m_readings.clear();
}

std::optional<NoteLinesPanel::LastLine>
NoteLinesPanel::rebuild(const NoteCollection& notes, const StartupSettings& settings, int lineWidth)
{
    if (!m_lines.empty())
        freeNoteLines();

    const int count = std::min<int>(notes.count(), int(notes.notes().size()));
    // Colours that name system colours are looked up in the strip's own palette.
    const QPalette base = parentWidget() ? parentWidget()->palette() : palette();
    // An empty face (stored when the chosen one is not installed) means the desktop's
    // usual font; a font with an empty family would take the first one installed.
    QFont lineFont;
    if (!settings.fontName.isEmpty())
        lineFont.setFamily(settings.fontName);
    lineFont.setPointSize(settings.fontSize > 0 ? settings.fontSize : 8);
    QPalette colours;
    colours.setColor(QPalette::WindowText,
                     toQColor(settings.fontColor, base, QPalette::WindowText));
    colours.setColor(QPalette::Window, toQColor(settings.backColor, base, QPalette::Window));

    const QFont marksFont = markFont(diamondFontFamily());
    const QString diamondText{QChar(char16_t(kDiamond))};
    auto diamond = std::make_shared<WrappedText>();

    std::vector<int> heights(count);
    m_lines.reserve(count);
    m_marks.reserve(count);
    for (int n = 1; n <= count; ++n) {
        const Note& note = notes.note(n);
        NoteLine* line =
            makeNoteLine(this, n, note.text, lineFont, colours, lineWidth, heights[n - 1]);
        connect(line, &NoteLine::noteClicked, this, &NoteLinesPanel::noteClicked,
                Qt::QueuedConnection);
        m_lines.push_back(line);
        m_marks.push_back(makePriorityMark(this, n, note.priority, marksFont, base,
                                           colours.color(QPalette::WindowText), diamond));
        const bool hasAlarm =
            note.alarm > 0 && !isAlarmOff(note.alarm, notes.sentinel() - kAlarmOffDays);
        m_readings.push_back({n, note.priority, note.text,
                              hasAlarm ? std::optional(fromDayCount(note.alarm)) : std::nullopt});
        line->setAccessibleName(readNoteAloud(m_readings.back()));
        m_marks.back()->setAccessibleName(tr("Prioridad %1").arg(priorityWord(note.priority)));
    }

    const std::vector<int> tops = layout::noteLineTops(heights);
    // Every mark shows the same character in the same font: measured and laid out once.
    const QSize markSize = count > 0 ? m_marks[0]->sizeHint() : QSize();
    if (count > 0)
        diamond->layOut(diamondText, m_marks[0]->font(), WrappedText::kUnwrapped);
    for (int i = 0; i < count; ++i) {
        m_lines[i]->setGeometry(layout::kLineLeft, tops[i], lineWidth, heights[i]);
        m_marks[i]->setGeometry(QRect(QPoint(layout::kMarkLeft, tops[i]), markSize));
        m_lines[i]->show();
        m_marks[i]->show();
    }
    if (hasFocus())
        markCurrent();
    if (count < 1)
        return std::nullopt;
    return LastLine{tops.back(), heights.back()};
}

void NoteLinesPanel::colourLine(int n, const StartupSettings& settings, bool opaque)
{
    QLabel* line = noteLine(n);
    if (!line)
        return;
    const QPalette base = parentWidget() ? parentWidget()->palette() : palette();
    QPalette pal = line->palette();
    pal.setColor(QPalette::WindowText, toQColor(settings.alarmColor, base, QPalette::WindowText));
    pal.setColor(QPalette::Window, toQColor(settings.alarmBackColor, base, QPalette::Window));
    line->setPalette(pal);
    line->setAutoFillBackground(opaque);
    // Said as come due; a screen reader hears of the new name.
    NoteReading& reading = m_readings[n - 1];
    reading.due = true;
    line->setAccessibleName(readNoteAloud(reading));
}

void NoteLinesPanel::scrollTo(int position, int barHeight)
{
    std::optional<int> content;
    if (!m_lines.empty()) {
        const QLabel* last = m_lines.back();
        content = layout::noteContentHeight(last->y(), last->height());
    }
    if (const auto top = layout::scrolledPanelTop(position, content, barHeight))
        move(0, *top);
}

bool NoteLinesPanel::focusNote(int n)
{
    if (m_lines.empty())
        return false;
    m_current = std::clamp(n, 1, lineCount());
    if (hasFocus())
        markCurrent();
    else
        setFocus(Qt::OtherFocusReason);
    return true;
}

int NoteLinesPanel::focusedNote() const
{
    return hasFocus() && !m_lines.empty() ? m_current : 0;
}

void NoteLinesPanel::markCurrent()
{
    m_current = m_lines.empty() ? 0 : std::clamp(m_current, 1, lineCount());
    for (int i = 0; i < lineCount(); ++i)
        m_lines[i]->setFocusMarked(hasFocus() && i + 1 == m_current);
    if (m_current > 0) {
        if (hasFocus())
            noteLineFocused(m_lines[m_current - 1]);
        const QLabel* line = m_lines[m_current - 1];
        const QLabel* last = m_lines.back();
        emit noteFocused(line->y(), line->height(),
                         layout::noteContentHeight(last->y(), last->height()));
    }
}

void NoteLinesPanel::focusInEvent(QFocusEvent* event)
{
    QFrame::focusInEvent(event);
    markCurrent();
}

void NoteLinesPanel::focusOutEvent(QFocusEvent* event)
{
    QFrame::focusOutEvent(event);
    markCurrent();
}

void NoteLinesPanel::keyPressEvent(QKeyEvent* event)
{
    if (m_current > 0 && noteLineKey(m_current, *event))
        event->accept();
    else
        QFrame::keyPressEvent(event);
}

bool NoteLinesPanel::noteLineKey(int n, const QKeyEvent& key)
{
    const bool shift = key.modifiers() & Qt::ShiftModifier;
    if (key.modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier))
        return false;
    switch (key.key()) {
    case Qt::Key_Up:
        return focusNote(n - 1);
    case Qt::Key_Down:
        return focusNote(n + 1);
    case Qt::Key_Home:
        return focusNote(1);
    case Qt::Key_End:
        return focusNote(lineCount());
    case Qt::Key_PageUp:
        return focusNote(pageFrom(n, -1));
    case Qt::Key_PageDown:
        return focusNote(pageFrom(n, 1));
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit noteClicked(n);
        return true;
    case Qt::Key_F10:
        if (!shift)
            return false;
        [[fallthrough]];
    case Qt::Key_Menu: {
        QLabel* line = noteLine(n);
        const QPoint at = line->rect().center();
        QContextMenuEvent menu(QContextMenuEvent::Keyboard, at, line->mapToGlobal(at));
        QCoreApplication::sendEvent(window(), &menu);
        return true;
    }
    default:
        return false;
    }
}

int NoteLinesPanel::pageFrom(int n, int direction) const
{
    const int shown = parentWidget() ? parentWidget()->height() - layout::kNotesTop : height();
    const int from = m_lines[n - 1]->y();
    int target = n;
    for (int k = n + direction; k >= 1 && k <= lineCount(); k += direction) {
        if (std::abs(m_lines[k - 1]->y() - from) > shown)
            break;
        target = k;
    }
    // At least one line on, as the arrows move.
    return target == n ? n + direction : target;
}

} // namespace velmaro
