// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "app/notelisting.h"

#include "notes/codec.h"
#include "notes/datetime.h"
#include "notes/notecollection.h"
#include "notes/notereading.h"
#include "notes/storednote.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace velmaro {

namespace {

QString priorityName(const QString& word)
{
    if (word == u"red")
        return QStringLiteral("alta");
    if (word == u"green")
        return QStringLiteral("baja");
    return QStringLiteral("media");
}

QString lineBreaksAsLf(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

// One note as a listing for scripts gives it; a null alarm or sound when there is none.
QVariantMap listedNote(const SettingsStore& store, int n, const QDateTime& now)
{
    const StoredNote note = readStoredNote(store, n);
    std::optional<DayCount> alarm = parseDateTime(note.alarm.value_or(QString()));
    if (alarm && isAlarmOff(*alarm, toDayCount(now)))
        alarm.reset();
    const QDateTime at = alarm ? fromDayCount(*alarm) : QDateTime();
    const QString sound = note.sound.value_or(QString());
    return {
        {QStringLiteral("number"), n},
        {QStringLiteral("priority"), priorityName(note.color.value_or(kAbsent))},
        {QStringLiteral("alarm"), alarm ? QVariant(at.toString(Qt::ISODate)) : QVariant()},
        {QStringLiteral("alarmState"), !alarm      ? QStringLiteral("none")
                                       : at <= now ? QStringLiteral("due")
                                                   : QStringLiteral("pending")},
        {QStringLiteral("sound"), sound.isEmpty() ? QVariant() : QVariant(sound)},
        {QStringLiteral("text"), lineBreaksAsLf(note.text())},
    };
}

} // namespace

int listedNoteCount(const SettingsStore& store)
{
    return std::min(readNoteCount(store).count, kMaxNotes + 1);
}

QByteArray noteListingJson(const SettingsStore& store, int count, const QDateTime& now)
{
    QJsonArray notes;
    for (int n = 1; n <= count; ++n)
        notes.append(QJsonObject::fromVariantMap(listedNote(store, n, now)));
    return QJsonDocument(notes).toJson(QJsonDocument::Indented);
}

QVariantList noteListingValues(const SettingsStore& store, int count, const QDateTime& now)
{
    QVariantList notes;
    for (int n = 1; n <= count; ++n) {
        QVariantMap note = listedNote(store, n, now);
        for (QVariant& value : note) {
            if (value.isNull())
                value = QString();
        }
        notes.append(note);
    }
    return notes;
}

QString noteListing(const SettingsStore& store, int count)
{
    QString out;
    for (int n = 1; n <= count; ++n) {
        const StoredNote note = readStoredNote(store, n);
        const QString alarm = note.alarm.value_or(QString());
        if (n > 1)
            out += QLatin1Char('\n');
        // For eyes: in the reader's language (scripts read --json).
        out += QCoreApplication::translate("NoteListing", "Nota %1").arg(n) + QLatin1Char('\n');
        out += QCoreApplication::translate("NoteListing", "Prioridad: %1")
                   .arg(priorityWord(note.color.value_or(kAbsent))) +
               QLatin1Char('\n');
        out += QCoreApplication::translate("NoteListing", "Alarma: %1")
                   .arg(alarm.isEmpty() ? QCoreApplication::translate("NoteListing", "ninguna")
                                        : alarm) +
               QLatin1Char('\n');
        out += lineBreaksAsLf(note.text()) + QLatin1Char('\n');
    }
    return out;
}

} // namespace velmaro
