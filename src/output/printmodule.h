// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// Printing over Qt Print Support, in a module of its own (libvelmaro_print.so) that
// the list window loads when the user first prints.

#include <QString>

class QPrinter;
class QTextDocument;
class QWidget;

namespace velmaro::printing {

// The document on the printer, word-wrapped to the page, under the job title.
void printDocument(const QTextDocument& document, const QString& jobTitle, QPrinter& printer);

// The module's entry point: the print dialog over `parent`, then the document on the
// printer chosen, unless the user cancels.
using PrintWithDialog = void (*)(const QTextDocument* document, const QString* jobTitle,
                                 QWidget* parent);
inline constexpr const char* kPrintWithDialog = "velmaro_print_with_dialog";

} // namespace velmaro::printing
