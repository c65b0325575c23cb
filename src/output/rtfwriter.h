// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// A small RTF writer for the documents the program saves: paragraphs of plain, bold
// or underlined runs, left or centred, with a first-line indent and space before.
// Windows-1252 text; characters outside it are written as Unicode escapes.

#include <QByteArray>
#include <QString>

#include <vector>

namespace velmaro {

struct RtfRun {
    QString text; // a line separator (U+2028) inside a run is a line break
    bool bold = false;
    bool underline = false;
};

struct RtfParagraph {
    std::vector<RtfRun> runs;
    bool centred = false;
    int firstIndentTwips = 0;
    int spaceBeforeTwips = 0;
};

struct RtfDocument {
    // untranslated: a font family name
    QString fontName = QStringLiteral("MS Sans Serif");
    int fontHalfPoints = 20;
    std::vector<RtfParagraph> paragraphs;
};

QByteArray writeRtf(const RtfDocument& doc);

// Points to twips (1/20 point).
constexpr int twips(int points)
{
    return points * 20;
}

} // namespace velmaro
