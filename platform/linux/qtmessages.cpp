// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "platform/linux/qtmessages.h"

#include "platform/processtitle.h"

#include <QMessageBox>

namespace velmaro::platform {

namespace {

void show(QMessageBox::Icon icon, const QString& text)
{
    QMessageBox box(icon, processTitle(), text, QMessageBox::Ok, nullptr);
    // Texts carry file names and note texts: never read them as markup.
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace

void QtMessages::inform(const QString& text)
{
    show(QMessageBox::Information, text);
}

void QtMessages::error(const QString& text)
{
    show(QMessageBox::Critical, text);
}

} // namespace velmaro::platform
