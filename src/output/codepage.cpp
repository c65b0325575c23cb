// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "output/codepage.h"

namespace velmaro {

namespace {

// Unicode code points of the Windows-1252 bytes 0x80..0x9F; 0 marks the five bytes
// that code page leaves unassigned. Every other byte equals its Latin-1 code point.
constexpr char16_t kHighBlock[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

} // namespace

int windows1252Byte(uint32_t cp)
{
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF))
        return int(cp);
    for (int i = 0; i < 32; ++i) {
        if (kHighBlock[i] != 0 && kHighBlock[i] == cp)
            return 0x80 + i;
    }
    return -1;
}

} // namespace velmaro
