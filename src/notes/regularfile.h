#pragma once
// Reading a file that may not be what its name says: a hand-made settings path can be
// a FIFO, a device or a folder.

#include <QByteArray>
#include <QString>

#include <optional>

namespace velmaro {

// The whole content of a regular file (a link to one counts as that file). A FIFO, a
// device, a folder or a socket is not read at all: opening one may block, and reading
// one may never end. nullopt for those and for a file that cannot be read.
std::optional<QByteArray> readRegularFile(const QString& path);

} // namespace velmaro
