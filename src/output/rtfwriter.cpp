// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "output/rtfwriter.h"

#include "output/codepage.h"

namespace velmaro {

namespace {

void appendHexEscape(QByteArray& out, int byte)
{
    static const char hex[] = "0123456789abcdef";
    out += "\\'";
    out += hex[(byte >> 4) & 0xF];
    out += hex[byte & 0xF];
}

// Text of one run: RTF specials escaped, Windows-1252 bytes above 127 as \'hh, other
// characters as \uN? (N the signed 16-bit value of each UTF-16 unit, "?" the stand-in
// for readers without Unicode).
void appendText(QByteArray& out, const QString& text)
{
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == u'\\' || u == u'{' || u == u'}') {
            out += '\\';
            out += char(u);
        } else if (u == u'\t') {
            out += "\\tab ";
        } else if (u == 0x2028 || u == u'\n' || u == u'\r') {
            out += "\\line ";
        } else if (u >= 0x20 && u < 0x7F) {
            out += char(u);
        } else if (u < 0x20 || u == 0x7F) {
            // Other control characters have no place in a document.
        } else if (const int b = windows1252Byte(u); b >= 0) {
            appendHexEscape(out, b);
        } else {
            out += "\\u";
            out += QByteArray::number(int(int16_t(u)));
            out += '?';
        }
    }
}

void appendParagraph(QByteArray& out, const RtfParagraph& p, int halfPoints)
{
    out += "\\pard\\plain\\f0\\fs" + QByteArray::number(halfPoints);
    if (p.centred)
        out += "\\qc";
    if (p.firstIndentTwips != 0)
        out += "\\fi" + QByteArray::number(p.firstIndentTwips);
    if (p.spaceBeforeTwips != 0)
        out += "\\sb" + QByteArray::number(p.spaceBeforeTwips);
    out += ' ';
    for (const RtfRun& run : p.runs) {
        if (run.text.isEmpty())
            continue;
        if (run.bold || run.underline) {
            out += '{';
            if (run.bold)
                out += "\\b";
            if (run.underline)
                out += "\\ul";
            out += ' ';
            appendText(out, run.text);
            out += '}';
        } else {
            appendText(out, run.text);
        }
    }
    out += "\\par\r\n";
}

} // namespace

QByteArray writeRtf(const RtfDocument& doc)
{
    QByteArray out = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1{\\fonttbl{\\f0\\fswiss\\fcharset0 ";
    QByteArray fontName;
    appendText(fontName, doc.fontName);
    out += fontName + ";}}\r\n";
    for (const RtfParagraph& p : doc.paragraphs)
        appendParagraph(out, p, doc.fontHalfPoints);
    out += "}";
    return out;
}

} // namespace velmaro
