// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "session/session.h"

#include "session/backups.h"

#include <utility>

namespace velmaro {

Session::Session(const StoragePaths& paths, const platform::Clock& clock)
    : m_paths(paths), m_clock(clock), m_notes(m_store, clock)
{
    // Closed until open() succeeds; a write refused meanwhile names the settings file.
    m_store.setPath(m_paths.settingsFile);
}

Session::~Session()
{
    settlePendingBackup();
}

void Session::openAhead()
{
    try {
        open();
    } catch (...) {
        m_aheadFailure = std::current_exception();
    }
    m_openedAhead = true;
}

void Session::open()
{
    if (std::exchange(m_openedAhead, false)) {
        if (m_aheadFailure)
            std::rethrow_exception(std::exchange(m_aheadFailure, nullptr));
        return;
    }
    m_firstRun = false;
    try {
        runFileSetup(m_paths, m_clock.now().date(), m_store);
    } catch (const SetupError&) {
        m_store.setPath(m_paths.settingsFile);
        throw;
    } catch (const StoreError&) {
        if (!m_store.isReadable())
            m_store.setPath(m_paths.settingsFile);
        throw;
    }
}

void Session::readStartupSettings()
{
    // The note count is read before anything can stop the read, and is kept however
    // far it got: with 0 the next new note would be written over stored note 1.
    try {
        velmaro::readStartupSettings(m_store, m_settings);
    } catch (...) {
        m_firstRun = m_settings.firstRun;
        m_notes.setCount(m_settings.noteCount);
        throw;
    }
    m_firstRun = m_settings.firstRun;
    m_notes.setCount(m_settings.noteCount);
}

void Session::close()
{
    m_store.close();
}

} // namespace velmaro
