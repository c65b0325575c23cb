// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "notes/nearalarm.h"

#include "notes/codec.h"
#include "notes/storednote.h"

#include <cmath>

namespace velmaro {

namespace {

constexpr double kMsPerDay = 86400000.0;

// Day counts carry binary fractions; compared in whole milliseconds two alarms that
// are exactly w minutes apart come out as exactly w minutes apart.
qint64 toMilliseconds(DayCount days)
{
    return qint64(std::llround(days * kMsPerDay));
}

} // namespace

std::optional<NearAlarm> findNearAlarm(const SettingsStore& store, int noteCount,
                                       DayCount candidate, int windowMinutes, int selfNumber)
{
    const qint64 windowMs = qint64(windowMinutes) * 60000;
    const qint64 candidateMs = toMilliseconds(candidate);
    for (int m = 1; m <= noteCount; ++m) {
        if (m == selfNumber)
            continue;
        const StoredNote note = readStoredNote(store, m);
        const std::optional<DayCount> other = parseDateTime(note.alarm.value_or(QString()));
        if (!other || !std::isfinite(*other))
            continue;
        const qint64 distance = std::llabs(toMilliseconds(*other) - candidateMs);
        if (distance <= windowMs)
            return NearAlarm{m, *other, note.text()};
    }
    return std::nullopt;
}

QString nearAlarmMessage(int number, DayCount other)
{
    return QStringLiteral("Existe una alarma anterior (en la nota número ") +
           QString::number(number) + QStringLiteral(") configurada en ") + formatDateTime(other) +
           QStringLiteral(".\r\nCambie la hora seleccionada o elija la opción \"No Advertir\".");
}

PickerValues postpone(const PickerValues& values, bool oneHour)
{
    if (!oneHour)
        return {values.date.addDays(1), values.time};
    // Both pickers move by the hour; the stored alarm takes the date from the date
    // picker, so when the time picker's hour wraps past midnight the date picker has
    // crossed it too.
    return {values.date.addSecs(3600), values.time.addSecs(3600)};
}

} // namespace velmaro
