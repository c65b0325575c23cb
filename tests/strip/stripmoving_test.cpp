// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
// The strip's drag, keep-on-screen, logo and background picture, driven through
// mouse events and the settings over a real settings file.

#include "strip/striprig.h"

#include <QImage>
#include <QLabel>

using namespace velmaro;
using namespace velmaro::testing;

namespace {

void writePicture(const QString& path, QSize size, const char* format = nullptr)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    if (!image.save(path, format))
        qFatal("cannot write %s", qPrintable(path));
}

} // namespace

class StripMovingTest : public QObject {
    Q_OBJECT
private slots:
    void dragMovesOnReleaseAndStaysOnScreen();
    void screenChangePullsTheStripBack();
    void logoFromTheUserFolder();
    void backgroundPictureLayouts();
};

void StripMovingTest::dragMovesOnReleaseAndStaysOnScreen()
{
    Rig rig;
    rig.writeConfig(QStringLiteral("TotalData=1\r\nleft=300\r\ntop=200\r\n"),
                    note(1, QStringLiteral("uno"), QStringLiteral("red")));
    TForm1& s = rig.create();
    s.show();
    auto* header = child<QWidget>(s, "pnlHeader");
    auto* panel = child<QWidget>(s, "pnlSentences");
    const auto stored = [&rig] {
        return QPoint(rig.stored(QStringLiteral("General"), QStringLiteral("left")).toInt(),
                      rig.stored(QStringLiteral("General"), QStringLiteral("top")).toInt());
    };

    // The strip jumps on release, by the distance between press and release.
    QTest::mousePress(header, Qt::LeftButton, {}, QPoint(100, 10));
    QTest::mouseMove(header, QPoint(130, 30));
    QCOMPARE(s.pos(), QPoint(300, 200));
    QTest::mouseRelease(header, Qt::LeftButton, {}, QPoint(160, 50));
    QCOMPARE(s.pos(), QPoint(360, 240));
    QCOMPARE(stored(), QPoint(360, 240));
    QVERIFY(!s.isScrollBarShown());

    // A release without a press on a drag surface moves nothing.
    QTest::mouseRelease(header, Qt::LeftButton, {}, QPoint(0, 0));
    QTest::mousePress(s.noteLine(1), Qt::LeftButton, {}, QPoint(2, 2));
    QTest::mouseRelease(panel, Qt::LeftButton, {}, QPoint(150, 150));
    QCOMPARE(s.pos(), QPoint(360, 240));
    QCOMPARE(stored(), QPoint(360, 240));

    // Past the left edge: back at 0, and stored so.
    QTest::mousePress(panel, Qt::LeftButton, {}, QPoint(200, 5));
    QTest::mouseRelease(panel, Qt::LeftButton, {}, QPoint(200 - 400, 5));
    QCOMPARE(s.pos(), QPoint(0, 240));
    QCOMPARE(stored(), QPoint(0, 240));

    // Toward the bottom: the header's top 42 pixels stay on the screen, and the
    // scrollbar check shows the bar for a strip that reaches below it.
    const int screenHeight = screenSize().height();
    QTest::mousePress(header, Qt::LeftButton, {}, QPoint(100, 10));
    QTest::mouseRelease(header, Qt::LeftButton, {}, QPoint(100, 10 + screenHeight - 10 - 240));
    QCOMPARE(s.y(), screenHeight - 42);
    QCOMPARE(stored(), QPoint(0, screenHeight - 42));
    QVERIFY(s.isScrollBarShown());

    // A right click is a move by zero: the position is stored as it stands.
    s.move(40, 50);
    QTest::mousePress(panel, Qt::RightButton, {}, QPoint(200, 5));
    QTest::mouseRelease(panel, Qt::RightButton, {}, QPoint(200, 5));
    QCOMPARE(stored(), QPoint(40, 50));
    QVERIFY(rig.messages.shown.isEmpty());
}

void StripMovingTest::screenChangePullsTheStripBack()
{
    Rig rig;
    rig.writeConfig(QStringLiteral("TotalData=1\r\nleft=10\r\ntop=20\r\n"),
                    note(1, QStringLiteral("uno"), QStringLiteral("red")));
    TForm1& s = rig.create();
    s.show();
    // Where a larger screen left it; the screen it is on now changes.
    const QSize screen = screenSize();
    s.move(screen.width() + 500, screen.height() + 300);
    QScreen* primary = QGuiApplication::primaryScreen();
    emit primary->geometryChanged(primary->geometry());
    // Pulled back to run below the screen's foot, it takes the scrollbar at once.
    QCOMPARE(s.width(), 237 + 17);
    QCOMPARE(s.pos(), QPoint(screen.width() - s.width(), screen.height() - 42));
    QCOMPARE(rig.stored(QStringLiteral("General"), QStringLiteral("left")),
             QString::number(screen.width() - s.width()));
    QCOMPARE(rig.stored(QStringLiteral("General"), QStringLiteral("top")),
             QString::number(screen.height() - 42));
}

void StripMovingTest::logoFromTheUserFolder()
{
    struct Case {
        QSize bmp; // empty: no logo1.bmp
        QSize jpg; // empty: no logo1.jpg
        bool damagedBmp;
        QRect expected; // null: hidden
    };
    const Case cases[] = {
        {QSize(200, 50), QSize(), false, QRect(8, 4, 60, 15)},
        {QSize(100, 50), QSize(30, 60), false, QRect(8, 4, 60, 30)},
        {QSize(), QSize(30, 60), false, QRect(8, 4, 15, 30)},
        {QSize(), QSize(), true, QRect()}, // a damaged bitmap hides it, even with a jpg
        {QSize(), QSize(), false, QRect()},
    };
    for (const Case& c : cases) {
        Rig rig;
        rig.writeConfig(QString());
        const QDir folder(rig.paths.perUserFolder);
        if (!c.bmp.isEmpty())
            writePicture(folder.filePath(QStringLiteral("logo1.bmp")), c.bmp, "BMP");
        if (!c.jpg.isEmpty() || c.damagedBmp)
            writePicture(folder.filePath(QStringLiteral("logo1.jpg")),
                         c.jpg.isEmpty() ? QSize(60, 30) : c.jpg, "JPG");
        if (c.damagedBmp) {
            QFile bad(folder.filePath(QStringLiteral("logo1.bmp")));
            QVERIFY(bad.open(QIODevice::WriteOnly));
            bad.write("BM not really");
        }
        TForm1& s = rig.create();
        auto* logo = child<QLabel>(s, "Image2");
        QCOMPARE(logo->isHidden(), c.expected.isNull());
        if (!c.expected.isNull()) {
            QCOMPARE(logo->geometry(), c.expected);
            QVERIFY(logo->hasScaledContents());
        }
        QVERIFY(rig.messages.shown.isEmpty());
    }
}

void StripMovingTest::backgroundPictureLayouts()
{
    Rig rig;
    rig.writeConfig(QStringLiteral("TotalData=1\r\ntop=0\r\nleft=0\r\n"),
                    note(1, QStringLiteral("uno"), QStringLiteral("red")));
    const QString picture = rig.dir.filePath(QStringLiteral("fondo.png"));
    writePicture(picture, QSize(400, 300));
    const QString missing = rig.dir.filePath(QStringLiteral("nada.bmp"));
    TForm1& s = rig.create();
    auto* image = child<QLabel>(s, "ImgBkGrnd");
    auto* panel = child<QWidget>(s, "pnlSentences");
    QCOMPARE(image->parentWidget(), panel); // it scrolls with the note lines
    QCOMPARE(s.backgroundImageHeight(), 1);
    StartupSettings& settings = s.settings();

    // Proportional: the strip's width, the picture's proportions; the next rebuild
    // makes the strip tall enough for the whole picture.
    settings.backImageMode = QStringLiteral("proportional");
    settings.backImagePath = picture;
    s.drawImage();
    QVERIFY(!image->isHidden());
    QCOMPARE(image->geometry(), QRect(0, 0, 237, 178));
    s.reloadNotes();
    QCOMPARE(s.height(), 88 + 178);
    QVERIFY(panel->height() >= 178);
    QVERIFY(!s.noteLine(1)->isHidden());

    // A picture that cannot be opened is reported; the background stays as it was.
    settings.backImagePath = missing;
    s.drawImage();
    QCOMPARE(rig.messages.shown,
             QStringList{QStringLiteral("No se pudo abrir la imágen de fondo (proporcional)")});
    QVERIFY(!image->isHidden());
    QCOMPARE(image->geometry(), QRect(0, 0, 237, 178));

    // Adjust: over the whole panel, following its size.
    settings.backImageMode = QStringLiteral("adjust");
    settings.backImagePath = picture;
    s.drawImage();
    QCOMPARE(image->geometry(), panel->rect());
    settings.width = 300;
    s.applySettings();
    QCOMPARE(image->geometry(), panel->rect());
    QCOMPARE(image->width(), 300);
    rig.messages.shown.clear();
    settings.backImagePath = missing;
    s.drawImage();
    QCOMPARE(rig.messages.shown,
             QStringList{QStringLiteral("No se pudo abrir la imágen de fondo (ajuste)")});
    QVERIFY(!image->isHidden());

    // Empty hides it; the settings dialog's trial hides it without a message.
    settings.backImageMode = QStringLiteral("empty");
    s.drawImage();
    QVERIFY(image->isHidden());
    QVERIFY(s.showBackgroundImage(QStringLiteral("proportional"), picture));
    QCOMPARE(image->geometry(), QRect(0, 0, 300, 225));
    QVERIFY(!s.showBackgroundImage(QStringLiteral("adjust"), missing));
    QVERIFY(image->isHidden());
    QCOMPARE(rig.messages.shown.size(), 1);
}

QTEST_MAIN(StripMovingTest)
#include "stripmoving_test.moc"
