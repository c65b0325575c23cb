// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
// Entry points of the sound module: the sound player and the bell over Qt
// Multimedia and libsndfile, made for the program when it first needs a sound.

#include "alarms/soundplayer.h"

extern "C" {

Q_DECL_EXPORT velmaro::platform::SoundPlayer* velmaro_make_sound_player()
{
    return new velmaro::SoundPlayer;
}

Q_DECL_EXPORT velmaro::platform::Bell* velmaro_make_bell()
{
    return new velmaro::Bell;
}
}
