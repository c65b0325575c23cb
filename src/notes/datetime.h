// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// Date-time values are day counts since 30 December 1899 with the time of day as the
// fraction. Texts use one fixed Spanish locale on every machine, for writing and
// parsing alike: dd/MM/yyyy and HH:mm:ss (24 h), decimal comma.

#include <QDateTime>
#include <QString>
#include <QStringView>

#include <optional>

namespace velmaro {

using DayCount = double;

DayCount toDayCount(const QDateTime& localTime);
QDateTime fromDayCount(DayCount days);

// "dd/MM/yyyy HH:mm:ss"; a moment at exactly midnight gives the date alone.
QString formatDateTime(DayCount days);
QString formatDateTime(const QDateTime& localTime);
QString formatDate(const QDate& date); // "dd/MM/yyyy"
QString formatTime(const QTime& time); // "HH:mm:ss"

// Lenient, as a hand-edited file may hold it: a date alone, one-digit day, month or
// hour, two- or four-digit years, a time without seconds, surrounding blanks.
std::optional<DayCount> parseDateTime(QStringView text);
std::optional<QDate> parseDate(QStringView text);
std::optional<QTime> parseTime(QStringView text);
// Strict: throws ConversionError "'<text>' is not a valid date and time".
DayCount strToDateTime(QStringView text);

// No alarm pending is the moment this many days after now. A delete moves a note whose
// alarm key is missing with that moment's text, so such a text in the file, however old,
// stands for no alarm too: any moment more than half of it ahead is one.
inline constexpr int kAlarmOffDays = 100000;
bool isAlarmOff(DayCount moment, DayCount now);

// Floating-point numbers in the fixed locale: "2,1".
QString formatFloat(double value);
std::optional<double> parseFloat(QStringView text);

} // namespace velmaro
