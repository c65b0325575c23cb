// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// Web addresses in the list and help windows' text: shown as links, opened on a click.

#include <QObject>
#include <QString>

#include <functional>

class QTextDocument;
class QTextEdit;

namespace velmaro {

using OpenLink = std::function<void(const QString&)>;

// Gives every web address of the document a link's look and target.
void markWebAddresses(QTextDocument* doc);

// A click on a link (press and release at one place, no selection made) calls `open`
// with its target; the pointer becomes a hand over links. Works in editable text too.
void openLinksOnClick(QTextEdit* edit, OpenLink open);

} // namespace velmaro
