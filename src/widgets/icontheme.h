// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// The icon theme the program's pictures come from: the desktop's own when it names
// one, Adwaita (installed with the program) otherwise and for what the desktop's lacks.

#include <QIcon>

namespace velmaro {

// Sets the theme up once; later calls do nothing.
void useInstalledIconTheme();

// The theme's `name`, or its symbolic drawing where the theme has only that one;
// `fallback` where it has neither.
QIcon themedIcon(const QString& name, const QIcon& fallback);

} // namespace velmaro
