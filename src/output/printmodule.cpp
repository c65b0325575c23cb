// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "output/printmodule.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QTextDocument>

#include <type_traits>

namespace velmaro::printing {

void printDocument(const QTextDocument& document, const QString& jobTitle, QPrinter& printer)
{
    printer.setDocName(jobTitle);
    document.print(&printer);
}

} // namespace velmaro::printing

extern "C" Q_DECL_EXPORT void velmaro_print_with_dialog(const QTextDocument* document,
                                                        const QString* jobTitle, QWidget* parent)
{
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() == QDialog::Accepted)
        velmaro::printing::printDocument(*document, *jobTitle, printer);
}

static_assert(
    std::is_same_v<decltype(&velmaro_print_with_dialog), velmaro::printing::PrintWithDialog>);
