// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// The process-wide title: the caption of the program's message boxes. Until it is set,
// it is the platform's default, derived from the executable's file name.
//
// It is kept apart from Qt's application display name on purpose: under X11 Qt appends
// that name to every window's title ("Nueva Nota — Velmaro"), and the program's windows
// carry their own titles exactly.

#include <QCoreApplication>
#include <QString>

namespace velmaro::platform {

inline QString& processTitleValue()
{
    static QString title;
    return title;
}

inline void setProcessTitle(const QString& title)
{
    processTitleValue() = title;
}

inline QString processTitle()
{
    const QString& title = processTitleValue();
    return title.isEmpty() ? QCoreApplication::applicationName() : title;
}

} // namespace velmaro::platform
