// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// The language Velmaro speaks: the first of the desktop's interface languages that it
// has a translation for, else Spanish, the language its texts are written in.

#include <QString>
#include <QStringList>

namespace velmaro {

// The language the texts are written in.
inline constexpr char kSourceLanguage[] = "es";

// `preferred` as QLocale::uiLanguages() gives them ("en-GB", "de", "C", ...), best
// first; `available` the languages of the translations ("en", ...). The primary code
// of the first preferred language that is the source or available, else the source.
QString chooseLanguage(const QStringList& preferred, const QStringList& available);

} // namespace velmaro
