// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "notes/storednote.h"

#include "notes/codec.h"
#include "notes/keys.h"

#include <algorithm>
#include <array>
#include <vector>

namespace velmaro {

namespace {

constexpr std::array<QStringView, 5> kNoteKeys{u"Date", u"Sentence", u"Color", u"Alarm", u"Sound"};

QString noteKey(QStringView name, int n)
{
    return name.toString() + QString::number(n);
}

std::optional<QString> readKey(const SettingsStore& store, QStringView name, int n)
{
    QString text = store.readString(keys::kData, noteKey(name, n), kAbsent, kNoLimit);
    if (text == kAbsent)
        return std::nullopt;
    return text;
}

// The note number of a folded key name such as "sentence12"; 0 for any other name.
int noteNumberOf(const QString& folded)
{
    // Folded once: every key of the notes' section passes here at each count.
    static const std::array<QString, kNoteKeys.size()> prefixes = [] {
        std::array<QString, kNoteKeys.size()> folded;
        for (std::size_t i = 0; i < kNoteKeys.size(); ++i)
            folded[i] = kNoteKeys[i].toString().toCaseFolded();
        return folded;
    }();
    for (const QString& prefix : prefixes) {
        if (!folded.startsWith(prefix))
            continue;
        const QStringView digits = QStringView(folded).mid(prefix.size());
        // Only the spelling this program reads back ("Sentence07" is another key):
        // decimal digits, the first not 0.
        const bool plain = !digits.isEmpty() && digits.front() != u'0' &&
                           std::all_of(digits.begin(), digits.end(),
                                       [](QChar c) { return c >= u'0' && c <= u'9'; });
        bool ok = false;
        const int n = plain ? digits.toInt(&ok) : 0;
        return ok ? n : 0;
    }
    return 0;
}

} // namespace

QString StoredNote::text() const
{
    return decodeLineBreaks(sentence.value_or(kAbsent));
}

QString NoteCount::problem() const
{
    return unreadable ? notAnIntegerMessage(*unreadable) : QString();
}

StoredNote readStoredNote(const SettingsStore& store, int n)
{
    return {readKey(store, kNoteKeys[0], n), readKey(store, kNoteKeys[1], n),
            readKey(store, kNoteKeys[2], n), readKey(store, kNoteKeys[3], n),
            readKey(store, kNoteKeys[4], n)};
}

void writeStoredNote(SettingsStore& store, int n, const StoredNote& note)
{
    const std::array<const std::optional<QString>*, 5> values{
        &note.date, &note.sentence, &note.color, &note.alarm, &note.sound};
    for (size_t i = 0; i < kNoteKeys.size(); ++i)
        store.writeString(keys::kData, noteKey(kNoteKeys[i], n), values[i]->value_or(kAbsent));
}

void clearStoredNote(SettingsStore& store, int n)
{
    for (QStringView name : kNoteKeys)
        store.writeString(keys::kData, noteKey(name, n), QString());
}

int lastStoredNote(const SettingsStore& store)
{
    std::vector<std::pair<int, QString>> numbered;
    for (QString& name : store.keyNames(keys::kData)) {
        if (const int n = noteNumberOf(name))
            numbered.emplace_back(n, std::move(name));
    }
    // From the highest number down: the first key with a value is the answer.
    std::sort(numbered.begin(), numbered.end(),
              [](const auto& a, const auto& b) { return a.first > b.first; });
    for (const auto& [n, name] : numbered) {
        if (!store.readString(keys::kData, name, QString(), 1).isEmpty())
            return n;
    }
    return 0;
}

NoteCount readNoteCount(const SettingsStore& store)
{
    NoteCount result;
    const std::optional<QString> total = readPresent(store, keys::kTotalData);
    const std::optional<int> stored = total ? parseInteger(*total) : std::nullopt;
    if (total && !stored)
        result.unreadable = *total;
    result.count = std::max(stored.value_or(0), lastStoredNote(store));
    return result;
}

void writeNoteCount(SettingsStore& store, int count)
{
    writeNumber(store, keys::kTotalData, std::max(count, lastStoredNote(store)));
}

} // namespace velmaro
