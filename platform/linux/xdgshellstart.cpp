#include "platform/linux/xdgshellstart.h"

#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>

namespace velmaro::platform {

namespace {

// "https://…", "mailto:…", "file:…": a scheme of two letters or more, so that a
// drive-letter path such as "C:\x" is not taken for an address.
bool isAddress(const QString& target)
{
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]+:"));
    return scheme.match(target).hasMatch();
}

} // namespace

XdgShellStart::XdgShellStart(QString opener, QString entryLauncher)
    : m_opener(std::move(opener)), m_entryLauncher(std::move(entryLauncher))
{
}

bool XdgShellStart::start(const QString& target)
{
    if (target.isEmpty())
        return false;
    const QFileInfo file(target);
    if (!file.exists()) {
        // An address goes to the default application; a leading "-" cannot start
        // an address, so the opener never sees an option here.
        return isAddress(target) && QProcess::startDetached(m_opener, {target});
    }
    // An absolute path never begins with "-", so no program reads it as an option.
    const QString path = file.absoluteFilePath();
    if (file.isFile() && file.suffix().compare(QLatin1String("desktop"), Qt::CaseInsensitive) == 0)
        return QProcess::startDetached(m_entryLauncher, {QStringLiteral("launch"), path});
    if (file.isFile() && file.isExecutable())
        return QProcess::startDetached(path, {});
    return QProcess::startDetached(m_opener, {path});
}

} // namespace velmaro::platform
