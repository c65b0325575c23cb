// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// The web-search and mail links and the two percent encodings they use.

#include <QString>
#include <QStringView>

#include <vector>

namespace velmaro {

// Percent encoding for URL queries, over the Windows-1252 bytes the maker's search server
// expects: letters, digits, "-", "." and "_" stay, a blank
// becomes "+" (spaceAsPlus) or "%20", every other byte becomes "%XX".
QString queryEncode(QStringView text, bool spaceAsPlus);

// Percent encoding for mailto subject and body, over the text's UTF-8 bytes, which is
// how mail programs read a mailto link's escapes: bytes 48..58 ("0".. ":") and 64..122
// ("@".."z") stay, every other byte becomes "%XX" (so CR LF becomes %0D%0A and "ñ" %C3%B1).
QString mailTextEncode(QStringView text);

// "mailto:" + the address with blanks and control characters trimmed, every byte of
// its UTF-8 form that an address may not carry plainly percent-encoded ("?", "&", "#",
// blanks, "%", letters beyond ASCII), so that nothing in it starts a header.
QString mailAddressLink(QStringView address);

// "mailto:" + recipient (blanks and control characters trimmed) + "?subject=" +
// encoded subject + "&body=" + encoded body, always all parts.
QString mailLink(QStringView recipient, QStringView subject, QStringView body);

// "http://" + the maker's search server + "/resultadoG.php?q=" + the query-encoded text.
QString searchLink(QStringView text);

// A web address found in a document's text: where it stands and what opening it hands
// to the desktop ("www." names get "http://" in front, which browsers assume too).
struct WebAddress {
    qsizetype start = 0;
    qsizetype length = 0;
    QString target;
};

// The web addresses a reader should see as links: http, https, ftp, file, mailto and
// news links and names starting with "www.", up to a blank or a quote, without
// trailing punctuation.
std::vector<WebAddress> findWebAddresses(QStringView text);

// The text that the strip's search box shows until the user types.
QString searchPrompt();

} // namespace velmaro
