// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// The text encodings of the files the program reads and writes: Windows-1252 (the
// settings file's usual form), UTF-8 with or without a byte-order mark, and UTF-16 of
// either byte order after its mark (what a Windows editor saves as "Unicode").

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <optional>

namespace velmaro {

inline const QByteArray kUtf8Bom("\xEF\xBB\xBF");

struct DecodedText {
    QString text;
    // Read from a Unicode file (UTF-8 or UTF-16): worth writing back as Unicode.
    bool unicode = false;
};

// UTF-16 after its mark; UTF-8 after its mark, or without one when the bytes are
// valid UTF-8 and hold something beyond ASCII; Windows-1252 otherwise. A mark inside
// the text stays a character. Bytes after a UTF-8 mark that are not UTF-8 are kept as
// single-byte characters rather than replaced.
DecodedText decodeText(QByteArrayView bytes);

// The bytes begin with a UTF-8 or UTF-16 byte-order mark.
bool startsWithUnicodeMark(QByteArrayView bytes);
bool isValidUtf8(QByteArrayView bytes);
bool hasHighBytes(QByteArrayView bytes);
QString decodeCp1252(QByteArrayView bytes);
// nullopt when some character has no byte in Windows-1252.
std::optional<QByteArray> encodeCp1252(QStringView text);

} // namespace velmaro
