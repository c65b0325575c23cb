// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
// What start-up no longer loads: the built-in pictures come as PNGs drawn at build
// time, and when a module (sound, pictures, printing) cannot be found, its commands
// fail with the loader's reason instead of ending the program.

#include "alarms/lazysound.h"
#include "output/listwindow.h"
#include "platform/fake/fakemessages.h"
#include "platform/fake/fakeshellstart.h"
#include "settings/commandimages.h"
#include "strip/striplayout.h"
#include "widgets/moduleloader.h"
#include "widgets/pictureloader.h"

#include <QFile>
#include <QPainter>
#include <QPixmap>
#include <QTemporaryDir>
#include <QtTest>

using namespace velmaro;

class LazyModulesTest : public QObject {
    Q_OBJECT
private slots:
    void builtInPicturesAreThereAtTheirSizes()
    {
        for (int i = 0; i < CommandImages::kCount; ++i) {
            const QPixmap image = CommandImages::builtIn(i).pixmap(CommandImages::kSize);
            QVERIFY2(!image.isNull(), qPrintable(QString::number(i)));
            QCOMPARE(image.size(), QSize(CommandImages::kSize, CommandImages::kSize));
            // Drawn over silver: the corner of the new-note picture is the ground.
            if (i == CommandImages::NewNote)
                QCOMPARE(image.toImage().pixel(0, 0), qRgb(0xC0, 0xC0, 0xC0));
        }
        QCOMPARE(builtInPicture(QStringLiteral("aboutpicture30")).size(),
                 QSize(layout::kAboutSize, layout::kAboutSize));
        QCOMPARE(builtInPicture(QStringLiteral("aboutpicture80")).size(), QSize(80, 80));
        QCOMPARE(builtInPicture(QStringLiteral("help33")).size(), QSize(33, 33));

        // A screen scaled by two gets the pictures drawn at twice the size, not blown up.
        const QPixmap sharp =
            CommandImages::builtIn(CommandImages::Exit).pixmap(QSize(16, 16), 2.0);
        QCOMPARE(sharp.size(), QSize(32, 32));
        QCOMPARE(sharp.devicePixelRatio(), 2.0);
        // Painted on such a screen (a button's face) too.
        QImage face(32, 32, QImage::Format_ARGB32_Premultiplied);
        face.setDevicePixelRatio(2.0);
        face.fill(Qt::transparent);
        {
            QPainter painter(&face);
            CommandImages::builtIn(CommandImages::Exit).paint(&painter, QRect(0, 0, 16, 16));
        }
        QCOMPARE(face, sharp.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied));
    }

    void aModuleWithoutItsEntryPointsDoesNotLoad()
    {
        Module::setSearchFolders({QStringLiteral(VELMARO_MODULE_BUILD_DIR)});
        Module stranger(QStringLiteral("libvelmaro_pictures.so"), {"velmaro_no_such_entry"});
        QVERIFY(!stranger.load());
        QVERIFY(!stranger.isLoaded());
        QVERIFY2(stranger.errorString().contains(QStringLiteral("velmaro_no_such_entry")),
                 qPrintable(stranger.errorString()));
        QVERIFY(!stranger.entry("velmaro_no_such_entry"));
        Module::setSearchFolders({});
    }

    void missingModulesFailTheirCommandsWithTheReason()
    {
        QTemporaryDir empty;
        Module::setSearchFolders({empty.path()});

        // Drawings and metafiles fail as unreadable pictures do; raster formats still load.
        for (const char* name : {"d.svg", "m.wmf", "m.emf"}) {
            QFile f(empty.filePath(QLatin1String(name)));
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write("<svg/> and more") > 0);
            f.close();
            QString error;
            QVERIFY(loadPicture(f.fileName(), &error).isNull());
            QVERIFY2(error.contains(QStringLiteral("libvelmaro_pictures.so")), qPrintable(error));
        }
        QImage blue(3, 2, QImage::Format_RGB32);
        blue.fill(Qt::blue);
        QVERIFY(blue.save(empty.filePath(QStringLiteral("b.png"))));
        QCOMPARE(loadPicture(empty.filePath(QStringLiteral("b.png"))).size(), QSize(3, 2));

        // Printing shows the reason as an error message.
        platform::RecordingMessages messages;
        platform::RecordingShellStart shell;
        TfrmPrint list(messages, shell);
        list.fill(QStringLiteral("una nota"));
        list.SpeedButton3Click();
        QCOMPARE(messages.shown.size(), 1);
        QVERIFY2(messages.shown[0].contains(QStringLiteral("libvelmaro_print.so")),
                 qPrintable(messages.shown[0]));

        // A sound does not open; the bell falls back to the windowing system's.
        LazySoundPlayer player;
        player.setFileName(empty.filePath(QStringLiteral("alarma.wav")));
        try {
            player.open();
            QFAIL("a sound opened without the sound module");
        } catch (const platform::SoundError& e) {
            QVERIFY2(
                QString::fromStdString(e.what()).contains(QStringLiteral("libvelmaro_sound.so")),
                e.what());
        }
        LazyBell().ring();
        QVERIFY(!SoundModule::instance().isLoaded());
        Module::setSearchFolders({});
    }
};

QTEST_MAIN(LazyModulesTest)
#include "lazymodules_test.moc"
