// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// What the user reads when the settings file cannot be written: the runtime's own
// text, and under it, in Spanish, that changes cannot be saved and why.

#include <QString>

namespace velmaro {

// Why `path` could not be written. `error` is the system's error number of the step
// that failed, 0 when the path holds something other than a regular file (a folder,
// a FIFO, a device, a dangling link). The file and its folder are looked at to name
// the obstacle: an immutable file, another user's file or folder, a read-only file
// system, a full disk.
QString whyNotWritten(const QString& path, int error);

// Why the existing file at `path` could not be read (writing would replace what it
// holds unseen); `error` as above.
QString whyNotRead(const QString& path, int error);

// "Unable to write to <path>", a blank line, then "No se pueden guardar los cambios:"
// with the reason.
QString unableToWriteMessage(const QString& path, const QString& reason);

} // namespace velmaro
