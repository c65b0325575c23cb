// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "widgets/spanish.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QLoggingCategory>
#include <QTranslator>

namespace velmaro {

namespace {

Q_LOGGING_CATEGORY(lcLanguage, "velmaro.language", QtCriticalMsg)

} // namespace

bool useSpanish(QCoreApplication& app)
{
    const QLocale spanish(QLocale::Spanish, QLocale::Spain);
    QLocale::setDefault(spanish);
    auto* translator = new QTranslator(&app);
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!translator->load(spanish, QStringLiteral("qtbase"), QStringLiteral("_"), folder)) {
        qCWarning(lcLanguage) << "no Spanish catalogue for Qt in" << folder;
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

} // namespace velmaro
