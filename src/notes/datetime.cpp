// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "notes/datetime.h"

#include "notes/codec.h"

#include <QLocale>

#include <cmath>

namespace velmaro {

namespace {

constexpr qint64 kMsPerDay = 86400000;
// Day counts of 1 January 0001 and 31 December 9999: the range of dates the texts can
// carry with a four-digit year.
constexpr double kFirstDay = -693593;
constexpr double kLastDay = 2958465;

qint64 epochJulianDay()
{
    static const qint64 jd = QDate(1899, 12, 30).toJulianDay();
    return jd;
}

// The day and the milliseconds since its start, or false outside the supported range.
// Before the epoch the fraction still counts forward from midnight: -1.25 is
// 29/12/1899 06:00.
bool decompose(DayCount days, QDate& date, qint64& msOfDay)
{
    if (!std::isfinite(days) || days < kFirstDay - 1 || days > kLastDay + 1)
        return false;
    double whole = std::trunc(days);
    qint64 ms = std::llround(std::fabs(days - whole) * double(kMsPerDay));
    if (ms >= kMsPerDay) {
        ms -= kMsPerDay;
        whole += days < 0 ? -1 : 1;
    }
    date = QDate::fromJulianDay(epochJulianDay() + qint64(whole));
    msOfDay = ms;
    return date.isValid() && date.year() >= 1 && date.year() <= 9999;
}

DayCount compose(const QDate& date, qint64 msOfDay)
{
    const double whole = double(date.toJulianDay() - epochJulianDay());
    const double frac = double(msOfDay) / double(kMsPerDay);
    return whole < 0 ? whole - frac : whole + frac;
}

QString twoDigits(int v)
{
    return QStringLiteral("%1").arg(v, 2, 10, QChar(u'0'));
}

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

QStringView trimBlanks(QStringView s)
{
    return trimmedBy(s, isBlank);
}

// Splits `s` at `sep` into fields of 1..maxDigits ASCII digits each. Returns false when
// any field is empty, too long or not made of digits.
bool digitFields(QStringView s, QChar sep, int maxDigits, QList<int>& out, QList<int>& widths)
{
    out.clear();
    widths.clear();
    qsizetype start = 0;
    for (qsizetype i = 0; i <= s.size(); ++i) {
        if (i < s.size() && s[i] != sep)
            continue;
        const QStringView field = s.mid(start, i - start);
        if (field.isEmpty() || field.size() > maxDigits)
            return false;
        int v = 0;
        for (QChar c : field) {
            if (c < u'0' || c > u'9')
                return false;
            v = v * 10 + (c.unicode() - u'0');
        }
        out.append(v);
        widths.append(int(field.size()));
        start = i + 1;
    }
    return true;
}

} // namespace

DayCount toDayCount(const QDateTime& localTime)
{
    if (!localTime.isValid())
        return 0;
    return compose(localTime.date(), localTime.time().msecsSinceStartOfDay());
}

QDateTime fromDayCount(DayCount days)
{
    QDate date;
    qint64 ms = 0;
    if (!decompose(days, date, ms))
        return {};
    return QDateTime(date, QTime::fromMSecsSinceStartOfDay(int(ms)));
}

QString formatDate(const QDate& date)
{
    if (!date.isValid())
        return {};
    return twoDigits(date.day()) + u'/' + twoDigits(date.month()) + u'/' +
           QStringLiteral("%1").arg(date.year(), 4, 10, QChar(u'0'));
}

QString formatTime(const QTime& time)
{
    if (!time.isValid())
        return {};
    return twoDigits(time.hour()) + u':' + twoDigits(time.minute()) + u':' +
           twoDigits(time.second());
}

QString formatDateTime(DayCount days)
{
    QDate date;
    qint64 ms = 0;
    if (!decompose(days, date, ms))
        return {};
    // The text shows whole seconds (milliseconds dropped); a moment that shows as
    // 00:00:00 is written as the date alone.
    if (ms < 1000)
        return formatDate(date);
    return formatDate(date) + u' ' + formatTime(QTime::fromMSecsSinceStartOfDay(int(ms)));
}

QString formatDateTime(const QDateTime& localTime)
{
    if (!localTime.isValid())
        return {};
    return formatDateTime(toDayCount(localTime));
}

std::optional<QDate> parseDate(QStringView text)
{
    QList<int> f, w;
    if (!digitFields(trimBlanks(text), u'/', 4, f, w) || f.size() != 3)
        return std::nullopt;
    if (w[0] > 2 || w[1] > 2)
        return std::nullopt;
    int year = f[2];
    if (w[2] <= 2)
        year += year < 50 ? 2000 : 1900;
    if (year < 1)
        return std::nullopt;
    const QDate d(year, f[1], f[0]);
    if (!d.isValid())
        return std::nullopt;
    return d;
}

std::optional<QTime> parseTime(QStringView text)
{
    QList<int> f, w;
    if (!digitFields(trimBlanks(text), u':', 2, f, w) || f.size() < 2 || f.size() > 3)
        return std::nullopt;
    const int h = f[0], m = f[1], s = f.size() == 3 ? f[2] : 0;
    if (h > 23 || m > 59 || s > 59)
        return std::nullopt;
    return QTime(h, m, s);
}

std::optional<DayCount> parseDateTime(QStringView text)
{
    const QStringView s = trimBlanks(text);
    qsizetype gap = 0;
    while (gap < s.size() && !isBlank(s[gap]))
        ++gap;
    const QStringView first = s.left(gap);
    const QStringView rest = trimBlanks(s.mid(gap));

    if (first.contains(u'/')) {
        const auto date = parseDate(first);
        if (!date)
            return std::nullopt;
        if (rest.isEmpty())
            return compose(*date, 0);
        const auto time = parseTime(rest);
        if (!time)
            return std::nullopt;
        return compose(*date, time->msecsSinceStartOfDay());
    }
    // A time alone is that time on day 0.
    if (!rest.isEmpty())
        return std::nullopt;
    const auto time = parseTime(first);
    if (!time)
        return std::nullopt;
    return double(time->msecsSinceStartOfDay()) / double(kMsPerDay);
}

DayCount strToDateTime(QStringView text)
{
    if (const auto v = parseDateTime(text))
        return *v;
    throw ConversionError(notADateTimeMessage(text));
}

QString formatFloat(double value)
{
    QString s = QString::number(value, 'f', QLocale::FloatingPointShortest);
    s.replace(u'.', u',');
    return s;
}

std::optional<double> parseFloat(QStringView text)
{
    const QStringView s = trimBlanks(text);
    // Sign, digits, at most one decimal separator (comma, or a point from a hand
    // edit), optional exponent. Nothing else: no group separators, no inf or nan.
    QString plain;
    plain.reserve(s.size());
    bool digits = false, separator = false, exponent = false;
    for (qsizetype i = 0; i < s.size(); ++i) {
        const QChar c = s[i];
        if (c >= u'0' && c <= u'9') {
            digits = true;
            plain.append(c);
        } else if ((c == u',' || c == u'.') && !separator && !exponent) {
            separator = true;
            plain.append(u'.');
        } else if ((c == u'+' || c == u'-') && (i == 0 || s[i - 1] == u'e' || s[i - 1] == u'E')) {
            plain.append(c);
        } else if ((c == u'e' || c == u'E') && digits && !exponent) {
            exponent = true;
            plain.append(u'e');
        } else {
            return std::nullopt;
        }
    }
    if (!digits)
        return std::nullopt;
    bool ok = false;
    const double v = QLocale::c().toDouble(plain, &ok);
    if (!ok || !std::isfinite(v))
        return std::nullopt;
    return v;
}

bool isAlarmOff(DayCount moment, DayCount now)
{
    return moment > now + kAlarmOffDays / 2;
}

} // namespace velmaro
