// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "app/addnote.h"

#include "notes/codec.h"
#include "notes/datetime.h"
#include "notes/noteform.h"
#include "notes/storednote.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>
#include <variant>

namespace velmaro {

namespace {

std::optional<Priority> priorityOf(const QString& given)
{
    const QString p = given.trimmed().toLower();
    if (p.isEmpty() || p == u"media")
        return Priority::Medium;
    if (p == u"alta")
        return Priority::High;
    if (p == u"baja")
        return Priority::Low;
    return std::nullopt;
}

// "dd/mm/aaaa hh:mm", seconds allowed.
std::optional<QDateTime> alarmOf(const QString& given)
{
    const QStringList parts = given.simplified().split(QLatin1Char(' '));
    if (parts.size() != 2)
        return std::nullopt;
    const auto date = parseDate(parts[0]);
    const auto time = parseTime(parts[1]);
    if (!date || !time)
        return std::nullopt;
    return QDateTime(*date, *time);
}

QString quoted(const QString& s)
{
    return QLatin1Char('"') + s + QLatin1Char('"');
}

struct Prepared {
    NoteFields fields;
    NearWarning warning;
};

// The editor's new note, opened on the file's count and filled from the request.
std::variant<Prepared, QString> prepare(NoteForm& form, NoteCollection& notes,
                                        const SettingsStore& store, const NoteRequest& request)
{
    if (QString error = checkNoteRequest(request); !error.isEmpty())
        return error;
    // Recovered when it cannot be read; the caller tells the user (countNotice()).
    notes.setCount(readNoteCount(store).count);
    form.openNew();
    Prepared p{form.fields(), form.warning()};
    p.fields.text = request.text;
    p.fields.priority = *priorityOf(request.priority);
    if (!request.alarm.isEmpty())
        p.fields.alarm = alarmOf(request.alarm);
    if (request.sound)
        p.fields.sound = *request.sound;
    if (request.force)
        p.warning.on = false;
    return p;
}

QString refusalText(const NoteResult& result)
{
    if (result.status == NoteResult::Status::NearAlarm) {
        // The editor's sentence, with the way out this caller has.
        const QString& m = result.message;
        return m.left(m.indexOf(QLatin1Char('\r'))) +
               QStringLiteral("\nCambie la hora o use --force para añadirla igualmente.");
    }
    if (result.status == NoteResult::Status::Nothing)
        return QStringLiteral("el texto de la nota está vacío.");
    // Every refusal says something: an empty reason would read as success.
    if (result.message.isEmpty())
        return QStringLiteral("la nota no se pudo añadir.");
    return result.message;
}

} // namespace

std::optional<QDateTime> requestedAlarm(const QString& given)
{
    return alarmOf(given);
}

QString countNotice(const SettingsStore& store)
{
    const NoteCount count = readNoteCount(store);
    if (!count.unreadable)
        return {};
    return QCoreApplication::translate("velmaro::AddNote",
                                       "el número de notas guardado (TotalData=\"%1\") no es un "
                                       "número: se cuentan las notas guardadas (%n).",
                                       nullptr, count.count)
        .arg(*count.unreadable);
}

QString checkNoteRequest(const NoteRequest& request)
{
    // Blanks alone make a line that looks empty.
    if (request.text.trimmed().isEmpty())
        return QStringLiteral("el texto de la nota está vacío.");
    // A byte no text file holds (a caller on the socket can send a NUL) would make
    // tw.cfg a binary file for every other tool that reads it.
    const auto isControl = [](QChar c) {
        return c.unicode() < 0x20 && c != u'\t' && c != u'\r' && c != u'\n';
    };
    if (std::any_of(request.text.begin(), request.text.end(), isControl))
        return QStringLiteral("el texto de la nota lleva caracteres de control.");
    if (NoteForm::textLength(request.text) > NoteForm::kMaxTextLength)
        return QStringLiteral("el texto de la nota pasa de %1 caracteres.")
            .arg(NoteForm::kMaxTextLength);
    if (!priorityOf(request.priority))
        return QStringLiteral("prioridad desconocida %1: use alta, media o baja.")
            .arg(quoted(request.priority));
    if (!request.alarm.isEmpty() && !alarmOf(request.alarm))
        return QStringLiteral("fecha de alarma no válida %1: use \"dd/mm/aaaa hh:mm\".")
            .arg(quoted(request.alarm));
    if (request.sound && !request.sound->isEmpty() && !QFileInfo(*request.sound).isFile())
        return QStringLiteral("no existe el archivo de sonido %1.").arg(quoted(*request.sound));
    return {};
}

QString addRefusal(SettingsStore& store, const platform::Clock& clock, const NoteRequest& request)
{
    NoteCollection notes(store, clock);
    NoteForm form(store, notes, clock);
    const auto prepared = prepare(form, notes, store, request);
    if (const QString* error = std::get_if<QString>(&prepared))
        return *error;
    const Prepared& p = std::get<Prepared>(prepared);
    const NoteResult result = form.check(p.fields, p.warning);
    return result.status == NoteResult::Status::Written ? QString() : refusalText(result);
}

AddResult addNote(SettingsStore& store, NoteCollection& notes, const platform::Clock& clock,
                  const NoteRequest& request)
{
    NoteForm form(store, notes, clock);
    const auto prepared = prepare(form, notes, store, request);
    if (const QString* error = std::get_if<QString>(&prepared))
        return {0, *error};
    const Prepared& p = std::get<Prepared>(prepared);
    const NoteResult result = form.save(p.fields, p.warning, NoteForm::Defaults::Leave);
    if (!result.written())
        return {0, refusalText(result)};
    return {result.number, {}};
}

} // namespace velmaro
