// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// The messages of one start. Several start-up steps can fail for one cause (a settings
// file that cannot be written refuses the version stamp, the start-up mark and the
// settings' write-back alike): the user is told once. Once the start is over, every
// message is shown again. Every text is also logged under "velmaro.messages" (info,
// silent by default).

#include "platform/messages.h"

#include <QStringList>

namespace velmaro {

class StartupMessages final : public platform::Messages {
public:
    explicit StartupMessages(platform::Messages& shown) : m_shown(shown) {}

    void inform(const QString& text) override;
    void error(const QString& text) override;
    // From here on every message is passed on.
    void startupDone();

private:
    bool firstTime(const QString& text);

    platform::Messages& m_shown;
    bool m_starting = true;
    QStringList m_told;
};

} // namespace velmaro
