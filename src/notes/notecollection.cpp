// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "notes/notecollection.h"

#include "notes/codec.h"
#include "notes/encoding.h"
#include "notes/keys.h"
#include "notes/regularfile.h"
#include "notes/storednote.h"
#include "notes/writeproblem.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>

namespace velmaro {

namespace {

// The tables have room for note numbers 1 to 100; a larger count in a hand-edited
// file is kept as it is but not loaded beyond that.
constexpr int kTableSize = 100;

// Bytes of one archive line in the encoding the archive file already uses: UTF-8 for a
// new file, a file with a UTF-8 mark or a file that is valid UTF-8; Windows-1252 for
// any other file as long as the line fits in it.
QByteArray encodeArchiveLine(const QString& line, const QByteArray& existing)
{
    const bool utf8 = existing.isEmpty() || existing.startsWith(kUtf8Bom) || isValidUtf8(existing);
    if (!utf8) {
        if (auto bytes = encodeCp1252(line))
            return *bytes;
    }
    return line.toUtf8();
}

} // namespace

std::optional<int> priorityMarkColor(QStringView word)
{
    if (word == u"red")
        return 0x0000FF;
    if (word == u"green")
        return 0x00FFFF;
    return std::nullopt;
}

ArchiveError::ArchiveError(const QString& message)
    : std::runtime_error(message.toStdString()), m_message(message)
{
}

NoteCollection::NoteCollection(SettingsStore& store, const platform::Clock& clock)
    : m_store(store), m_clock(clock)
{
}

NoteCollection::Change::Change(NoteCollection& notes)
    : m_notes(notes), m_group(notes.m_store), m_count(notes.m_count)
{
}

NoteCollection::Change::~Change()
{
    if (!m_done)
        m_notes.m_count = m_count;
}

void NoteCollection::Change::commit()
{
    m_group.commit();
    m_done = true;
}

DayCount NoteCollection::sentinel() const
{
    return toDayCount(m_clock.now()) + kAlarmOffDays;
}

void NoteCollection::load()
{
    m_notes.clear();
    const int last = std::min(m_count, kTableSize);
    std::vector<StoredNote> loaded;
    if (last >= 1) {
        m_notes.reserve(size_t(last));
        loaded.reserve(size_t(last));
    }
    const QString sentinelText = formatDateTime(sentinel());
    const DayCount sentinelMoment = parseDateTime(sentinelText).value_or(sentinel());
    const SettingsStore::ReadPass pass(m_store);
    for (int n = 1; n <= last; ++n) {
        StoredNote stored = readStoredNote(m_store, n);
        Note note;
        note.text = stored.text();
        note.priority = stored.color.value_or(kAbsent);
        QString alarm = stored.alarm.value_or(sentinelText);
        if (alarm.isEmpty())
            alarm = sentinelText;
        // A text that is no date-time (a hand edit) gives no alarm; the stored text
        // stays as it is until the note is saved again.
        note.alarm = parseDateTime(alarm).value_or(sentinelMoment);
        note.sound = stored.sound.value_or(QString());
        m_notes.push_back(std::move(note));
        // A save stamps the note's date even when nothing else changed.
        stored.date.reset();
        loaded.push_back(std::move(stored));
    }
    // The first load is no change.
    const bool changed = m_loaded && *m_loaded != loaded;
    m_loaded = std::move(loaded);
    if (changed && m_changed)
        m_changed();
}

void NoteCollection::unload()
{
    m_notes.clear();
}

void NoteCollection::add(const QString& text, const QString& priority, const QString& alarmText,
                         const QString& sound)
{
    const int before = m_count;
    try {
        SettingsStore::WriteGroup group(m_store);
        // After every note the file holds, whatever the count said.
        const int c = std::max(m_count, lastStoredNote(m_store)) + 1;
        m_count = c;
        writeNoteCount(m_store, c);
        writeStoredNote(
            m_store, c,
            {formatDateTime(m_clock.now()), encodeLineBreaks(text), priority, alarmText, sound});
        group.commit();
    } catch (...) {
        m_count = before;
        throw;
    }
}

void NoteCollection::modify(int n, const QString& text, const QString& priority,
                            const QString& alarmText, const QString& sound)
{
    if (n < 1)
        return;
    SettingsStore::WriteGroup group(m_store);
    writeStoredNote(
        m_store, n,
        {formatDateTime(m_clock.now()), encodeLineBreaks(text), priority, alarmText, sound});
    group.commit();
}

void NoteCollection::remove(int n)
{
    if (n < 1 || n > m_count)
        return;
    const int before = m_count;
    try {
        SettingsStore::WriteGroup group(m_store);
        const int c = m_count - 1;
        m_count = c;
        const QString sentinelText = formatDateTime(sentinel());
        for (int k = n; k <= c; ++k) {
            StoredNote next = readStoredNote(m_store, k + 1);
            if (!next.alarm)
                next.alarm = sentinelText;
            if (!next.sound)
                next.sound = QString();
            writeStoredNote(m_store, k, next);
        }
        clearStoredNote(m_store, c + 1);
        // Once the freed slot is empty, so that the count is not held at it.
        writeNoteCount(m_store, c);
        group.commit();
    } catch (...) {
        m_count = before;
        throw;
    }
}

QString NoteCollection::archive(int n, const QString& editorText, const QString& documentsFolder)
{
    // A file that has been refusing writes is tried first: the line is not appended
    // for a removal that cannot be stored.
    m_store.checkWritable();
    const SettingKey& archFile = keys::kArchFile;
    QString path = m_store.readString(archFile.readSection, archFile.readKey, QString(), kNoLimit);
    bool inDocuments = true;
    if (path.isEmpty()) {
        path = documentsFolder + QStringLiteral("/Velmaro.txt");
        writeText(m_store, archFile, path);
    } else if (QDir::isRelativePath(path)) {
        // A bare name ("Velmaro.txt", the settings dialog's default) lives in the
        // documents folder, not wherever the process happened to start.
        path = documentsFolder + u'/' + path;
    } else {
        inDocuments = false;
    }
    if (inDocuments)
        QDir().mkpath(QFileInfo(path).absolutePath());

    QString line = flattenForArchive(editorText);
    const StoredNote stored = readStoredNote(m_store, n);
    if (readFlag(m_store, keys::kAlarmTime))
        line += QStringLiteral(" ;") + stored.alarm.value_or(QString());
    if (readFlag(m_store, keys::kLastUpdate))
        line += QStringLiteral(" ;") + stored.date.value_or(QString());
    if (readFlag(m_store, keys::kExitTime))
        line += QStringLiteral(" ;") + formatDateTime(m_clock.now());

    // The settings file's rules: only a regular file (or a link to one) is read and
    // replaced, in one step; a FIFO, a device or a folder there is refused unopened.
    int error = 0;
    std::optional<QByteArray> existing = readRegularFile(path, &error);
    if (!existing) {
        if (error != ENOENT || QFileInfo(path).isSymLink())
            throw ArchiveError(unableToWriteMessage(path, error == 0 || error == ENOENT
                                                              ? whyNotWritten(path, 0)
                                                              : whyNotRead(path, error)));
        existing.emplace();
    }
    QByteArray bytes = *existing;
    // A last line that a crash or a hand edit cut short does not swallow the new one.
    if (!bytes.isEmpty() && !bytes.endsWith('\n'))
        bytes += "\r\n";
    bytes += encodeArchiveLine(line, *existing) + "\r\n";
    if (const int failed = replaceRegularFile(path, bytes); failed != 0)
        throw ArchiveError(unableToWriteMessage(path, whyNotWritten(path, failed)));
    return path;
}

} // namespace velmaro
