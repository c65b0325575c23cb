// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "app/startupmessages.h"

#include <QLoggingCategory>

namespace velmaro {

namespace {

// Every text shown, for a look at what a run told its user (silent by default).
Q_LOGGING_CATEGORY(lcMessages, "velmaro.messages", QtCriticalMsg)

} // namespace

bool StartupMessages::firstTime(const QString& text)
{
    if (m_starting && m_told.contains(text))
        return false;
    if (m_starting)
        m_told << text;
    qCInfo(lcMessages, "%s", qUtf8Printable(text));
    return true;
}

void StartupMessages::inform(const QString& text)
{
    if (firstTime(text))
        m_shown.inform(text);
}

void StartupMessages::error(const QString& text)
{
    if (firstTime(text))
        m_shown.error(text);
}

void StartupMessages::startupDone()
{
    m_starting = false;
    m_told.clear();
}

} // namespace velmaro
