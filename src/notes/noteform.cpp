// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "notes/noteform.h"

#include "notes/datetime.h"
#include "notes/keys.h"
#include "notes/storednote.h"

#include <QCoreApplication>

#include <algorithm>

namespace velmaro {

namespace {

QString savedAsNewMessage()
{
    return QCoreApplication::translate(
        "NoteForm",
        "La nota cambió fuera de Velmaro mientras estaba abierta: se guardó como una nota nueva.");
}

QString notTouchedMessage()
{
    return QCoreApplication::translate("NoteForm",
                                       "La nota cambió fuera de Velmaro mientras estaba abierta y "
                                       "no se tocó. Aceptar la guarda como una nota nueva.");
}

// A stored alarm as the pickers hold it: to the nearest whole second.
QDateTime wholeSeconds(QDateTime t)
{
    const int ms = t.time().msec();
    return t.addMSecs(ms >= 500 ? 1000 - ms : -ms);
}

NoteResult result(NoteResult::Status status, QString message = QString())
{
    NoteResult r;
    r.status = status;
    r.message = std::move(message);
    return r;
}

} // namespace

QString noteLimitMessage()
{
    return QCoreApplication::translate("NoteForm", "Ha alcanzado el número maximo de Notas");
}

QString priorityWord(Priority priority)
{
    switch (priority) {
    case Priority::High:
        return QStringLiteral("red");
    case Priority::Low:
        return QStringLiteral("green");
    case Priority::Medium:
        break;
    }
    return QStringLiteral("black");
}

Priority priorityOfMark(int markColor)
{
    if (markColor == 0x000000FF)
        return Priority::High;
    if (markColor == 0x0000FFFF)
        return Priority::Low;
    return Priority::Medium;
}

NearWarning NearWarning::fromStored(qint64 adv)
{
    return {adv > 0, int(std::clamp<qint64>(adv < 0 ? -adv : adv, 1, 120))};
}

QString NearWarning::stored() const
{
    const QString number = QString::number(std::clamp(minutes, 1, 120));
    return on ? number : QLatin1Char('-') + number;
}

NoteForm::NoteForm(SettingsStore& store, NoteCollection& notes, const platform::Clock& clock)
    : m_store(store), m_notes(notes), m_clock(clock)
{
}

void NoteForm::openNew()
{
    m_editMode = false;
    m_number = m_notes.count() + 1;
    m_held.takeNew(m_store);
    m_fields = NoteFields();
    m_fields.sound = readText(m_store, keys::kSoundFile);
    m_warning = NearWarning::fromStored(readNumber(m_store, keys::kAdv));
    m_lastModified = QStringLiteral("-");
}

void NoteForm::openNote(int n, const QString& shownText, int markColor)
{
    m_editMode = true;
    m_number = n;
    m_held.take(m_store, n, shownText);
    m_fields = NoteFields();
    m_fields.text = shownText;
    m_fields.priority = priorityOfMark(markColor);
    const StoredNote stored = readStoredNote(m_store, n);
    const std::optional<DayCount> moment = parseDateTime(stored.alarm.value_or(QString()));
    if (moment && !isAlarmOff(*moment, toDayCount(m_clock.now())))
        m_fields.alarm = wholeSeconds(fromDayCount(*moment));
    m_fields.sound = stored.sound.value_or(QString());
    m_warning = NearWarning::fromStored(readNumber(m_store, keys::kAdv));
    m_lastModified = stored.date.value_or(QStringLiteral("-"));
}

QDateTime NoteForm::pickerStart() const
{
    if (m_fields.alarm)
        return *m_fields.alarm;
    // Cut, as a clock reads, never rounded up to the second to come.
    const QDateTime now = m_clock.now();
    return now.addMSecs(-now.time().msec());
}

NoteResult NoteForm::check(const NoteFields& fields, const NearWarning& warning) const
{
    return refusal(fields, warning, !m_editMode);
}

NoteResult NoteForm::refusal(const NoteFields& fields, const NearWarning& warning, bool asNew) const
{
    if (warning.on && fields.alarm) {
        // A new note is compared with every note the file holds.
        const std::optional<NearAlarm> near =
            findNearAlarm(m_store, m_notes.count(), toDayCount(*fields.alarm),
                          std::clamp(warning.minutes, 1, 120), asNew ? 0 : m_number);
        if (near) {
            NoteResult r =
                result(NoteResult::Status::NearAlarm, nearAlarmMessage(near->number, near->alarm));
            r.near = near;
            return r;
        }
    }
    if (fields.text.isEmpty())
        return result(NoteResult::Status::Nothing);
    if (textLength(fields.text) > kMaxTextLength)
        return result(NoteResult::Status::TooLong);
    if (asNew && m_notes.isFull())
        return result(NoteResult::Status::Full, noteLimitMessage());
    return result(NoteResult::Status::Written);
}

NoteResult NoteForm::save(const NoteFields& fields, const NearWarning& warning, Defaults defaults)
{
    try {
        NoteCollection::Change change(m_notes);
        // Changed or removed by another hand meanwhile: the text becomes a new note
        // rather than overwriting whatever now stands under its number.
        const bool moved = m_held.catchUp(m_store, m_notes);
        change.keepCount();
        if (defaults == Defaults::Remember) {
            writeText(m_store, keys::kSoundFile, fields.sound);
            writeText(m_store, keys::kAdv, warning.stored());
        }
        const bool asNew = !m_editMode || moved;
        NoteResult r = refusal(fields, warning, asNew);
        if (r.status == NoteResult::Status::Written) {
            const QString text = normalisedText(fields.text);
            const QString alarm = fields.alarm ? alarmText(*fields.alarm) : QString();
            if (asNew) {
                m_notes.add(text, priorityWord(fields.priority), alarm, fields.sound);
                r.number = m_notes.count();
                if (m_editMode) {
                    r.status = NoteResult::Status::WrittenAsNew;
                    r.message = savedAsNewMessage();
                }
            } else {
                m_notes.modify(m_number, text, priorityWord(fields.priority), alarm, fields.sound);
                r.number = m_number;
            }
        }
        change.commit();
        return r;
    } catch (const StoreError& e) {
        return result(NoteResult::Status::Failed, e.message());
    }
}

NoteResult NoteForm::remove()
{
    return removeOrArchive(nullptr, QString());
}

NoteResult NoteForm::archive(const QString& text, const QString& documentsFolder)
{
    return removeOrArchive(&text, documentsFolder);
}

NoteResult NoteForm::removeOrArchive(const QString* archivedText, const QString& documentsFolder)
{
    if (!m_editMode)
        return result(NoteResult::Status::Nothing);
    try {
        NoteCollection::Change change(m_notes);
        const bool moved = m_held.catchUp(m_store, m_notes);
        change.keepCount();
        if (moved)
            return result(NoteResult::Status::Moved, notTouchedMessage());
        if (m_number < 1 || m_number > m_notes.count())
            return result(NoteResult::Status::Nothing);
        // The archive line first: when it cannot be written the note stays.
        if (archivedText)
            m_notes.archive(m_number, *archivedText, documentsFolder);
        m_notes.remove(m_number);
        change.commit();
    } catch (const ArchiveError& e) {
        return result(NoteResult::Status::Failed, e.message());
    } catch (const StoreError& e) {
        return result(NoteResult::Status::Failed, e.message());
    }
    NoteResult r = result(NoteResult::Status::Written);
    r.number = m_number;
    return r;
}

QString NoteForm::normalisedText(const QString& text)
{
    QString out = text;
    out.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    out.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    out.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return out;
}

int NoteForm::textLength(const QString& text)
{
    const QString stored = normalisedText(text);
    return int(stored.size() - stored.count(QStringLiteral("\r\n")));
}

QString NoteForm::alarmText(const QDateTime& alarm)
{
    return formatDate(alarm.date()) + QLatin1Char(' ') + formatTime(alarm.time());
}

} // namespace velmaro
