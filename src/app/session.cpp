#include "app/session.h"

namespace velmaro {

Session::Session(const StoragePaths& paths, const platform::Clock& clock)
    : m_paths(paths), m_clock(clock), m_notes(m_store, clock)
{
}

void Session::open()
{
    runFileSetup(m_paths, m_clock.now().date());
    m_firstRun = false;
    m_store.open(m_paths.settingsFile);
}

void Session::readStartupSettings()
{
    try {
        velmaro::readStartupSettings(m_store, m_settings);
    } catch (...) {
        m_firstRun = m_settings.firstRun;
        throw;
    }
    m_firstRun = m_settings.firstRun;
}

void Session::close()
{
    m_store.close();
}

} // namespace velmaro
