// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// The entry point of the pictures module (libvelmaro_pictures.so), which draws the
// pictures that need Qt Svg, libwmf or libemf2svg; pictureloader.cpp loads it at
// the first such picture.

#include <QByteArray>
#include <QImage>
#include <QString>

namespace velmaro::pictures {

enum Kind : int { Svg = 0, Wmf = 1, Emf = 2 };

// Draws the file's bytes at the drawing's own size into `image`; false, with a short
// reason in `error`, when they do not make a usable picture.
using DrawPicture = bool (*)(int kind, const QByteArray* data, QImage* image, QString* error);
inline constexpr const char* kDrawPicture = "velmaro_draw_picture";

} // namespace velmaro::pictures
