// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// What the settings dialog asks of the strip while it loads and applies the settings.

#include "settings/allsettings.h"

#include <QString>

namespace velmaro {

class SettingsHost {
public:
    virtual ~SettingsHost() = default;
    virtual StripMetrics stripMetrics() const = 0;
    virtual int noteCount() const = 0;
    // Drops the note lines, loads the notes again and builds their lines, then the
    // past-alarm marking.
    virtual void rebuildNoteLines() = 0;
    virtual void scrollbarCheck() = 0;
    // The strip and its two rules take this width.
    virtual void setStripWidth(int width) = 0;
    // Shows the picture in the mode ("adjust" or "proportional") at once; false, with
    // no message and the picture hidden, when it cannot be loaded.
    virtual bool showBackgroundImage(const QString& mode, const QString& file) = 0;
    virtual void hideBackgroundImage() = 0;
    // The background layout from the in-memory mode and file, with its own messages.
    virtual void layoutBackgroundImage() = 0;
    // Topmost or an ordinary window, from the in-memory flag.
    virtual void applyAlwaysOnTop() = 0;
    // The note-lines panel and the header take the in-memory background colour.
    virtual void applyBackgroundColor() = 0;
    // Launcher n's toolbar button (1..3): its command image and, when `showHint`, its
    // hint; without hints the old hint text stays.
    virtual void setLauncherButton(int n, int image, bool showHint, const QString& hint) = 0;
    // The menu's launcher entries from the stored keys.
    virtual void refreshLauncherMenu() = 0;
    virtual void layoutToolBar() = 0;
    virtual void repaintStrip() = 0;
};

} // namespace velmaro
