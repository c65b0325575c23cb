#pragma once
// Pictures chosen by the user: background, logo, about picture. The file name's
// extension picks the reader: BMP, JPEG, GIF, ICO and PNG through Qt's image readers;
// SVG through QtSvg, Windows metafiles (WMF) through libwmf and enhanced metafiles
// (EMF) through libemf2svg, both turned into SVG and drawn with QtSvg at their own
// size, all three in the pictures module, loaded at the first such picture.

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
// embedded as :/velmaro/pictures/NAME.png; read by Qt's own PNG reader, so that no
// image format plugin is loaded for it.
QPixmap builtInPicture(const QString& name);

} // namespace velmaro
