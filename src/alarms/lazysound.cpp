#include "alarms/lazysound.h"

#include <QApplication>
#include <QDir>
#include <QLibrary>

namespace velmaro {

SoundModule& SoundModule::instance()
{
    static SoundModule module;
    return module;
}

bool SoundModule::load()
{
    if (m_tried)
        return m_player != nullptr;
    m_tried = true;
    const QString bin = QCoreApplication::applicationDirPath();
    const QStringList folders{bin, bin + QStringLiteral("/" VELMARO_MODULE_DIR_FROM_BIN),
                              QStringLiteral(VELMARO_MODULE_DIR)};
    for (const QString& folder : folders) {
        // Never unloaded: the player and the bell it made live to the end.
        QLibrary library(QDir(folder).filePath(QStringLiteral("libvelmaro_sound.so")));
        if (!library.load()) {
            m_error = library.errorString();
            continue;
        }
        m_player = reinterpret_cast<platform::SoundPlayer* (*)()>(
            library.resolve("velmaro_make_sound_player"));
        m_bell = reinterpret_cast<platform::Bell* (*)()>(library.resolve("velmaro_make_bell"));
        if (m_player && m_bell)
            return true;
        m_error = library.errorString();
        m_player = nullptr;
        m_bell = nullptr;
    }
    return false;
}

std::unique_ptr<platform::SoundPlayer> SoundModule::makePlayer()
{
    return load() ? std::unique_ptr<platform::SoundPlayer>(m_player()) : nullptr;
}

std::unique_ptr<platform::Bell> SoundModule::makeBell()
{
    return load() ? std::unique_ptr<platform::Bell>(m_bell()) : nullptr;
}

void LazySoundPlayer::setFileName(const QString& path)
{
    m_fileName = path;
}

void LazySoundPlayer::open()
{
    if (!m_player)
        m_player = SoundModule::instance().makePlayer();
    if (!m_player)
        throw platform::SoundError(SoundModule::instance().errorString().toStdString());
    m_player->setFileName(m_fileName);
    m_player->open();
}

void LazySoundPlayer::play()
{
    if (!m_player)
        throw platform::SoundError("no sound open");
    m_player->play();
}

void LazyBell::ring()
{
    if (!m_bell)
        m_bell = SoundModule::instance().makeBell();
    if (m_bell)
        m_bell->ring();
    else
        QApplication::beep();
}

} // namespace velmaro
