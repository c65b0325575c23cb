// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "strip/notelinemaker.h"

#include "notes/datetime.h"
#include "notes/notecollection.h"
#include "session/startupsettings.h"
#include "strip/stripwidgets.h"
#include "widgets/wincolor.h"

#include <QFontDatabase>
#include <QRawFont>

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

} // namespace

QString diamondFontFamily()
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

NoteLineMaker::NoteLineMaker(const StartupSettings& settings, const QPalette& base, int lineWidth)
    : m_base(base), m_text(toQColor(settings.fontColor, base, QPalette::WindowText)),
      m_back(toQColor(settings.backColor, base, QPalette::Window)),
      m_marksFont(markFont(diamondFontFamily())), m_lineWidth(lineWidth),
      m_diamond(std::make_shared<WrappedText>())
{
    // An empty face (stored when the chosen one is not installed) means the desktop's
    // usual font; a font with an empty family would take the first one installed.
    if (!settings.fontName.isEmpty())
        m_lineFont.setFamily(settings.fontName);
    m_lineFont.setPointSize(settings.fontSize > 0 ? settings.fontSize : 8);
}

NoteLineMaker::Made NoteLineMaker::make(QWidget* parent, int n, const Note& note, DayCount builtAt)
{
    int height = 0;
    NoteLine* line = makeLine(parent, n, note.text, height);
    QLabel* mark = makeMark(parent, n, note.priority);
    const bool hasAlarm = note.alarm > 0 && !isAlarmOff(note.alarm, builtAt);
    NoteReading reading{n, note.priority, note.text,
                        hasAlarm ? std::optional(fromDayCount(note.alarm)) : std::nullopt};
    line->setAccessibleName(readNoteAloud(reading));
    return {line, mark, height, std::move(reading)};
}

NoteLine* NoteLineMaker::makeLine(QWidget* parent, int n, const QString& noteText, int& height)
{
    auto* line = new NoteLine(n, parent);
    line->setTextFormat(Qt::PlainText);
    line->setWordWrap(true);
    line->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    line->setFont(m_lineFont);
    if (!m_linePalette) {
        m_linePalette = line->palette();
        m_linePalette->setColor(QPalette::WindowText, m_text);
        m_linePalette->setColor(QPalette::Window, m_back);
    }
    line->setPalette(*m_linePalette);
    line->setAutoFillBackground(false);
    line->setCursor(Qt::PointingHandCursor);
    const QString text = displayText(noteText);
    // An empty text still takes one line, as a blank would.
    line->setText(text.isEmpty() ? QStringLiteral(" ") : text);
    height = line->heightForWidth(m_lineWidth);
    if (text.isEmpty())
        line->setText(QString());
    return line;
}

QLabel* NoteLineMaker::makeMark(QWidget* parent, int n, const QString& priority)
{
    auto* mark = new PriorityMark(m_diamond, parent);
    const QString diamondText{QChar(char16_t(kDiamond))};
    mark->setText(diamondText);
    mark->setObjectName(QStringLiteral("priorityMark%1").arg(n));
    mark->setTextFormat(Qt::PlainText);
    mark->setFont(m_marksFont);
    const std::optional<int> colour = priorityMarkColor(priority);
    auto palette = m_markPalettes.find(colour.value_or(-1));
    if (palette == m_markPalettes.end()) {
        // The medium mark takes the notes' own text colour: the desktop's, light on a
        // dark desktop, would vanish on the strip's background.
        QPalette markPalette = mark->palette();
        markPalette.setColor(QPalette::WindowText,
                             colour ? toQColor(*colour, m_base, QPalette::WindowText) : m_text);
        palette = m_markPalettes.emplace(colour.value_or(-1), markPalette).first;
    }
    mark->setPalette(palette->second);
    // Every mark shows the same character in the same font: measured and laid out once.
    if (!m_markSize.isValid()) {
        m_markSize = mark->sizeHint();
        m_diamond->layOut(diamondText, mark->font(), WrappedText::kUnwrapped);
    }
    return mark;
}

} // namespace velmaro
