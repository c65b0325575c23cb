// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// The language Velmaro speaks: the first of the desktop's interface languages that it
// has a translation for, else Spanish, the language its texts are written in.

#include <QString>
#include <QStringList>

class QCoreApplication;

namespace velmaro {

// The language the texts are written in.
inline constexpr char kSourceLanguage[] = "es";

// `preferred` as QLocale::uiLanguages() gives them ("en-GB", "de", "C", ...), best
// first; `available` the languages of the translations ("en", ...). The primary code
// of the first preferred language that is the source or available, else the source.
QString chooseLanguage(const QStringList& preferred, const QStringList& available);

// Makes Spanish of Spain the default locale and installs Qt's Spanish catalogue for
// the widgets, dialogs and printing (qtbase_es only: nothing else shows Qt's texts).
// Before any window exists. False, logged, when the catalogue is not there; the
// program then runs with Qt's English standard texts.
bool useSpanish(QCoreApplication& app);

// The interface language chosen from the desktop's list (LANGUAGE, LC_ALL,
// LC_MESSAGES, LANG): Velmaro's own translation of it and Qt's catalogue for the
// standard dialogs, or Spanish as useSpanish() sets it. Returns the language's code.
QString useInterfaceLanguage(QCoreApplication& app);

} // namespace velmaro
