#pragma once
// The shell start on a freedesktop.org desktop: programs run directly, desktop
// entries through `gio launch`, documents and addresses through xdg-open. Every
// target travels as one argument and nothing waits for what was started.

#include "platform/shellstart.h"

namespace velmaro::platform {

class XdgShellStart final : public ShellStart {
public:
    // Both programs are looked up on PATH when they have no folder.
    explicit XdgShellStart(QString opener = QStringLiteral("xdg-open"),
                           QString entryLauncher = QStringLiteral("gio"));
    bool start(const QString& target) override;

private:
    QString m_opener;
    QString m_entryLauncher;
};

} // namespace velmaro::platform
