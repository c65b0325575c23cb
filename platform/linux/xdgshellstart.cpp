// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
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

bool XdgShellStart::start(const QString& target, LateFailure failed)
{
    if (target.isEmpty())
        return false;
    const QFileInfo file(target);
    if (!file.exists()) {
        // An address goes to the default application; a leading "-" cannot start
        // an address, so the opener never sees an option here.
        return isAddress(target) && runOpener(m_opener, {target}, std::move(failed));
    }
    // An absolute path never begins with "-", so no program reads it as an option.
    const QString path = file.absoluteFilePath();
    if (file.isFile() && file.suffix().compare(QLatin1String("desktop"), Qt::CaseInsensitive) == 0)
        return runOpener(m_entryLauncher, {QStringLiteral("launch"), path}, std::move(failed));
    // A program that starts has been started: how it ends is its own business.
    if (file.isFile() && file.isExecutable())
        return QProcess::startDetached(path, {});
    return runOpener(m_opener, {path}, std::move(failed));
}

bool XdgShellStart::runOpener(const QString& program, const QStringList& arguments,
                              LateFailure failed)
{
    if (!failed)
        return QProcess::startDetached(program, arguments);
    // Not parented and not deleted while it runs: a QProcess being destroyed kills its
    // program, and an opener (xdg-open runs some applications in the foreground) may
    // outlive the strip.
    auto* process = new QProcess;
    process->setProgram(program);
    process->setArguments(arguments);
    process->setStandardInputFile(QProcess::nullDevice());
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    process->start();
    // Only the exec is waited for, as a detached start would.
    if (!process->waitForStarted()) {
        delete process;
        return false;
    }
    QObject::connect(process, &QProcess::finished, process,
                     [process, failed = std::move(failed)](int code, QProcess::ExitStatus status) {
                         process->deleteLater();
                         if (status != QProcess::NormalExit || code != 0)
                             failed();
                     });
    return true;
}

} // namespace velmaro::platform
