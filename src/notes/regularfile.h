// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// Reading a file that may not be what its name says (a hand-made settings path can be
// a FIFO, a device or a folder), and replacing one in a single step.

#include <QByteArray>
#include <QString>

#include <optional>

namespace velmaro {

// The whole content of a regular file (a link to one counts as that file). A FIFO, a
// device, a folder or a socket is not read at all: opening one may block, and reading
// one may never end. nullopt for those and for a file that cannot be read; `error`
// then gets the system's error number (0 for a file that is not a regular one).
std::optional<QByteArray> readRegularFile(const QString& path, int* error = nullptr);

// Puts `bytes` in place of the file at `path` (of its target when it is a link) in one
// step: a temporary file beside it, named "<name>.<six letters>", is written, synced
// to disk and renamed over it, and the folder is synced. An existing file keeps its
// permissions; a new one is private. A file this user may not write is refused before
// anything is made. Returns 0, or the system's error number of the step that failed;
// nothing is left behind then.
int replaceRegularFile(const QString& path, const QByteArray& bytes);

// Whether that replacement would go through now, with `size` bytes: all of it is done
// but the rename, and the temporary file is removed again. 0, or the error number.
int tryReplacingRegularFile(const QString& path, qint64 size);

} // namespace velmaro
