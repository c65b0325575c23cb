// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "session/backuprestore.h"

#include "notes/encoding.h"
#include "notes/keys.h"
#include "notes/regularfile.h"
#include "notes/settingsstore.h"
#include "notes/storednote.h"
#include "notes/writeproblem.h"
#include "session/backups.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <optional>

namespace velmaro {

namespace {

// As many notes as the strip shows: a hand-edited count may be far larger.
constexpr int kMostNotes = 100;
constexpr int kSummaryNotes = 3;
constexpr int kSummaryWords = 40;

QString labelOf(const QString& fileName)
{
    const QDateTime moment = *backupMoment(fileName);
    // A daily backup's name holds its day alone.
    if (fileName.size() == backupFileName(moment.date()).size())
        return moment.toString(QStringLiteral("yyyy-MM-dd"));
    return moment.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

// Binary data rather than text: a NUL, or more control characters (other than tabs
// and line ends) than a pasted one here and there in the notes would give.
bool looksBinary(const QByteArray& bytes)
{
    const QString text = decodeText(bytes).text;
    const auto controls = std::count_if(text.cbegin(), text.cend(), [](QChar c) {
        return c.unicode() < 0x20 && c != u'\t' && c != u'\r' && c != u'\n';
    });
    return text.contains(QChar(0)) || (controls > 4 && controls * 100 > text.size());
}

// The notes of the backup at `path`, read through the store as the strip reads them;
// nullopt when it does not read as a settings file.
std::optional<QStringList> readBackupNotes(const QString& path)
{
    const std::optional<QByteArray> bytes = readRegularFile(path);
    if (!bytes || bytes->trimmed().isEmpty() || looksBinary(*bytes))
        return std::nullopt;
    const SettingsStore store(path);
    if (!store.isReadable() || store.keyNames(keys::kData).isEmpty())
        return std::nullopt;
    QStringList notes;
    const int count = std::min(readNoteCount(store).count, kMostNotes);
    for (int n = 1; n <= count; ++n)
        notes.append(readStoredNote(store, n).text());
    return notes;
}

// The beginning of a note's text on one line, cut at a word where it is long.
QString firstWords(const QString& text)
{
    const QString line = text.simplified();
    if (line.size() <= kSummaryWords)
        return line;
    QString cut = line.left(kSummaryWords);
    if (const qsizetype blank = cut.lastIndexOf(QLatin1Char(' ')); blank > kSummaryWords / 2)
        cut.truncate(blank);
    return cut + QStringLiteral("…");
}

} // namespace

QList<BackupEntry> readBackups(const QString& folder)
{
    settlePendingBackup();
    QList<BackupEntry> entries;
    for (const QString& name : listBackups(folder)) {
        BackupEntry entry;
        entry.fileName = name;
        entry.label = labelOf(name);
        if (const auto notes = readBackupNotes(folder + QLatin1Char('/') + name)) {
            entry.damaged = false;
            entry.notes = *notes;
        }
        entries.append(entry);
    }
    return entries;
}

QString noteCountText(int count)
{
    // Spanish is the source language and has no catalogue of its own to give the
    // singular of a plural text.
    if (count == 1)
        return QCoreApplication::translate("Backups", "1 nota");
    return QCoreApplication::translate("Backups", "%n notas", nullptr, count);
}

QString backupSummary(const BackupEntry& entry)
{
    if (entry.damaged)
        return QCoreApplication::translate("Backups", "dañada");
    QStringList first;
    for (const QString& note : entry.notes.mid(0, kSummaryNotes))
        first.append(firstWords(note));
    QString summary = noteCountText(int(entry.notes.size()));
    if (!first.isEmpty())
        summary += QStringLiteral(": ") + first.join(QStringLiteral(" / "));
    if (entry.notes.size() > kSummaryNotes)
        summary += QStringLiteral(" …");
    return summary;
}

int findBackup(const QList<BackupEntry>& backups, const QString& which)
{
    bool isNumber = false;
    const int number = which.trimmed().toInt(&isNumber);
    if (isNumber)
        return number >= 1 && number <= backups.size() ? number - 1 : -1;
    QString label = which.trimmed();
    label.replace(QLatin1Char('T'), QLatin1Char(' '));
    for (qsizetype i = 0; i < backups.size(); ++i) {
        if (backups[i].label == label)
            return int(i);
    }
    return -1;
}

QString restoredMessage(const RestoreOutcome& outcome)
{
    if (outcome.kept.isEmpty())
        return QCoreApplication::translate("Backups", "Restaurada la copia del %1.")
            .arg(outcome.restored);
    return QCoreApplication::translate(
               "Backups", "Restaurada la copia del %1. Las notas que había se guardaron como "
                          "la copia del %2.")
        .arg(outcome.restored, outcome.kept);
}

RestoreOutcome restoreBackup(const QString& settingsFile, const QString& which,
                             const QDateTime& now)
{
    const QString folder = backupFolderOf(settingsFile);
    const QList<BackupEntry> backups = readBackups(folder);
    const int index = findBackup(backups, which);
    if (index < 0)
        return {QCoreApplication::translate("Backups", "no hay ninguna copia «%1».").arg(which),
                {},
                {}};
    const BackupEntry& chosen = backups[index];
    const QString chosenPath = folder + QLatin1Char('/') + chosen.fileName;
    const std::optional<QByteArray> bytes = readRegularFile(chosenPath);
    if (chosen.damaged || !bytes)
        return {QCoreApplication::translate("Backups",
                                            "la copia del %1 está dañada: no se puede restaurar.")
                    .arg(chosen.label),
                {},
                {}};

    // The file in place now is kept first, under a name no other backup has.
    RestoreOutcome outcome{{}, chosen.label, {}};
    int error = 0;
    const std::optional<QByteArray> current =
        QFileInfo::exists(settingsFile) ? readRegularFile(settingsFile, &error) : QByteArray();
    if (!current)
        return {QCoreApplication::translate("Backups", "no se restaura nada: %1")
                    .arg(whyNotRead(settingsFile, error)),
                {},
                {}};
    if (!current->isEmpty()) {
        QDateTime moment = now;
        while (QFileInfo::exists(folder + QLatin1Char('/') + keptFileName(moment)))
            moment = moment.addSecs(1);
        const QString keptPath = folder + QLatin1Char('/') + keptFileName(moment);
        error = ensureBackupFolder(folder) ? replaceRegularFile(keptPath, *current) : EACCES;
        if (error != 0)
            return {QCoreApplication::translate(
                        "Backups",
                        "no se restaura nada: las notas actuales no se pudieron guardar como "
                        "copia (%1).")
                        .arg(whyNotWritten(keptPath, error)),
                    {},
                    {}};
        outcome.kept = labelOf(keptFileName(moment));
    }
    error = replaceRegularFile(settingsFile, *bytes);
    if (error != 0)
        return {QCoreApplication::translate("Backups", "no se pudo restaurar la copia del %1: %2")
                    .arg(chosen.label, whyNotWritten(settingsFile, error)),
                {},
                outcome.kept};
    return outcome;
}

} // namespace velmaro
