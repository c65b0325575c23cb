// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// Message boxes with no owner window and one OK button, captioned with the process
// title (platform/processtitle.h).

#include "platform/messages.h"

namespace velmaro::platform {

class QtMessages final : public Messages {
public:
    void inform(const QString& text) override;
    void error(const QString& text) override;
};

} // namespace velmaro::platform
