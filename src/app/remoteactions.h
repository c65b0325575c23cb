// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// The calls the running program takes from outside (the command line, the session
// bus, the local socket), and how one call becomes one of its actions.

#include "app/addnote.h"
#include "platform/instancechannel.h"
#include "session/backuprestore.h"

namespace velmaro {

class RemoteActions {
public:
    virtual ~RemoteActions() = default;
    // These return at once; what they open or close happens after the caller has
    // had its answer.
    virtual void newNote() = 0;
    virtual void toggle() = 0;
    virtual void show() = 0;
    virtual void hide() = 0;
    virtual void quit() = 0;
    // Adds the note and shows it in the strip.
    virtual AddResult addNote(const NoteRequest& request) = 0;
    // The stored notes as a listing for scripts gives them (app/notelisting.h).
    virtual QVariantList listNotes() = 0;
    // Whether the strip is in sight.
    virtual bool isShown() = 0;
    // Restores a backup (its date or number) and shows its notes in the strip.
    virtual RestoreOutcome restoreBackup(const QString& which) = 0;
};

// Checks the call's name and arguments (whatever a caller sends) and runs it.
// AddNote takes text, priority, alarm and sound (strings) and optionally force (bool),
// and answers the new note's number; ListNotes answers the listing, Visible whether
// the strip is in sight; RestoreBackup a backup's date or number (a string) and
// answers what it did.
platform::InstanceReply dispatchCall(const platform::InstanceCall& call, RemoteActions& actions);

// The call that asks for `line`'s action; the name is empty for actions that are
// not passed to a running program.
platform::InstanceCall callFor(const CommandLine& line);

} // namespace velmaro
