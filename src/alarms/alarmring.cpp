// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "alarms/alarmring.h"

#include "alarms/alarmcheck.h"
#include "alarms/alarmsound.h"
#include "notes/noteform.h"

#include <QCoreApplication>
#include <QStringList>

namespace velmaro {

namespace {

constexpr int kFirstWords = 6;

// The note's first line, cut after its first few words.
QString firstWords(const QString& text)
{
    const QString line = text.section(QLatin1Char('\n'), 0, 0).trimmed();
    const QStringList words = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.size() <= kFirstWords)
        return line;
    return words.mid(0, kFirstWords).join(QLatin1Char(' ')) + QStringLiteral("…");
}

} // namespace

void ringDueAlarms(NoteCollection& notes, const QDateTime& now, AlarmStrip& strip,
                   const AlarmOutputs& outputs)
{
    // The alarm moments as stored, before the pass below takes them.
    std::vector<DayCount> moments;
    for (const Note& note : notes.notes())
        moments.push_back(note.alarm);
    for (int n : takeDueAlarms(notes, now)) {
        strip.colourAlarmLine(n, true);
        playSoundOrRing(outputs.sound, outputs.bell, notes.note(n).sound);
        // Seen as well as heard, also when the strip is covered or on another desktop.
        // The moment as the notes list shows it.
        const QString time = NoteForm::alarmText(fromDayCount(moments.at(std::size_t(n - 1))));
        // Answered from the notification where the desktop offers actions.
        outputs.notifier.notifyAlarm(
            notes.note(n).text + u'\n' +
                QCoreApplication::translate("AlarmRing", "Alarma: %1").arg(time),
            n,
            {QCoreApplication::translate("AlarmRing", "Abrir"),
             QCoreApplication::translate("AlarmRing", "Posponer 1 hora"),
             QCoreApplication::translate("AlarmRing", "Quitar alarma")});
        if (!strip.isStripShown())
            strip.showStrip();
    }
}

std::vector<int> markPastAlarms(NoteCollection& notes, const QDateTime& now, AlarmStrip& strip,
                                bool opaque)
{
    const std::vector<int> due = takeDueAlarms(notes, now);
    for (int n : due)
        strip.colourAlarmLine(n, opaque);
    return due;
}

void announceMissedAlarms(const NoteCollection& notes, const std::vector<int>& due,
                          platform::Notifier& notifier)
{
    if (due.empty())
        return;
    QStringList lines{QCoreApplication::translate(
        "AlarmRing", "Alarmas vencidas mientras Velmaro estaba cerrado: %n", nullptr,
        int(due.size()))};
    for (int n : due)
        lines << QStringLiteral("• ") + firstWords(notes.note(n).text);
    notifier.notify(lines.join(u'\n'), platform::Notifier::Urgency::Normal);
}

} // namespace velmaro
