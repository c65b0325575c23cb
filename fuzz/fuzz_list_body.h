// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// One pass of the list-document fuzz target, shared with the unit test that replays
// its corpus: the list file's encoding, its line split and the RTF writer, fed with
// the input as note text. Returns a description of the first broken property, or
// nothing when all hold.

#include "output/listdocument.h"
#include "output/rtfwriter.h"

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace velmaro::fuzz {

// RTF that a reader can take apart: 7-bit bytes only, groups that close in order.
inline std::optional<std::string> checkRtfShape(const QByteArray& rtf)
{
    if (!rtf.startsWith("{\\rtf1"))
        return "RTF does not start with its header";
    int depth = 0;
    for (qsizetype i = 0; i < rtf.size(); ++i) {
        const char c = rtf[i];
        if (static_cast<unsigned char>(c) > 127)
            return "RTF holds a byte above 127";
        if (c == '\\') {
            ++i; // an escaped character or the first letter of a control word
        } else if (c == '{') {
            ++depth;
        } else if (c == '}' && --depth < 0) {
            return "RTF closes a group it never opened";
        }
        if (depth == 0 && i + 1 < rtf.size() && c == '}' && rtf.mid(i + 1).trimmed().size() > 0)
            return "RTF goes on after its outer group";
    }
    return depth == 0 ? std::nullopt : std::optional<std::string>("RTF leaves a group open");
}

inline std::optional<std::string> checkListInput(const uint8_t* data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString text = QString::fromUtf8(bytes);

    // The list file holds every character of the notes.
    if (decodeListText(encodeListText(text)) != text)
        return "list text does not survive its file encoding";
    // Whatever the file holds is shown without a fault, and a shown line has no breaks.
    const QString shown = decodeListText(bytes);
    const QStringList lines = splitLines(shown);
    for (const QString& line : lines) {
        if (line.contains(u'\r') || line.contains(u'\n'))
            return "a split line still holds a line break";
    }
    // (A line end at the very end starts no line, so every line gets its own end.)
    if (!lines.isEmpty() &&
        splitLines(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")) != lines)
        return "splitting joined lines gives other lines";
    listWindowText(shown);

    // The text as runs of every style, in paragraphs of every layout.
    RtfDocument doc;
    doc.fontName = text.left(40);
    for (qsizetype i = 0; i < lines.size() && i < 64; ++i) {
        RtfParagraph p;
        p.centred = i % 2 == 1;
        p.firstIndentTwips = twips(int(i % 7));
        p.spaceBeforeTwips = twips(int(i % 3));
        p.runs.push_back({lines[i], i % 3 == 0, i % 4 == 0});
        p.runs.push_back({text.mid(i, 3), true, true});
        doc.paragraphs.push_back(p);
    }
    return checkRtfShape(writeRtf(doc));
}

} // namespace velmaro::fuzz
