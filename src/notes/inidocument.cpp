// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "notes/inidocument.h"

#include "notes/codec.h"
#include "notes/encoding.h"

#include <QHash>

#include <algorithm>
#include <vector>

namespace velmaro {

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
    const QStringView trimmed = trimBlanks(name);
    // Names are plain ASCII nearly always, and every name of a file passes here as it
    // is read: folded without the Unicode tables, which fold A-Z alone in that range.
    QString folded(trimmed.size(), Qt::Uninitialized);
    QChar* out = folded.data();
    for (const QChar c : trimmed) {
        const char16_t u = c.unicode();
        if (u >= 0x80)
            return trimmed.toString().toCaseFolded();
        *out++ = QChar(u >= u'A' && u <= u'Z' ? char16_t(u + (u'a' - u'A')) : u);
    }
    return folded;
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
    bool hasHeader = false;  // false only for the lines before the first header
    std::vector<Line> lines; // the header line first when there is one
    int lastEntry = -1;      // index of the last entry line, -1 when none
};

// Where a read finds a key: its first entry in the first section of that name that
// holds it at all.
struct EntryRef {
    int section = -1;
    int line = -1;
};

// Every section that carries one name (a hand-edited file may repeat a header many
// times), indexed once so that a lookup costs the same whatever the repetitions.
struct SectionName {
    int first = -1;                // the first section with this name
    QHash<QString, EntryRef> keys; // folded key -> first entry
};

} // namespace

struct IniDocument::Data {
    std::vector<Section> sections;
    QHash<QString, SectionName> index; // folded section name -> its sections' keys
    // While parsing: the name of the last section read (the index only grows at a
    // header, so the pointer stays good until the next one).
    SectionName* current = nullptr;
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
            s.hasHeader = true;
            current = &index[foldName(t.mid(1, close - 1))];
            if (current->first < 0)
                current->first = int(sections.size());
            s.lines.push_back(Line{std::move(text), -1});
            sections.push_back(std::move(s));
            return;
        }
    }
    if (sections.empty())
        sections.push_back(Section{});
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
        if (!current->keys.contains(key))
            current->keys.insert(key, EntryRef{int(sections.size()) - 1, s.lastEntry});
    }
    s.lines.push_back(Line{std::move(text), eq});
}

const Line* IniDocument::Data::find(QStringView section, QStringView key, int* sec, int* line) const
{
    const auto it = index.constFind(foldName(section));
    if (it == index.constEnd())
        return nullptr;
    const auto kit = it->keys.constFind(foldName(key));
    if (kit == it->keys.constEnd())
        return nullptr;
    if (sec)
        *sec = kit->section;
    if (line)
        *line = kit->line;
    return &sections[size_t(kit->section)].lines[size_t(kit->line)];
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
    // Room for every section at once: a file may repeat a header many times.
    const qsizetype lineEnds = text.count(u'\n') + text.count(u'\r');
    doc.d->sections.reserve(size_t(std::min(text.count(u'['), lineEnds)) + 1);

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
    doc.d->current = nullptr;
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

QStringList IniDocument::keyNames(QStringView section) const
{
    const auto found = d->index.constFind(foldName(section));
    return found == d->index.constEnd() ? QStringList() : QStringList(found->keys.keys());
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
    const QString name = singleLine(trimBlanks(section).toString());
    SectionName& named = d->index[foldName(name)];
    if (named.first < 0) {
        Section s;
        s.hasHeader = true;
        s.lines.push_back(Line{u'[' + name + u']', -1});
        named.first = int(d->sections.size());
        d->sections.push_back(std::move(s));
    }
    Section& target = d->sections[size_t(named.first)];
    // After the section's last entry, or right after its header; blank lines, comments
    // and junk that follow stay where they are. Nothing after that point is an entry,
    // so no entry of the index moves.
    const int at = target.lastEntry >= 0 ? target.lastEntry + 1 : 1;
    target.lines.insert(target.lines.begin() + at, Line{k + u'=' + stored, k.size()});
    target.lastEntry = at;
    named.keys.insert(foldName(k), EntryRef{named.first, at});
}

} // namespace velmaro
