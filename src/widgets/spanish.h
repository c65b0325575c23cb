// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// The program speaks Spanish: its own texts are written so, and Qt's standard dialogs
// and message-box buttons ("Guardar", "Abrir", "Imprimir", "Cancelar", "Aceptar")
// take Qt's Spanish catalogue, the one Debian ships in qt6-translations-l10n.

#include <QString>

class QCoreApplication;

namespace velmaro {

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
