// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// Opens links and documents with xdg-open, the target passed as one argument.

#include "platform/linkopener.h"

namespace velmaro::platform {

class XdgLinkOpener final : public LinkOpener {
public:
    // `program` is looked up on PATH when it has no folder.
    explicit XdgLinkOpener(QString program = QStringLiteral("xdg-open"));
    bool open(const QString& target, const QString& workingFolder) override;

private:
    QString m_program;
};

} // namespace velmaro::platform
