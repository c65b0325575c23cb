// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// Pictures chosen by the user: background, logo, about picture. The file name's
// extension picks the reader: BMP, JPEG, GIF, ICO and PNG through Qt's image readers;
// SVG through QtSvg, Windows metafiles (WMF) through libwmf and enhanced metafiles
// (EMF) through libemf2svg, both turned into SVG and drawn with QtSvg at their own
// size, all three in the pictures module, loaded at the first such picture.

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QString>
#include <QStringList>

namespace velmaro {

// A null image when the picture cannot be loaded (missing file, unknown extension,
// damaged data, no size); `error`, when given, then receives a short reason.
QImage loadPicture(const QString& path, QString* error = nullptr);

// The extensions loadPicture takes, lower case, without the dot.
QStringList pictureExtensions();

// One of the program's own pictures, drawn from src/strip/icons at build time and
// embedded as :/velmaro/pictures/NAME.png, with NAME@2x.png at twice the size; read by
// Qt's own PNG reader, so that no image format plugin is loaded for it. On a screen
// scaled up the sharper one is returned, at the same size in device-independent pixels.
QPixmap builtInPicture(const QString& name);
// Both drawings of a built-in picture, for buttons and menus on any screen; the one at
// twice the size is read when a scaled screen first asks for it.
QIcon builtInIcon(const QString& name);
// The program's own icon, transparent, at 16, 22, 24, 32, 48 and 64 pixels.
QIcon programIcon();

} // namespace velmaro
