#pragma once
// Hands a URL, mailto link or document path to the desktop (xdg-open), as one
// argument, never through a shell.

#include <QString>
#include <QStringList>

#include <functional>

namespace velmaro::platform {

class LinkOpener {
public:
    virtual ~LinkOpener() = default;
    // False when the desktop could not be asked (no opener installed, start failed).
    virtual bool open(const QString& target, const QString& workingFolder) = 0;
};

class RecordingLinkOpener final : public LinkOpener {
public:
    bool open(const QString& target, const QString& folder) override
    {
        opened << target;
        workingFolder = folder;
        if (during)
            during();
        return result;
    }
    QStringList opened;
    QString workingFolder;
    bool result = true;
    // Runs inside the call, as if the desktop took its time (it may throw).
    std::function<void()> during;
};

} // namespace velmaro::platform
