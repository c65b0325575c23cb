// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// The settings store: the one INI file (tw.cfg) through which every setting and
// every note is read and written.
//
// Rules kept exactly:
//  - section and key names match without regard to letter case and surrounding blanks;
//  - an absent key gives the caller's default, a present empty value gives empty text;
//  - values are read back trimmed and without one pair of matching quotes;
//  - a read returns at most 2047 characters unless the caller asks for more;
//  - a write replaces the value where it stands or appends the key at the end of its
//    section, creating the section at the end of the file with the writer's spelling;
//  - empty values are kept; keys and sections are never deleted;
//  - a failed write raises StoreError "Unable to write to <path>", followed by a Spanish
//    line that says the changes cannot be saved and why (notes/writeproblem.h); the
//    file and the store keep what the file held, and a later write tries again.
//
// Every write reaches the file at once by an atomic replacement (temporary file in the
// same folder, flushed to disk, renamed over the old one). A WriteGroup lets one user
// operation put all its writes into one replacement.
//
// On disk the file is Windows-1252 with CR LF line ends (LF alone and CR alone read
// the same). When a value holds a character Windows-1252 cannot represent, the whole
// file is written as UTF-8 with a byte-order mark instead, so that nothing is lost; a
// file with that mark is read as UTF-8, and one saved as UTF-16 is read as such and
// written back as UTF-8. A write that would leave the file's bytes as they are does
// not replace it.
//
// Only a regular file (or a link to one, whose target is then replaced) is read or
// written: a folder, FIFO, device or dangling link reads as unreadable, and every
// write to it fails without touching it.

#include "notes/inidocument.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <memory>
#include <optional>
#include <stdexcept>

namespace velmaro {

inline constexpr int kReadLimit = 2047;
inline constexpr int kNoLimit = -1;

// The default that tells an absent key from a present one.
inline const QString kAbsent = QStringLiteral("NO_ESTA");

class StoreError : public std::runtime_error {
public:
    explicit StoreError(const QString& message);
    QString message() const { return m_message; }

private:
    QString m_message;
};

class SettingsStore {
public:
    SettingsStore();
    explicit SettingsStore(const QString& path);
    ~SettingsStore();
    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    // Opening never fails: a missing or unreadable file reads as an empty one; one
    // that exists and cannot be read refuses every write.
    void open(const QString& path);
    void close();
    // Closes the store and names the file it stands for without reading it: every
    // write is then refused with an error that names that file, until open().
    void setPath(const QString& path);
    bool isOpen() const;
    // Open, and the file could be read (a missing one reads as empty).
    bool isReadable() const;
    QString path() const;

    QString readString(QStringView section, QStringView key, const QString& defaultValue,
                       int limit = kReadLimit) const;
    // The names of the keys the section holds, folded to lower case, in no order.
    QStringList keyNames(QStringView section) const;
    // Lenient: text that is not an integer (decimal, $hex, 0xhex, xhex) gives the default.
    int readInteger(QStringView section, QStringView key, int defaultValue) const;
    // Fixed Spanish locale (decimal comma); text that does not parse gives the default.
    double readFloat(QStringView section, QStringView key, double defaultValue) const;

    // Each throws StoreError when the file cannot be written.
    void writeString(QStringView section, QStringView key, const QString& value);
    void writeInteger(QStringView section, QStringView key, int value);
    void writeFloat(QStringView section, QStringView key, double value);
    // Makes sure every write so far has reached the disk (a no-op outside a group).
    void flush();
    // After a write was refused, throws that StoreError again unless a replacement of
    // the file would go through now (tried all but the rename). For a step that
    // changes another file before it writes here, so that it is not done in vain.
    void checkWritable();

    // How often the file has been found holding other bytes than the store last read
    // or wrote, that is changed by another hand, since it was opened. Looks at the file
    // first (outside a group). A file that vanished does not count until it is back
    // with other bytes; a replacement with the same bytes does not count at all.
    quint64 outsideChanges() const;

    // While at least one group is alive, writes collect in memory; the outermost group
    // writes them all in one atomic replacement when it ends. If that fails, the store
    // goes back to what the file holds and commit() throws StoreError. A group destroyed
    // without commit() (an exception) still writes what was done, as writes outside a
    // group would have done.
    class WriteGroup {
    public:
        explicit WriteGroup(SettingsStore& store);
        ~WriteGroup();
        WriteGroup(const WriteGroup&) = delete;
        WriteGroup& operator=(const WriteGroup&) = delete;
        void commit();

    private:
        SettingsStore* m_store;
        bool m_done = false;
    };

    // While at least one pass is alive, reads take the file as it was when the first
    // began: one look at the file for a whole read of many keys, and no read that
    // mixes an older and a newer file.
    class ReadPass {
    public:
        explicit ReadPass(const SettingsStore& store);
        ~ReadPass();
        ReadPass(const ReadPass&) = delete;
        ReadPass& operator=(const ReadPass&) = delete;

    private:
        const SettingsStore& m_store;
    };

private:
    struct Data;
    std::unique_ptr<Data> d;
};

} // namespace velmaro
