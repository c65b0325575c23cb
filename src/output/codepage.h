// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// Windows-1252, the single-byte code page the links and documents are written in.

#include <cstdint>

namespace velmaro {

// The Windows-1252 byte of a code point, or -1 when that code page cannot hold it.
int windows1252Byte(uint32_t codePoint);

} // namespace velmaro
