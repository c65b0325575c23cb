// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// One pass of the date-time fuzz target, shared with the unit test that replays its
// corpus. The input is taken as text for the parsers and, when it is long enough, its
// first eight bytes as a day count for the writer. Returns a description of the first
// broken property, or nothing when all hold.

#include "notes/codec.h"
#include "notes/datetime.h"

#include <QByteArray>
#include <QString>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

namespace velmaro::fuzz {

inline std::optional<std::string> checkDateTimeInput(const uint8_t* data, size_t size)
{
    const QString text =
        QString::fromUtf8(QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)));

    // What the parser accepts is a real moment, written in a form that reads back the
    // same and is written the same again; the strict reader agrees with the lenient one.
    const std::optional<DayCount> moment = parseDateTime(text);
    if (moment) {
        if (!std::isfinite(*moment))
            return "an accepted date-time is not finite";
        const QString written = formatDateTime(*moment);
        const std::optional<DayCount> again = parseDateTime(written);
        if (again != moment)
            return "date-time does not read back as written";
        if (formatDateTime(*again) != written)
            return "date-time is not written the same twice";
    }
    try {
        const DayCount strict = strToDateTime(text);
        if (!moment || strict != *moment)
            return "the strict reader accepts what the lenient one refuses";
    } catch (const ConversionError&) {
        if (moment)
            return "the strict reader refuses what the lenient one accepts";
    }
    if (const std::optional<QDate> d = parseDate(text)) {
        if (!d->isValid() || parseDate(formatDate(*d)) != d)
            return "date does not round-trip";
    }
    if (const std::optional<QTime> t = parseTime(text)) {
        if (!t->isValid() || parseTime(formatTime(*t)) != t)
            return "time does not round-trip";
    }

    // Any day count is written without fault; one within the calendar's years comes
    // back as the same moment, to the second. (Below zero the fraction counts forward
    // from the day's midnight, so -0.25 and 0.25 are both 06:00 on 30 December 1899.)
    if (size >= sizeof(double)) {
        double days = 0;
        std::memcpy(&days, data, sizeof days);
        const QString written = formatDateTime(days);
        const QDateTime local = fromDayCount(days);
        if (std::isfinite(days) && std::fabs(days) < 2.9e6 && !written.isEmpty() &&
            local.isValid()) {
            const std::optional<DayCount> back = parseDateTime(written);
            if (!back)
                return "a written day count does not read back";
            const QDateTime again = fromDayCount(*back);
            if (!again.isValid() || std::llabs(local.msecsTo(again)) > 1000)
                return "a written day count does not read back to its second";
            if (days >= 0 && std::fabs(toDayCount(local) - days) > 1e-6)
                return "day count and local time disagree";
        }
    }
    return std::nullopt;
}

} // namespace velmaro::fuzz
