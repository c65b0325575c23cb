// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "settings/commandimages.h"

#include "widgets/pictureloader.h"

namespace velmaro {

namespace {

constexpr const char* kFiles[CommandImages::kCount] = {
    "newnote", "listall", "calendar", "launcher1", "launcher2",   "launcher3", "settings",
    "mailall", "help",    "hideshow", "exit",      "launcheroff", "about",
};

} // namespace

CommandImages::CommandImages(QObject* parent) : QObject(parent)
{
    for (int i = 0; i < kCount; ++i)
        m_icons[i] = builtIn(i);
}

QIcon CommandImages::builtIn(int index)
{
    if (index < 0 || index >= kCount)
        return QIcon();
    // Drawn from src/strip/icons at build time, kSize x kSize on silver, and twice that.
    return builtInIcon(QLatin1String(kFiles[index]));
}

QIcon CommandImages::icon(int index) const
{
    if (index < 0 || index >= kCount)
        return QIcon();
    return m_icons[index];
}

void CommandImages::replace(int index, const QIcon& icon)
{
    if (index < 0 || index >= kCount)
        return;
    m_icons[index] = icon;
    emit changed(index);
}

} // namespace velmaro
