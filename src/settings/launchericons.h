// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// The icon a desktop shows for a launcher's file: a desktop entry's own icon, an
// executable's icon from the icon theme, a document's MIME-type icon.

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace velmaro {

// A null icon when no file exists at `path`.
QIcon launcherIcon(const QString& path);

// The icon drawn on a transparent square of `size` pixels (the row previews), or on
// silver for the command image list.
QPixmap iconPixmap(const QIcon& icon, int size, bool onSilver);

} // namespace velmaro
