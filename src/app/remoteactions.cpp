// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "app/remoteactions.h"

#include <QCoreApplication>

namespace velmaro {

namespace {

bool isString(const QVariant& v)
{
    return v.typeId() == QMetaType::QString;
}

std::optional<NoteRequest> noteRequestOf(const QVariantList& args)
{
    if (args.size() != 4 && args.size() != 5)
        return std::nullopt;
    for (int i = 0; i < 4; ++i) {
        if (!isString(args[i]))
            return std::nullopt;
    }
    if (args.size() == 5 && args[4].typeId() != QMetaType::Bool)
        return std::nullopt;
    NoteRequest r;
    r.text = args[0].toString();
    r.priority = args[1].toString();
    r.alarm = args[2].toString();
    // An empty sound asks for the editor's proposed one, as the command line without --sound.
    if (!args[3].toString().isEmpty())
        r.sound = args[3].toString();
    r.force = args.size() == 5 && args[4].toBool();
    return r;
}

} // namespace

platform::InstanceReply dispatchCall(const platform::InstanceCall& call, RemoteActions& actions)
{
    const QString& m = call.method;
    if (m == u"AddNote") {
        const std::optional<NoteRequest> request = noteRequestOf(call.args);
        if (!request)
            return {false,
                    QCoreApplication::translate("RemoteActions",
                                                "AddNote espera texto, prioridad, alarma, sonido "
                                                "y, si se quiere, forzar."),
                    {}};
        const AddResult added = actions.addNote(*request);
        if (!added.ok())
            return {false, added.error, {}};
        return {true, {}, added.number};
    }
    if (m == u"RestoreBackup") {
        if (call.args.size() != 1 || !isString(call.args[0]))
            return {false,
                    QCoreApplication::translate("RemoteActions",
                                                "RestoreBackup espera la fecha o el número de "
                                                "una copia."),
                    {}};
        const RestoreOutcome restored = actions.restoreBackup(call.args[0].toString());
        if (!restored.ok())
            return {false, restored.error, {}};
        return {true, {}, restoredMessage(restored)};
    }
    if (!call.args.isEmpty())
        return {false,
                QCoreApplication::translate("RemoteActions", "%1 no lleva argumentos.").arg(m),
                {}};
    if (m == u"ListNotes")
        return {true, {}, actions.listNotes()};
    if (m == u"Visible")
        return {true, {}, actions.isShown()};
    if (m == u"NewNote")
        actions.newNote();
    else if (m == u"Toggle")
        actions.toggle();
    else if (m == u"Show")
        actions.show();
    else if (m == u"Hide")
        actions.hide();
    else if (m == u"Quit")
        actions.quit();
    else
        return {false, QCoreApplication::translate("RemoteActions", "Llamada desconocida."), {}};
    return {true, {}, {}};
}

platform::InstanceCall callFor(const CommandLine& line)
{
    switch (line.action) {
    case Action::NewNote:
        return {QStringLiteral("NewNote"), {}};
    case Action::Toggle:
        return {QStringLiteral("Toggle"), {}};
    case Action::Show:
        return {QStringLiteral("Show"), {}};
    case Action::Hide:
        return {QStringLiteral("Hide"), {}};
    case Action::Quit:
        return {QStringLiteral("Quit"), {}};
    case Action::Add: {
        const NoteRequest& n = line.note;
        return {QStringLiteral("AddNote"),
                {n.text, n.priority, n.alarm, n.sound.value_or(QString()), n.force}};
    }
    case Action::Restore:
        return {QStringLiteral("RestoreBackup"), {line.backup}};
    default:
        return {};
    }
}

} // namespace velmaro
