// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "notes/settingsstore.h"

#include "notes/codec.h"
#include "notes/datetime.h"
#include "notes/regularfile.h"
#include "notes/writeproblem.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFile>

#include <cerrno>
#include <sys/stat.h>

namespace velmaro {

StoreError::StoreError(const QString& message)
    : std::runtime_error(message.toStdString()), m_message(message)
{
}

namespace {

// What identifies the file's content on disk without reading it.
struct FileStamp {
    bool exists = false;
    bool regular = false; // a regular file, or a link to one
    qint64 size = 0;
    qint64 mtimeNs = 0;
    quint64 inode = 0;
    quint64 device = 0;
    bool operator==(const FileStamp&) const = default;
};

FileStamp stampOf(const QString& path)
{
    FileStamp st;
    struct stat sb;
    if (::stat(QFile::encodeName(path).constData(), &sb) != 0)
        return st;
    st.exists = true;
    st.regular = S_ISREG(sb.st_mode);
    st.size = sb.st_size;
    st.mtimeNs = qint64(sb.st_mtim.tv_sec) * 1000000000 + sb.st_mtim.tv_nsec;
    st.inode = sb.st_ino;
    st.device = sb.st_dev;
    return st;
}

QByteArray digestOf(const QByteArray& bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha1);
}

// A link whose target is missing: writing through it would put a file elsewhere or
// replace the link, so it is left alone.
bool isDanglingLink(const QString& path)
{
    struct stat sb;
    return ::lstat(QFile::encodeName(path).constData(), &sb) == 0 && S_ISLNK(sb.st_mode);
}

} // namespace

struct SettingsStore::Data {
    QString path;
    bool open = false;
    IniDocument doc;
    FileStamp stamp;
    // What the file held at `stamp`: a write that would put the same bytes back leaves
    // the file alone.
    QByteArray diskBytes;
    // The file exists but could not be read: writing would replace what it holds.
    bool unreadable = false;
    // The system's error number of the last failed read (while unreadable) or write.
    int error = 0;
    bool refusing = false; // the last write did not reach the file
    int groupDepth = 0;
    int readPasses = 0;
    bool pending = false; // writes made inside a group, not yet on disk
    // A digest of the bytes last read or written, and how often the file held others.
    QByteArray digest;
    quint64 outsideChanges = 0;

    void load();
    void refresh();
    bool save();
    void write(QStringView section, QStringView key, const QString& value);
    StoreError failure() const;
};

StoreError SettingsStore::Data::failure() const
{
    if (!open) {
        // Closed: what stands at the path tells why.
        QString reason = QCoreApplication::translate("WriteProblem", "el archivo no está abierto");
        int readError = 0;
        if (!QFile::exists(path) && !isDanglingLink(path))
            reason = whyNotWritten(path, ENOENT);
        else if (!readRegularFile(path, &readError))
            reason = whyNotRead(path, readError);
        return StoreError(unableToWriteMessage(path, reason));
    }
    return StoreError(unableToWriteMessage(path, unreadable ? whyNotRead(path, error)
                                                            : whyNotWritten(path, error)));
}

void SettingsStore::Data::load()
{
    doc = IniDocument();
    diskBytes.clear();
    unreadable = false;
    error = 0;
    // Stamp first: a change made while reading shows as a change at the next check.
    stamp = stampOf(path);
    if (!stamp.exists) {
        unreadable = isDanglingLink(path);
        return;
    }
    std::optional<QByteArray> bytes = stamp.regular ? readRegularFile(path, &error) : std::nullopt;
    if (!bytes) {
        unreadable = true;
        return;
    }
    diskBytes = std::move(*bytes);
    doc = IniDocument::parse(diskBytes);
    QByteArray seen = digestOf(diskBytes);
    if (!digest.isNull() && seen != digest)
        ++outsideChanges;
    digest = std::move(seen);
}

void SettingsStore::Data::refresh()
{
    // Inside a group the document holds writes that are not on disk yet.
    if (!open || groupDepth > 0 || readPasses > 0)
        return;
    if (unreadable || stampOf(path) != stamp)
        load();
}

bool SettingsStore::Data::save()
{
    if (!open || path.isEmpty() || unreadable)
        return false;
    const QByteArray bytes = doc.serialize();
    const FileStamp now = stampOf(path);
    if (now.exists && now == stamp && bytes == diskBytes)
        return true; // nothing changes: another reader sees the file as it was
    // Only a regular file (or a link to one) is replaced; a missing one is created.
    if ((now.exists && !now.regular) || (!now.exists && isDanglingLink(path))) {
        error = 0;
        refusing = true;
        return false;
    }
    error = replaceRegularFile(path, bytes);
    refusing = error != 0;
    if (refusing)
        return false;
    digest = digestOf(bytes);
    stamp = stampOf(path);
    diskBytes = bytes;
    return true;
}

void SettingsStore::Data::write(QStringView section, QStringView key, const QString& value)
{
    if (!open)
        throw failure();
    refresh();
    if (unreadable)
        throw failure();
    doc.setValue(section, key, value);
    if (groupDepth > 0) {
        pending = true;
        return;
    }
    if (!save()) {
        const StoreError refused = failure();
        load();
        throw refused;
    }
}

SettingsStore::SettingsStore() : d(std::make_unique<Data>()) {}
SettingsStore::SettingsStore(const QString& path) : SettingsStore()
{
    open(path);
}
SettingsStore::~SettingsStore() = default;

void SettingsStore::open(const QString& path)
{
    d->path = path;
    d->open = true;
    d->groupDepth = 0;
    d->pending = false;
    d->digest = QByteArray();
    d->outsideChanges = 0;
    d->refusing = false;
    d->load();
    // What is there now is where outside changes are counted from; a file that is
    // missing counts as empty.
    if (d->digest.isNull())
        d->digest = digestOf(QByteArray());
}

void SettingsStore::close()
{
    d->open = false;
    d->doc = IniDocument();
    d->stamp = FileStamp();
    d->diskBytes.clear();
    d->unreadable = false;
    d->pending = false;
}

void SettingsStore::setPath(const QString& path)
{
    close();
    d->path = path;
}

bool SettingsStore::isOpen() const
{
    return d->open;
}

bool SettingsStore::isReadable() const
{
    d->refresh();
    return d->open && !d->unreadable;
}

QString SettingsStore::path() const
{
    return d->path;
}

QString SettingsStore::readString(QStringView section, QStringView key, const QString& defaultValue,
                                  int limit) const
{
    d->refresh();
    auto v = d->doc.value(section, key);
    if (!v)
        return defaultValue;
    if (limit >= 0 && v->size() > limit) {
        // Never split a character that takes two UTF-16 units.
        if (limit > 0 && v->at(limit - 1).isHighSurrogate())
            --limit;
        v->truncate(limit);
    }
    return *v;
}

int SettingsStore::readInteger(QStringView section, QStringView key, int defaultValue) const
{
    d->refresh();
    const auto v = d->doc.value(section, key);
    if (!v)
        return defaultValue;
    return parseInteger(QStringView(*v).left(kReadLimit)).value_or(defaultValue);
}

QStringList SettingsStore::keyNames(QStringView section) const
{
    d->refresh();
    return d->doc.keyNames(section);
}

double SettingsStore::readFloat(QStringView section, QStringView key, double defaultValue) const
{
    d->refresh();
    const auto v = d->doc.value(section, key);
    if (!v)
        return defaultValue;
    return parseFloat(QStringView(*v).left(kReadLimit)).value_or(defaultValue);
}

void SettingsStore::writeString(QStringView section, QStringView key, const QString& value)
{
    d->write(section, key, value);
}

void SettingsStore::writeInteger(QStringView section, QStringView key, int value)
{
    d->write(section, key, QString::number(value));
}

void SettingsStore::writeFloat(QStringView section, QStringView key, double value)
{
    d->write(section, key, formatFloat(value));
}

void SettingsStore::flush()
{
    if (d->groupDepth == 0 || !d->pending)
        return;
    if (!d->save()) {
        const StoreError refused = d->failure();
        d->pending = false;
        d->load();
        throw refused;
    }
    d->pending = false;
}

void SettingsStore::checkWritable()
{
    if (!d->open || d->unreadable)
        throw d->failure();
    if (!d->refusing)
        return;
    const FileStamp now = stampOf(d->path);
    d->error = now.exists && !now.regular
                   ? 0
                   : tryReplacingRegularFile(d->path, d->doc.serialize().size() + 64);
    if (d->error != 0 || (now.exists && !now.regular))
        throw d->failure();
}

quint64 SettingsStore::outsideChanges() const
{
    d->refresh();
    return d->outsideChanges;
}

SettingsStore::WriteGroup::WriteGroup(SettingsStore& store) : m_store(&store)
{
    Data& d = *m_store->d;
    if (d.groupDepth == 0) {
        // Start from what the file holds now, so that a hand edit is not overwritten.
        d.refresh();
        d.pending = false;
    }
    ++d.groupDepth;
}

SettingsStore::WriteGroup::~WriteGroup()
{
    if (m_done)
        return;
    try {
        commit();
    } catch (const StoreError&) {
        // Already reported by the failure that unwinds us, or unreportable here; the
        // store holds what the file holds.
    }
}

void SettingsStore::WriteGroup::commit()
{
    if (m_done)
        return;
    m_done = true;
    Data& d = *m_store->d;
    if (d.groupDepth > 0)
        --d.groupDepth;
    if (d.groupDepth > 0 || !d.pending)
        return;
    d.pending = false;
    if (!d.save()) {
        const StoreError refused = d.failure();
        d.load();
        throw refused;
    }
}

SettingsStore::ReadPass::ReadPass(const SettingsStore& store) : m_store(store)
{
    m_store.d->refresh();
    ++m_store.d->readPasses;
}

SettingsStore::ReadPass::~ReadPass()
{
    --m_store.d->readPasses;
}

} // namespace velmaro
