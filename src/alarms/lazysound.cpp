// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "alarms/lazysound.h"

#include <QApplication>

namespace velmaro {

namespace {

using MakePlayer = platform::SoundPlayer* (*)();
using MakeBell = platform::Bell* (*)();
constexpr const char* kMakePlayer = "velmaro_make_sound_player";
constexpr const char* kMakeBell = "velmaro_make_bell";

} // namespace

SoundModule::SoundModule()
    : m_module(QStringLiteral("libvelmaro_sound.so"), {kMakePlayer, kMakeBell})
{
}

SoundModule& SoundModule::instance()
{
    static SoundModule module;
    return module;
}

std::unique_ptr<platform::SoundPlayer> SoundModule::makePlayer()
{
    if (!m_module.load())
        return nullptr;
    return std::unique_ptr<platform::SoundPlayer>(m_module.entry<MakePlayer>(kMakePlayer)());
}

std::unique_ptr<platform::Bell> SoundModule::makeBell()
{
    if (!m_module.load())
        return nullptr;
    return std::unique_ptr<platform::Bell>(m_module.entry<MakeBell>(kMakeBell)());
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
        // untranslated: a reason for the log, never shown
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
