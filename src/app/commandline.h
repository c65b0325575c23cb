// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// The command line: one action, and for --add the note's fields. A plain start has no
// argument; every option is an action, none is a setting.
//
//   velmaro [--new-note | --toggle | --show | --hide | --quit | --list | --backups |
//            --version | --help]
//   velmaro --restore DATE|N
//   velmaro --add TEXT [--priority alta|media|baja] [--alarm "dd/mm/aaaa hh:mm"]
//                      [--sound FILE] [--force]
//
// Values follow their option as the next argument or after "=" (--priority=alta).
// The parse checks only the form of the line; the note's own rules are checked by
// whoever adds it (app/addnote.h).

#include <QString>
#include <QStringList>

#include <optional>
#include <variant>

namespace velmaro {

enum class Action {
    Start,
    NewNote,
    Toggle,
    Show,
    Hide,
    Quit,
    Add,
    List,
    Backups,
    Restore,
    Version,
    Help
};

struct NoteRequest {
    QString text;
    QString priority;             // as given; empty: medium
    QString alarm;                // as given; empty: no alarm
    std::optional<QString> sound; // as given; nullopt: the editor's proposed sound
    bool force = false;           // add even with another alarm near
};

struct CommandLine {
    Action action = Action::Start;
    NoteRequest note;
    bool json = false; // --list --json
    QString backup;    // --restore: a backup's date or number, as given
};

// `arguments` without the program's name. The error is a Spanish sentence.
std::variant<CommandLine, QString> parseCommandLine(const QStringList& arguments);

// The --help text.
QString helpText();

} // namespace velmaro
