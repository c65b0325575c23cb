// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "output/listdocument.h"

#include "notes/codec.h"
#include "notes/keys.h"
#include "notes/storednote.h"
#include "session/startupsettings.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>

namespace velmaro {

namespace {

const QByteArray kUtf8Bom = QByteArrayLiteral("\xEF\xBB\xBF");

} // namespace

ListFileError::ListFileError(const QString& message)
    : std::runtime_error(message.toStdString()), m_message(message)
{
}

QString listTitle()
{
    return QCoreApplication::translate("ListDocument", "Listado de Velmaro (%1)").arg(makerWeb());
}

QString readerAlarmLabel()
{
    return QCoreApplication::translate("ListDocument", "Alarma: ");
}

QString listText(const SettingsStore& store, int count, const QString& alarmLabel)
{
    QString text;
    for (int n = 1; n <= count; ++n) {
        const StoredNote note = readStoredNote(store, n);
        // Read afresh for every note.
        if (readFlag(store, keys::kAlarmTime)) {
            const QString alarm = note.alarm.value_or(QString());
            if (!alarm.isEmpty())
                text += alarmLabel + alarm + QStringLiteral("\r\n");
        }
        text += note.text();
        text += QStringLiteral("\r\r\n");
    }
    return text;
}

QByteArray encodeListText(QStringView text)
{
    QStringEncoder enc("windows-1252", QStringEncoder::Flag::Stateless);
    if (enc.isValid()) {
        QByteArray bytes = enc.encode(text);
        // A text starting with the mark's own characters would read back as UTF-8.
        if (!enc.hasError() && !bytes.startsWith(kUtf8Bom))
            return bytes;
    }
    return kUtf8Bom + text.toUtf8();
}

QString decodeListText(QByteArrayView bytes)
{
    if (bytes.startsWith(kUtf8Bom)) {
        // Only the file's own mark goes: a text that begins with U+FEFF keeps it.
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless |
                                                      QStringDecoder::Flag::ConvertInitialBom);
        return utf8.decode(bytes.sliced(kUtf8Bom.size()));
    }
    QStringDecoder dec("windows-1252", QStringDecoder::Flag::Stateless);
    if (dec.isValid())
        return dec.decode(bytes);
    return QString::fromLatin1(bytes);
}

void writeListFile(const QString& path, QByteArrayView bytes)
{
    QFile f(path);
    // The list holds the notes' text: private to the user, like the settings file,
    // also when an earlier file was readable by others.
    const auto privateMode = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate, privateMode) ||
        !f.setPermissions(privateMode))
        throw ListFileError(f.errorString());
    if (f.write(bytes.data(), bytes.size()) != bytes.size() || !f.flush())
        throw ListFileError(f.errorString());
}

QString readListFile(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        throw ListFileError(f.errorString());
    return decodeListText(f.readAll());
}

QStringList splitLines(QStringView text)
{
    QStringList lines;
    qsizetype start = 0;
    qsizetype i = 0;
    while (i < text.size()) {
        const QChar c = text[i];
        if (c != u'\r' && c != u'\n') {
            ++i;
            continue;
        }
        lines << text.mid(start, i - start).toString();
        i += (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ? 2 : 1;
        start = i;
    }
    if (start < text.size())
        lines << text.mid(start).toString();
    return lines;
}

QString listWindowText(QStringView listFileText)
{
    QStringList lines = splitLines(listFileText);
    lines.prepend(listTitle());
    return lines.join(u'\n');
}

} // namespace velmaro
