// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// The text of one INI file as the settings store reads and writes it: sections and
// keys matched without regard to letter case and surrounding blanks, values read back
// trimmed and without one pair of matching quotes, writes in place or appended to
// their section (see settingsstore.h for the file's encodings).

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <memory>
#include <optional>

namespace velmaro {

// The parsed text of one INI file. Parsing never fails; lines it does not understand
// (comments, junk, keys before the first section) are kept and written back unchanged.
class IniDocument {
public:
    IniDocument();
    ~IniDocument();
    IniDocument(const IniDocument&);
    IniDocument& operator=(const IniDocument&);
    IniDocument(IniDocument&&) noexcept;
    IniDocument& operator=(IniDocument&&) noexcept;

    // Decodes bytes (see encoding.h) and parses them.
    static IniDocument parse(QByteArrayView bytes);
    // CR LF line ends; Windows-1252 unless some text needs UTF-8 (then with a BOM).
    QByteArray serialize() const;

    // The value as stored, trimmed and unquoted, not cut; nullopt when absent.
    std::optional<QString> value(QStringView section, QStringView key) const;
    void setValue(QStringView section, QStringView key, const QString& value);
    // The names of the keys a section holds, in lower case (as names are matched).
    QStringList keyNames(QStringView section) const;

private:
    struct Data;
    std::unique_ptr<Data> d;
};

} // namespace velmaro
