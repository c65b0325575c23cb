// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// How a sound name becomes a played sound, shared by the alarm check and the note
// editor's sound test.
//
// The editor's browse button keeps a chosen name that holds a blank in double quotes,
// as a command line would. A name is stored as a reader of the settings file sees it,
// without that pair of quotes; a name that still carries them (a hand edit, or a file
// written by an earlier version) is unquoted when it is played.

#include "platform/sound.h"

#include <QString>

namespace velmaro {

// The name with a blank in double quotes, as the browse button shows it.
QString quoteSoundFileName(const QString& path);

// The text to store for the sound field: without one pair of enclosing double quotes.
QString storedSoundName(const QString& fieldText);

// The file to play for a sound name: the text itself when a file of that name exists;
// otherwise the first item of the text read as a command line, without its quotes.
QString soundFileFromText(const QString& text);

// Opens and starts the named sound; false when it cannot be played (no name, a missing
// file, a file the player cannot open).
bool playSound(platform::SoundPlayer& player, const QString& text);

// A due alarm: its sound, or the bell when the sound cannot be played.
void playSoundOrRing(platform::SoundPlayer& player, platform::Bell& bell, const QString& text);

} // namespace velmaro
