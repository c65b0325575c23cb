#include "app/addnote.h"

#include "alarms/nearalarm.h"
#include "notes/codec.h"
#include "notes/datetime.h"
#include "notes/notekeys.h"

#include <QFileInfo>

#include <cstdlib>

namespace velmaro {

namespace {

constexpr int kMaxTextLength = 30000;

QString priorityWord(const QString& given)
{
    const QString p = given.trimmed().toLower();
    if (p.isEmpty() || p == u"media")
        return QStringLiteral("black");
    if (p == u"alta")
        return QStringLiteral("red");
    if (p == u"baja")
        return QStringLiteral("green");
    return {};
}

// "dd/mm/aaaa hh:mm" (seconds allowed) as the editor stores it; empty when not that form.
QString alarmText(const QString& given)
{
    const QStringList parts = given.simplified().split(QLatin1Char(' '));
    if (parts.size() != 2)
        return {};
    const auto date = parseDate(parts[0]);
    const auto time = parseTime(parts[1]);
    if (!date || !time)
        return {};
    return formatDate(*date) + QLatin1Char(' ') + formatTime(*time);
}

// Line breaks as the editor stores them: CR LF.
QString editorText(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return text;
}

QString quoted(const QString& s)
{
    return QLatin1Char('"') + s + QLatin1Char('"');
}

} // namespace

QString checkNoteRequest(const NoteRequest& request)
{
    if (request.text.isEmpty())
        return QStringLiteral("el texto de la nota está vacío.");
    if (request.text.size() > kMaxTextLength)
        return QStringLiteral("el texto de la nota pasa de %1 caracteres.").arg(kMaxTextLength);
    if (priorityWord(request.priority).isEmpty())
        return QStringLiteral("prioridad desconocida %1: use alta, media o baja.")
            .arg(quoted(request.priority));
    if (!request.alarm.isEmpty() && alarmText(request.alarm).isEmpty())
        return QStringLiteral("fecha de alarma no válida %1: use \"dd/mm/aaaa hh:mm\".")
            .arg(quoted(request.alarm));
    if (request.sound && !request.sound->isEmpty() && !QFileInfo(*request.sound).isFile())
        return QStringLiteral("no existe el archivo de sonido %1.").arg(quoted(*request.sound));
    return {};
}

namespace {

std::optional<int> storedCount(const SettingsStore& store)
{
    const auto count =
        parseInteger(store.readString(keys::kGeneral, keys::kTotalData, QStringLiteral("0")));
    return count ? std::optional<int>(std::max(0, *count)) : std::nullopt;
}

} // namespace

QString addRefusal(const SettingsStore& store, const NoteRequest& request)
{
    if (QString error = checkNoteRequest(request); !error.isEmpty())
        return error;
    const std::optional<int> count = storedCount(store);
    if (!count) {
        return QStringLiteral("'%1' is not a valid integer value")
            .arg(store.readString(keys::kGeneral, keys::kTotalData, QString()));
    }
    if (*count >= kMaxNotes)
        return QStringLiteral("Ha alcanzado el número maximo de Notas");
    const int adv = store.readInteger(keys::kCustom, u"Adv", -30);
    if (request.alarm.isEmpty() || adv <= 0 || request.force)
        return {};
    const int minutes = std::clamp(std::abs(adv), 1, 120);
    const auto near =
        findNearAlarm(store, *count, *parseDateTime(alarmText(request.alarm)), minutes, *count + 1);
    if (!near)
        return {};
    const QString message = nearAlarmMessage(near->number, near->alarm);
    return message.left(message.indexOf(QLatin1Char('\r'))) +
           QStringLiteral("\nCambie la hora o use --force para añadirla igualmente.");
}

AddResult addNote(SettingsStore& store, NoteCollection& notes, const NoteRequest& request)
{
    if (QString error = addRefusal(store, request); !error.isEmpty())
        return {0, error};
    notes.setCount(*storedCount(store));
    const QString alarm = request.alarm.isEmpty() ? QString() : alarmText(request.alarm);
    const QString sound =
        request.sound ? *request.sound : store.readString(keys::kCustom, u"SoundFile", QString());
    try {
        notes.add(editorText(request.text), priorityWord(request.priority), alarm, sound);
    } catch (const StoreError& e) {
        return {0, e.message()};
    }
    return {notes.count(), {}};
}

} // namespace velmaro
