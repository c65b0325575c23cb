// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
// Picture loading by extension, over small files the test writes itself: the Qt
// readers, SVG, a Windows metafile and an enhanced metafile, and the refusals.

#include "widgets/pictureloader.h"

#include "widgets/moduleloader.h"

#include <QDataStream>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>

using namespace velmaro;

namespace {

// Little-endian record writer.
class Bytes {
public:
    Bytes() : m_out(&m_data, QIODevice::WriteOnly)
    {
        m_out.setByteOrder(QDataStream::LittleEndian);
    }
    Bytes& u16(quint16 v)
    {
        m_out << v;
        return *this;
    }
    Bytes& i16(qint16 v)
    {
        m_out << v;
        return *this;
    }
    Bytes& u32(quint32 v)
    {
        m_out << v;
        return *this;
    }
    Bytes& i32(qint32 v)
    {
        m_out << v;
        return *this;
    }
    Bytes& rgb(quint8 r, quint8 g, quint8 b)
    {
        m_out << r << g << b << quint8(0);
        return *this;
    }
    const QByteArray& data() const { return m_data; }

private:
    QByteArray m_data;
    QDataStream m_out;
};

// A 100 x 50 Windows metafile: a red rectangle without outline over the whole frame.
QByteArray redWmf()
{
    Bytes records;
    records.u32(5).u16(0x020B).i16(0).i16(0);                     // SETWINDOWORG y, x
    records.u32(5).u16(0x020C).i16(50).i16(100);                  // SETWINDOWEXT y, x
    records.u32(7).u16(0x02FC).u16(0).rgb(255, 0, 0).u16(0);      // CREATEBRUSHINDIRECT
    records.u32(4).u16(0x012D).u16(0);                            // SELECTOBJECT brush
    records.u32(8).u16(0x02FA).u16(5).i16(0).i16(0).rgb(0, 0, 0); // CREATEPENINDIRECT null
    records.u32(4).u16(0x012D).u16(1);                            // SELECTOBJECT pen
    records.u32(7).u16(0x041B).i16(50).i16(100).i16(0).i16(0);    // RECTANGLE b, r, t, l
    records.u32(3).u16(0x0000);                                   // EOF
    const quint32 words = quint32(9 + records.data().size() / 2);

    Bytes placeable;
    placeable.u32(0x9AC6CDD7).u16(0).i16(0).i16(0).i16(100).i16(50).u16(72).u32(0);
    quint16 sum = 0;
    for (int i = 0; i < 20; i += 2)
        sum ^= quint16(quint8(placeable.data()[i]) | quint8(placeable.data()[i + 1]) << 8);
    placeable.u16(sum);

    Bytes header;
    header.u16(1).u16(9).u16(0x0300).u32(words).u16(2).u32(8).u16(0);
    return placeable.data() + header.data() + records.data();
}

// A 100 x 50 enhanced metafile with the same red rectangle.
QByteArray redEmf()
{
    Bytes records;
    records.u32(39).u32(24).u32(1).u32(0).rgb(255, 0, 0).u32(0); // CREATEBRUSHINDIRECT
    records.u32(37).u32(12).u32(1);                              // SELECTOBJECT
    records.u32(37).u32(12).u32(0x80000008);                     // SELECTOBJECT NULL_PEN
    records.u32(43).u32(24).i32(0).i32(0).i32(100).i32(50);      // RECTANGLE
    records.u32(14).u32(20).u32(0).u32(16).u32(20);              // EOF
    const int total = 88 + records.data().size();

    Bytes header;
    header.u32(1).u32(88).i32(0).i32(0).i32(99).i32(49);   // type, size, bounds
    header.i32(0).i32(0).i32(2646).i32(1323);              // frame, 0.01 mm
    header.u32(0x464D4520).u32(0x10000).u32(total).u32(6); // signature, version, bytes, records
    header.u16(2).u16(0).u32(0).u32(0).u32(0);   // handles, reserved, description, palette
    header.i32(1024).i32(768).i32(271).i32(203); // device pixels and millimetres
    return header.data() + records.data();
}

// A 1 x 1 GIF whose one pixel is red.
QByteArray redGif()
{
    return QByteArray::fromHex("474946383961010001008000"
                               "00ff0000000000"
                               "2c00000000010001000002024401003b");
}

bool isRed(QRgb pixel)
{
    return qRed(pixel) > 200 && qGreen(pixel) < 60 && qBlue(pixel) < 60 && qAlpha(pixel) > 200;
}

} // namespace

class PictureLoaderTest : public QObject {
    Q_OBJECT
private slots:
    // SVG drawings and metafiles come from the pictures module built beside the program.
    void initTestCase() { Module::setSearchFolders({QStringLiteral(VELMARO_MODULE_BUILD_DIR)}); }
    void everyFormatByItsExtension();
    void refusalsGiveANullImageAndAReason();
};

void PictureLoaderTest::everyFormatByItsExtension()
{
    QTemporaryDir dir;
    const auto write = [&](const QString& name, const QByteArray& bytes) {
        QFile f(dir.filePath(name));
        if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(name));
        return dir.filePath(name);
    };
    QImage red(40, 20, QImage::Format_RGB32);
    red.fill(Qt::red);
    for (const char* ext : {"bmp", "jpg", "png", "ico", "JPEG"}) {
        const QString path = dir.filePath(QStringLiteral("pic.") + QLatin1String(ext));
        QVERIFY(red.save(path, QByteArray(ext).toLower() == "jpeg" ? "jpg" : ext));
        QString error;
        const QImage image = loadPicture(path, &error);
        QVERIFY2(!image.isNull(), qPrintable(QLatin1String(ext) + QLatin1Char(' ') + error));
        QCOMPARE(image.size(), QSize(40, 20));
        QVERIFY2(isRed(image.pixel(20, 10)), ext);
    }

    const QImage gif = loadPicture(write(QStringLiteral("one.gif"), redGif()));
    QCOMPARE(gif.size(), QSize(1, 1));
    QVERIFY(isRed(gif.pixel(0, 0)));

    const QImage svg = loadPicture(write(
        QStringLiteral("d.svg"), "<svg xmlns='http://www.w3.org/2000/svg' width='30' height='12'>"
                                 "<rect width='30' height='12' fill='#ff0000'/></svg>"));
    QCOMPARE(svg.size(), QSize(30, 12));
    QVERIFY(isRed(svg.pixel(15, 6)));

    // The metafiles keep their proportions and show their drawing.
    for (const auto& [name, bytes] : {std::pair{QStringLiteral("m.wmf"), redWmf()},
                                      std::pair{QStringLiteral("m.EMF"), redEmf()}}) {
        QString error;
        const QImage image = loadPicture(write(name, bytes), &error);
        QVERIFY2(!image.isNull(), qPrintable(name + QLatin1Char(' ') + error));
        QVERIFY2(qAbs(image.width() - 2 * image.height()) <= 2, qPrintable(name));
        QVERIFY2(isRed(image.pixel(image.width() / 2, image.height() / 2)), qPrintable(name));
    }
}

void PictureLoaderTest::refusalsGiveANullImageAndAReason()
{
    QTemporaryDir dir;
    const auto write = [&](const QString& name, const QByteArray& bytes) {
        QFile f(dir.filePath(name));
        if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(name));
        return dir.filePath(name);
    };
    QImage png(4, 4, QImage::Format_RGB32);
    png.fill(Qt::blue);
    png.save(dir.filePath(QStringLiteral("real.png")));
    QFile::copy(dir.filePath(QStringLiteral("real.png")), dir.filePath(QStringLiteral("real.txt")));

    const QStringList bad = {
        dir.filePath(QStringLiteral("missing.bmp")),
        dir.path(),                               // a folder
        dir.filePath(QStringLiteral("real.txt")), // a picture under an unknown extension
        write(QStringLiteral("junk.jpg"), "not a picture at all"),
        write(QStringLiteral("cut.png"), QByteArray("\x89PNG\r\n\x1a\n", 8)),
        write(QStringLiteral("junk.wmf"), QByteArray(300, '\x07')),
        write(QStringLiteral("junk.emf"), QByteArray(300, '\x07')),
        write(QStringLiteral("empty.emf"), QByteArray()),
        write(QStringLiteral("cut.wmf"), redWmf().left(40)),
        write(QStringLiteral("junk.svg"), "<svg"),
    };
    for (const QString& path : bad) {
        QString error;
        QVERIFY2(loadPicture(path, &error).isNull(), qPrintable(path));
        QVERIFY2(!error.isEmpty(), qPrintable(path));
    }
    QVERIFY(pictureExtensions().contains(QStringLiteral("wmf")));
}

QTEST_MAIN(PictureLoaderTest)
#include "pictureloader_test.moc"
