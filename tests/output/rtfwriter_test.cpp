// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "output/rtfwriter.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace velmaro;

namespace {

// A title and two notes the way the list window saves them.
RtfDocument listing()
{
    RtfDocument doc;
    doc.paragraphs.push_back(
        {{{QStringLiteral("Listado {de} Velmaro"), true, true}}, true, twips(10), twips(20)});
    doc.paragraphs.push_back({{{QStringLiteral("año \u20AC5 \\ \u03B1\u2028"), false, false},
                               {QStringLiteral("fin"), false, true}},
                              false,
                              twips(10),
                              0});
    doc.paragraphs.push_back({{{QString::fromUtf8("\xF0\x9F\x98\x80\tx"), false, false}}});
    return doc;
}

} // namespace

TEST(RtfWriter, WritesCodePageBytesUnicodeEscapesAndTheParagraphFormats)
{
    const QByteArray expected =
        "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1{\\fonttbl{\\f0\\fswiss\\fcharset0 MS Sans "
        "Serif;}}\r\n"
        "\\pard\\plain\\f0\\fs20\\qc\\fi200\\sb400 {\\b\\ul Listado \\{de\\} Velmaro}\\par\r\n"
        "\\pard\\plain\\f0\\fs20\\fi200 a\\'f1o \\'805 \\\\ \\u945?\\line {\\ul fin}\\par\r\n"
        "\\pard\\plain\\f0\\fs20 \\u-10179?\\u-8704?\\tab x\\par\r\n"
        "}";
    EXPECT_EQ(writeRtf(listing()), expected);
}

TEST(RtfWriter, OpensInARealReaderWithItsFormatting)
{
    const QString unrtf = QStandardPaths::findExecutable(QStringLiteral("unrtf"));
    if (unrtf.isEmpty())
        GTEST_SKIP() << "unrtf is not installed";
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("notas.rtf"));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(writeRtf(listing()));
    f.close();

    QProcess reader;
    reader.start(unrtf, {QStringLiteral("--html"), path});
    ASSERT_TRUE(reader.waitForFinished(20000));
    const QString html = QString::fromUtf8(reader.readAllStandardOutput());
    EXPECT_TRUE(html.contains(QStringLiteral("<center><b><u>Listado {de} Velmaro</u></b>")))
        << qPrintable(html);
    EXPECT_TRUE(html.contains(QStringLiteral("a&ntilde;o &euro;5 \\ &alpha;"))) << qPrintable(html);
    EXPECT_TRUE(html.contains(QStringLiteral("<u>fin</u>"))) << qPrintable(html);
}
