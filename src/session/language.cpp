// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "session/language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QLoggingCategory>
#include <QRegularExpression>
#include <QTranslator>

namespace velmaro {

QString chooseLanguage(const QStringList& preferred, const QStringList& available)
{
    static const QRegularExpression separator(QStringLiteral("[-_.@]"));
    const QString source = QString::fromLatin1(kSourceLanguage);
    for (const QString& tag : preferred) {
        const QString code = tag.section(separator, 0, 0).toLower();
        if (code == source || available.contains(code))
            return code;
    }
    return source;
}

namespace {

Q_LOGGING_CATEGORY(lcLanguage, "velmaro.language", QtCriticalMsg)

} // namespace

QString useInterfaceLanguage(QCoreApplication& app)
{
    const QStringList available =
        QDir(QStringLiteral(":/i18n"))
            .entryList({QStringLiteral("velmaro_*.qm")}, QDir::Files)
            .replaceInStrings(QRegularExpression(QStringLiteral("^velmaro_|\\.qm$")), QString());
    const QString language = chooseLanguage(QLocale::system().uiLanguages(), available);
    if (language == QLatin1String(kSourceLanguage)) {
        useSpanish(app);
        return language;
    }
    const QLocale locale(language);
    QLocale::setDefault(locale);
    for (const auto& [name, folder] :
         {std::pair{QStringLiteral("velmaro"), QStringLiteral(":/i18n")},
          std::pair{QStringLiteral("qtbase"),
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath)}}) {
        auto* translator = new QTranslator(&app);
        // English needs no catalogue of Qt's own.
        if (translator->load(locale, name, QStringLiteral("_"), folder))
            QCoreApplication::installTranslator(translator);
        else
            delete translator;
    }
    return language;
}

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
