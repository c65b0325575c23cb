// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
// libFuzzer entry point over the list file's encoding and the RTF writer.

#include "fuzz/fuzz_list_body.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (const auto broken = velmaro::fuzz::checkListInput(data, size)) {
        std::fprintf(stderr, "broken property: %s\n", broken->c_str());
        std::abort();
    }
    return 0;
}
