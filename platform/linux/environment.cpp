#include "platform/environment.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace velmaro::platform {

QString ProcessEnvironment::variable(const char* name) const
{
    return qEnvironmentVariable(name);
}

QString ProcessEnvironment::homePath() const
{
    return QDir::homePath();
}

QString ProcessEnvironment::executablePath() const
{
    if (QCoreApplication::instance())
        return QCoreApplication::applicationFilePath();
    return QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget();
}

} // namespace velmaro::platform
