// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// The list-all document: the list file (lista.txt) built from the stored notes, its
// bytes on disk, and the lines the list window shows.

#include "notes/settingsstore.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <stdexcept>

namespace velmaro {

class ListFileError : public std::runtime_error {
public:
    explicit ListFileError(const QString& message);
    QString message() const { return m_message; }

private:
    QString m_message;
};

// "Listado de Velmaro (" + the maker's web address + ")".
QString listTitle();

// For each note 1..count: an alarm line ("Alarma: " and the stored alarm) when
// General/AlarmTime is exactly "True" and the stored alarm text is not empty, then the
// note's text (line breaks decoded), then CR and the CR LF line end. Empty for no
// notes. The list file always says "Alarma: "; the document a person reads says it in
// the interface's language (readerAlarmLabel()).
QString listText(const SettingsStore& store, int count,
                 const QString& alarmLabel = QStringLiteral("Alarma: "));
QString readerAlarmLabel();

// Windows-1252 bytes; when some character has no byte there, the whole text as UTF-8
// after a byte-order mark instead, so that nothing is lost (the settings file's rule).
QByteArray encodeListText(QStringView text);
// The reverse: UTF-8 after a byte-order mark, Windows-1252 otherwise.
QString decodeListText(QByteArrayView bytes);

// Rewrites the file from scratch; throws ListFileError with the system's message.
void writeListFile(const QString& path, QByteArrayView bytes);
QString readListFile(const QString& path);

// The lines of a text split at CR LF, CR or LF; a line end at the very end does not
// start another line, so "a\r\r\n" gives "a" and one empty line.
QStringList splitLines(QStringView text);

// The plain text shown by the list window: the title, then the list text's lines.
QString listWindowText(QStringView listFileText);

} // namespace velmaro
