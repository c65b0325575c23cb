// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "app/platformchoice.h"

#include <QFileInfo>
#include <QRegularExpression>

#include <cstring>

namespace velmaro {

namespace {

bool isWaylandSession(const platform::Environment& environment)
{
    return !environment.variable("WAYLAND_DISPLAY").isEmpty() ||
           environment.variable("XDG_SESSION_TYPE").compare(u"wayland", Qt::CaseInsensitive) == 0;
}

bool xServerThere(const QString& display, const std::function<bool(const QString&)>& exists)
{
    if (display.isEmpty())
        return false;
    // ":0", ":0.0", "unix:1": a local server listens on /tmp/.X11-unix/X<n>. A display
    // on another host (or reached through a path) cannot be looked at here.
    static const QRegularExpression local(QStringLiteral("^(?:unix)?:(\\d+)(?:\\.\\d+)?$"));
    const QRegularExpressionMatch m = local.match(display);
    if (!m.hasMatch())
        return true;
    const QString socket = QStringLiteral("/tmp/.X11-unix/X") + m.captured(1);
    return exists ? exists(socket) : QFileInfo::exists(socket);
}

} // namespace

QString chooseQtPlatform(const platform::Environment& environment,
                         const std::function<bool(const QString&)>& exists)
{
    if (!environment.variable("QT_QPA_PLATFORM").isEmpty())
        return QString();
    if (!isWaylandSession(environment))
        return QString();
    if (!xServerThere(environment.variable("DISPLAY"), exists))
        return QString();
    return QStringLiteral("xcb");
}

bool hasGraphicalSession(const platform::Environment& environment)
{
    // A platform named by the user (offscreen, vnc, ...) is the user's choice.
    return !environment.variable("QT_QPA_PLATFORM").isEmpty() ||
           !environment.variable("DISPLAY").isEmpty() ||
           !environment.variable("WAYLAND_DISPLAY").isEmpty();
}

PlatformArguments::PlatformArguments(int argc, char** argv, const QString& platform)
{
    bool named = false;
    for (int i = 0; i < argc; ++i) {
        m_argv.push_back(argv[i]);
        if (i > 0 &&
            (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0))
            named = true;
    }
    if (!platform.isEmpty() && !named) {
        m_added = {QByteArrayLiteral("-platform"), platform.toLocal8Bit()};
        for (QByteArray& a : m_added)
            m_argv.push_back(a.data());
    }
    m_argc = int(m_argv.size());
    m_argv.push_back(nullptr);
}

} // namespace velmaro
