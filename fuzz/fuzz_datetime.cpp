// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
// libFuzzer entry point over the date-time parsers and writer.

#include "fuzz/fuzz_datetime_body.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (const auto broken = velmaro::fuzz::checkDateTimeInput(data, size)) {
        std::fprintf(stderr, "broken property: %s\n", broken->c_str());
        std::abort();
    }
    return 0;
}
