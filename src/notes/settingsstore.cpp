#include "notes/settingsstore.h"

#include "notes/codec.h"
#include "notes/datetime.h"
#include "notes/encoding.h"
#include "notes/regularfile.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSaveFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <vector>

namespace velmaro {

StoreError::StoreError(const QString& message)
    : std::runtime_error(message.toStdString()), m_message(message)
{
}

// ---------------------------------------------------------------------------------
// IniDocument

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\v' || c == u'\f';
}

QStringView trimBlanks(QStringView s)
{
    return trimmedBy(s, isBlank);
}

// Names compare without regard to case or surrounding blanks.
QString foldName(QStringView name)
{
    return trimBlanks(name).toString().toCaseFolded();
}

// The value as a reader sees it: trimmed, one pair of matching quotes removed.
QStringView readerForm(QStringView raw)
{
    QStringView v = trimBlanks(raw);
    if (v.size() >= 2 && (v.front() == u'"' || v.front() == u'\'') && v.back() == v.front())
        v = v.mid(1, v.size() - 2);
    return v;
}

// A value is one line: a CR or LF a caller passes is written as the line-break
// encoding writes it ("?" and "#"), so that it can never end the line early.
QString singleLine(QString value)
{
    if (value.contains(u'\r') || value.contains(u'\n')) {
        value.replace(u'\r', u'?');
        value.replace(u'\n', u'#');
    }
    return value;
}

// The text to put after "=" so that a reader gets `value` back exactly: a value with
// surrounding blanks, or one that a reader would unquote, is wrapped in double quotes.
QString storedForm(const QString& value)
{
    if (readerForm(value).size() == value.size())
        return value;
    return u'"' + value + u'"';
}

struct Line {
    QString text;      // the whole line without its ending
    qsizetype eq = -1; // position of "=" for an entry line, else -1
};

struct Section {
    QString name;             // as written between the brackets, trimmed
    bool hasHeader = false;   // false only for the lines before the first header
    std::vector<Line> lines;  // the header line first when there is one
    QHash<QString, int> keys; // folded key -> index of its first entry line
    int lastEntry = -1;       // index of the last entry line, -1 when none
};

} // namespace

struct IniDocument::Data {
    std::vector<Section> sections;
    QHash<QString, std::vector<int>> index; // folded section name -> sections, in order
    // Read from a Unicode file: written back as UTF-8 whatever its text.
    bool utf8 = false;

    void addLine(QString text);
    const Line* find(QStringView section, QStringView key, int* sec, int* line) const;
};

void IniDocument::Data::addLine(QString text)
{
    const QStringView t = trimBlanks(text);
    if (t.startsWith(u'[')) {
        const qsizetype close = t.lastIndexOf(u']');
        if (close > 0) {
            Section s;
            s.name = trimBlanks(t.mid(1, close - 1)).toString();
            s.hasHeader = true;
            index[s.name.toCaseFolded()].push_back(int(sections.size()));
            s.lines.push_back(Line{std::move(text), -1});
            sections.push_back(std::move(s));
            return;
        }
    }
    if (sections.empty()) {
        sections.push_back(Section{});
        index[QString()].push_back(0);
    }
    Section& s = sections.back();
    // An entry needs a section, a key and "="; comments and junk stay plain lines.
    qsizetype eq = text.indexOf(u'=');
    if (!s.hasHeader || eq <= 0 || t.startsWith(u';') || t.startsWith(u'#'))
        eq = -1;
    const QString key = eq > 0 ? foldName(QStringView(text).left(eq)) : QString();
    if (key.isEmpty())
        eq = -1;
    if (eq > 0) {
        s.lastEntry = int(s.lines.size());
        if (!s.keys.contains(key))
            s.keys.insert(key, s.lastEntry);
    }
    s.lines.push_back(Line{std::move(text), eq});
}

const Line* IniDocument::Data::find(QStringView section, QStringView key, int* sec, int* line) const
{
    const auto it = index.constFind(foldName(section));
    if (it == index.constEnd())
        return nullptr;
    const QString k = foldName(key);
    for (int si : *it) {
        const Section& s = sections[size_t(si)];
        if (!s.hasHeader)
            continue;
        const auto kit = s.keys.constFind(k);
        if (kit != s.keys.constEnd()) {
            if (sec)
                *sec = si;
            if (line)
                *line = *kit;
            return &s.lines[size_t(*kit)];
        }
    }
    return nullptr;
}

IniDocument::IniDocument() : d(std::make_unique<Data>()) {}
IniDocument::~IniDocument() = default;
IniDocument::IniDocument(const IniDocument& other) : d(std::make_unique<Data>(*other.d)) {}
IniDocument& IniDocument::operator=(const IniDocument& other)
{
    if (this != &other)
        d = std::make_unique<Data>(*other.d);
    return *this;
}
IniDocument::IniDocument(IniDocument&& other) noexcept : d(std::move(other.d)) {}
IniDocument& IniDocument::operator=(IniDocument&& other) noexcept
{
    d = std::move(other.d);
    return *this;
}

IniDocument IniDocument::parse(QByteArrayView bytes)
{
    IniDocument doc;
    DecodedText decoded = decodeText(bytes);
    doc.d->utf8 = decoded.unicode;
    const QString& text = decoded.text;

    // A line ends at CR LF, at LF alone or at CR alone.
    qsizetype start = 0;
    const qsizetype size = text.size();
    while (start < size) {
        qsizetype end = start;
        while (end < size && text[end] != u'\n' && text[end] != u'\r')
            ++end;
        doc.d->addLine(text.mid(start, end - start));
        if (end < size && text[end] == u'\r' && end + 1 < size && text[end + 1] == u'\n')
            ++end;
        start = end + 1;
    }
    return doc;
}

QByteArray IniDocument::serialize() const
{
    QString text;
    qsizetype size = 0;
    for (const Section& s : d->sections) {
        for (const Line& l : s.lines)
            size += l.text.size() + 2;
    }
    text.reserve(size);
    for (const Section& s : d->sections) {
        for (const Line& l : s.lines) {
            text.append(l.text);
            text.append(u"\r\n");
        }
    }
    if (!d->utf8) {
        // Windows-1252 when every character has a byte there and the bytes cannot be
        // mistaken for UTF-8 or for a byte-order mark when read back.
        if (auto bytes = encodeCp1252(text)) {
            if (!startsWithUnicodeMark(*bytes) && (!hasHighBytes(*bytes) || !isValidUtf8(*bytes)))
                return *bytes;
        }
    }
    return kUtf8Bom + text.toUtf8();
}

std::optional<QString> IniDocument::value(QStringView section, QStringView key) const
{
    const Line* l = d->find(section, key, nullptr, nullptr);
    if (!l)
        return std::nullopt;
    return readerForm(QStringView(l->text).mid(l->eq + 1)).toString();
}

void IniDocument::setValue(QStringView section, QStringView key, const QString& value)
{
    const QString stored = storedForm(singleLine(value));
    int si = -1, li = -1;
    if (d->find(section, key, &si, &li)) {
        Line& l = d->sections[size_t(si)].lines[size_t(li)];
        // Keep the key as the file spells it.
        const QString k = trimBlanks(QStringView(l.text).left(l.eq)).toString();
        l.text = k + u'=' + stored;
        l.eq = k.size();
        return;
    }

    const QString k = singleLine(trimBlanks(key).toString());
    Section* target = nullptr;
    const auto it = d->index.constFind(foldName(section));
    if (it != d->index.constEnd()) {
        for (int i : *it) {
            if (d->sections[size_t(i)].hasHeader) {
                target = &d->sections[size_t(i)];
                break;
            }
        }
    }
    if (!target) {
        Section s;
        s.name = singleLine(trimBlanks(section).toString());
        s.hasHeader = true;
        s.lines.push_back(Line{u'[' + s.name + u']', -1});
        d->index[s.name.toCaseFolded()].push_back(int(d->sections.size()));
        d->sections.push_back(std::move(s));
        target = &d->sections.back();
    }
    // After the section's last entry, or right after its header; blank lines, comments
    // and junk that follow stay where they are. Nothing after that point is an entry,
    // so the key index does not move.
    const int at = target->lastEntry >= 0 ? target->lastEntry + 1 : 1;
    target->lines.insert(target->lines.begin() + at, Line{k + u'=' + stored, k.size()});
    target->lastEntry = at;
    target->keys.insert(foldName(k), at);
}

// ---------------------------------------------------------------------------------
// SettingsStore

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

// Makes a rename in `folder` last across a power cut.
void syncFolder(const QString& folder)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
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
    int groupDepth = 0;
    bool pending = false; // writes made inside a group, not yet on disk
    // A digest of the bytes last read or written, and how often the file held others.
    QByteArray digest;
    quint64 outsideChanges = 0;

    void load();
    void refresh();
    bool save();
    void write(QStringView section, QStringView key, const QString& value);
    StoreError failure() const { return StoreError(QStringLiteral("Unable to write to ") + path); }
};

void SettingsStore::Data::load()
{
    doc = IniDocument();
    diskBytes.clear();
    unreadable = false;
    // Stamp first: a change made while reading shows as a change at the next check.
    stamp = stampOf(path);
    if (!stamp.exists) {
        unreadable = isDanglingLink(path);
        return;
    }
    std::optional<QByteArray> bytes = stamp.regular ? readRegularFile(path) : std::nullopt;
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
    if (!open || groupDepth > 0)
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
    if ((now.exists && !now.regular) || (!now.exists && isDanglingLink(path)))
        return false;
    const bool existed = now.exists;
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    // An existing file keeps its mode (QSaveFile copies it); a new one is private.
    if (!existed)
        f.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    // Qt 6.4's commit() renames the file into place even when flushing its buffer
    // failed (a full disk, a size limit) and ignores a failed sync, which would leave
    // a cut file behind. So flush and sync here and give up on any failure.
    if (f.write(bytes) != bytes.size() || !f.flush() || ::fdatasync(f.handle()) != 0) {
        f.cancelWriting();
        return false;
    }
    if (!f.commit())
        return false;
    digest = digestOf(bytes);
    // The folder that holds the file itself (a settings file may be a link).
    syncFolder(QFileInfo(QFileInfo(path).canonicalFilePath()).absolutePath());
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
        load();
        throw failure();
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
        d->pending = false;
        d->load();
        throw d->failure();
    }
    d->pending = false;
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
        d.load();
        throw d.failure();
    }
}

} // namespace velmaro
