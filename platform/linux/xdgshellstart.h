// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// The shell start on a freedesktop.org desktop: programs run directly, desktop
// entries through `gio launch`, documents and addresses through xdg-open. Every
// target travels as one argument and nothing waits for what was started. When the
// caller wants to know, the exit status of xdg-open or gio is watched from the event
// loop: a non-zero one (no application for the file, a failed start) is a late failure.

#include "platform/shellstart.h"

namespace velmaro::platform {

class XdgShellStart final : public ShellStart {
public:
    // Both programs are looked up on PATH when they have no folder.
    explicit XdgShellStart(QString opener = QStringLiteral("xdg-open"),
                           QString entryLauncher = QStringLiteral("gio"));
    bool start(const QString& target, LateFailure failed = {}) override;

private:
    // The opener or entry launcher, detached unless `failed` wants its verdict.
    static bool runOpener(const QString& program, const QStringList& arguments, LateFailure failed);

    QString m_opener;
    QString m_entryLauncher;
};

} // namespace velmaro::platform
