// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// What one run of the program keeps: where its files are, the settings store open on
// the settings file, the note collection over it, the in-memory settings and the
// first-run flag. main creates it; the start-up sequence opens it and the exit closes
// it. The strip and the dialogs reach the store and the notes through it.

#include "notes/notecollection.h"
#include "notes/settingsstore.h"
#include "platform/clock.h"
#include "session/startupsettings.h"
#include "session/storage.h"

#include <exception>

namespace velmaro {

class Session {
public:
    Session(const StoragePaths& paths, const platform::Clock& clock);
    // The day's backup, when its write is still going, is finished first.
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    const StoragePaths& paths() const { return m_paths; }
    SettingsStore& store() { return m_store; }
    const SettingsStore& store() const { return m_store; }
    NoteCollection& notes() { return m_notes; }
    const NoteCollection& notes() const { return m_notes; }
    StartupSettings& settings() { return m_settings; }
    const StartupSettings& settings() const { return m_settings; }

    // Set by the start-up read when the settings file holds no stored top.
    bool isFirstRun() const { return m_firstRun; }
    void clearFirstRun() { m_firstRun = false; }

    // The file setup of today, then the store opened on the settings file. A folder
    // that cannot be made throws SetupError and leaves the store closed. A version
    // stamp that cannot be written throws StoreError: when the file can be read the
    // store is open all the same (the notes show, every write is refused until the
    // file can be written again); when it cannot, the store stays closed, so that
    // nothing is ever written on a count never read.
    void open();
    // open() done ahead of its turn, while the start-up waits for something else: the
    // next open() then gives that outcome, the same error included, and reads nothing.
    void openAhead();
    // The start-up settings read into settings(). The first-run flag and the note count
    // are taken over however far the read got; its ConversionError and StoreError pass
    // through.
    void readStartupSettings();
    // Closes the store; later writes are skipped by their callers.
    void close();

private:
    StoragePaths m_paths;
    const platform::Clock& m_clock;
    SettingsStore m_store;
    NoteCollection m_notes;
    StartupSettings m_settings;
    bool m_firstRun = false;
    bool m_openedAhead = false;
    std::exception_ptr m_aheadFailure;
};

} // namespace velmaro
