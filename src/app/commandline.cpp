// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "app/commandline.h"

#include <QCoreApplication>

#include <array>

namespace velmaro {

namespace {

struct ActionOption {
    const char* name;
    Action action;
};

constexpr std::array kActions{
    ActionOption{"--new-note", Action::NewNote}, ActionOption{"--toggle", Action::Toggle},
    ActionOption{"--show", Action::Show},        ActionOption{"--hide", Action::Hide},
    ActionOption{"--quit", Action::Quit},        ActionOption{"--add", Action::Add},
    ActionOption{"--list", Action::List},        ActionOption{"--backups", Action::Backups},
    ActionOption{"--restore", Action::Restore},  ActionOption{"--version", Action::Version},
    ActionOption{"--help", Action::Help},        ActionOption{"-h", Action::Help},
};

const QStringList kNoteOptions{QStringLiteral("--priority"), QStringLiteral("--alarm"),
                               QStringLiteral("--sound"), QStringLiteral("--force")};

QString quoted(const QString& s)
{
    return QLatin1Char('"') + s + QLatin1Char('"');
}

std::optional<Action> actionOf(const QString& name)
{
    for (const ActionOption& option : kActions) {
        if (name == QLatin1String(option.name))
            return option.action;
    }
    return std::nullopt;
}

bool takesValue(const QString& name)
{
    return name == QLatin1String("--add") || name == QLatin1String("--restore") ||
           (kNoteOptions.contains(name) && name != u"--force");
}

} // namespace

std::variant<CommandLine, QString> parseCommandLine(const QStringList& arguments)
{
    CommandLine line;
    QString actionName;
    QStringList noteOptions;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        QString name = arguments[i];
        std::optional<QString> value;
        if (name.startsWith(u"--") && name.contains(QLatin1Char('='))) {
            value = name.mid(name.indexOf(QLatin1Char('=')) + 1);
            name.truncate(name.indexOf(QLatin1Char('=')));
        }
        if (name == u"--json" && !value) {
            if (line.json)
                return QCoreApplication::translate("CommandLine", "%1 aparece dos veces.")
                    .arg(quoted(name));
            line.json = true;
            continue;
        }
        const std::optional<Action> action = actionOf(name);
        if (!action && !kNoteOptions.contains(name)) {
            if (!name.startsWith(QLatin1Char('-')))
                return QCoreApplication::translate("CommandLine", "argumento inesperado %1.")
                    .arg(quoted(name));
            return QCoreApplication::translate("CommandLine", "opción desconocida %1.")
                .arg(quoted(name));
        }
        if (takesValue(name) && !value) {
            if (i + 1 >= arguments.size())
                return QCoreApplication::translate("CommandLine", "falta el valor de %1.")
                    .arg(quoted(name));
            value = arguments[++i];
        } else if (!takesValue(name) && value) {
            return QCoreApplication::translate("CommandLine", "%1 no lleva valor.")
                .arg(quoted(name));
        }
        if (action) {
            if (!actionName.isEmpty())
                return QCoreApplication::translate("CommandLine",
                                                   "indique una sola acción (%1 y %2).")
                    .arg(quoted(actionName), quoted(name));
            actionName = name;
            line.action = *action;
            if (*action == Action::Add)
                line.note.text = *value;
            else if (*action == Action::Restore)
                line.backup = *value;
            continue;
        }
        if (noteOptions.contains(name))
            return QCoreApplication::translate("CommandLine", "%1 aparece dos veces.")
                .arg(quoted(name));
        noteOptions << name;
        if (name == u"--priority")
            line.note.priority = *value;
        else if (name == u"--alarm")
            line.note.alarm = *value;
        else if (name == u"--sound")
            line.note.sound = *value;
        else
            line.note.force = true;
    }
    if (line.json && line.action != Action::List)
        return QCoreApplication::translate("CommandLine", "\"--json\" solo sirve con \"--list\".");
    if (!noteOptions.isEmpty() && line.action != Action::Add)
        return QCoreApplication::translate("CommandLine", "%1 solo sirve con \"--add\".")
            .arg(quoted(noteOptions.first()));
    return line;
}

QString helpText()
{
    return QCoreApplication::translate(
        "CommandLine",
        "Uso: velmaro [ACCIÓN]\n"
        "Tira de notas breves con prioridades y alarmas.\n"
        "\n"
        "Sin acción, inicia Velmaro (o avisa de que ya está en ejecución).\n"
        "\n"
        "Acciones:\n"
        "  --new-note             abre \"Nueva Nota\" (inicia Velmaro si hace falta)\n"
        "  --toggle               oculta o muestra la tira (inicia Velmaro si hace falta)\n"
        "  --show                 muestra la tira (inicia Velmaro si hace falta)\n"
        "  --hide                 oculta la tira\n"
        "  --quit                 cierra Velmaro, como \"Salir\" en su menú\n"
        "  --add TEXTO            añade una nota con las reglas del editor de notas\n"
        "      --priority alta|media|baja   prioridad (por omisión, media)\n"
        "      --alarm \"dd/mm/aaaa hh:mm\"   alarma de la nota\n"
        "      --sound ARCHIVO              sonido de la alarma (por omisión, el\n"
        "                                   último elegido en el editor)\n"
        "      --force                      añade la nota aunque haya otra alarma\n"
        "                                   cercana\n"
        "  --list                 escribe las notas en la salida estándar\n"
        "      --json                       como JSON, para programas: número,\n"
        "                                   prioridad, alarma (ISO 8601), estado de\n"
        "                                   la alarma, sonido y texto de cada nota\n"
        "  --backups              lista las copias de seguridad de tw.cfg: número,\n"
        "                         fecha, cuántas notas y sus primeras palabras\n"
        "  --restore FECHA|N      restaura la copia de esa fecha o número de la lista;\n"
        "                         el tw.cfg actual se guarda antes como otra copia\n"
        "  --version              muestra la versión\n"
        "  --help                 muestra esta ayuda\n"
        "\n"
        "Con Velmaro en ejecución, las acciones le llegan por el bus de sesión\n"
        "(example.velmaro.Velmaro) o, sin bus, por un socket privado. Sin Velmaro en\n"
        "ejecución, --add escribe la nota en tw.cfg.\n"
        "\n"
        "Estado de salida: 0 si la acción se hizo; 1 si no se pudo; 2 si la línea de\n"
        "órdenes no es válida.\n");
}

} // namespace velmaro
