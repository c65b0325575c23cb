// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
// The settings dialog driven by its controls' object names over a real settings file,
// with a recording strip, shell and message boxes.

#include "settings/settingsdialog.h"
#include "settings/settingsondemand.h"

#include "notes/storetestutil.h"
#include "platform/fake/fakemessages.h"
#include "platform/fake/fakeshellstart.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

using namespace velmaro;
using velmaro::testing::readBytes;
using velmaro::testing::writeBytes;

namespace {

class RecordingHost final : public SettingsHost {
public:
    StripMetrics stripMetrics() const override { return {width, scrollBar}; }
    int noteCount() const override { return 3; }
    void rebuildNoteLines() override { calls << QStringLiteral("rebuild"); }
    void scrollbarCheck() override { calls << QStringLiteral("scrollbar"); }
    void setStripWidth(int w) override
    {
        width = w;
        calls << QStringLiteral("width %1").arg(w);
    }
    bool showBackgroundImage(const QString& mode, const QString& file) override
    {
        calls << QStringLiteral("show %1 %2").arg(mode, file);
        return QFileInfo::exists(file);
    }
    void hideBackgroundImage() override { calls << QStringLiteral("hide"); }
    void layoutBackgroundImage() override { calls << QStringLiteral("layout"); }
    void applyAlwaysOnTop() override { calls << QStringLiteral("ontop"); }
    void applyBackgroundColor() override { calls << QStringLiteral("colour"); }
    void setLauncherButton(int n, int image, bool showHint, const QString& hint) override
    {
        buttons[n - 1] = {image, showHint ? hint : QStringLiteral("-")};
    }
    void refreshLauncherMenu() override { calls << QStringLiteral("menu"); }
    void layoutToolBar() override { calls << QStringLiteral("toolbar"); }
    void repaintStrip() override {}

    int width = 237;
    int scrollBar = 0;
    QStringList calls;
    std::array<std::pair<int, QString>, 3> buttons{};
};

} // namespace

class SettingsDialogTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_path;
    std::unique_ptr<SettingsStore> m_store;
    StartupSettings m_memory;
    RecordingHost m_host;
    CommandImages m_images;
    platform::RecordingShellStart m_shell;
    platform::RecordingMessages m_messages;
    std::unique_ptr<SettingsOnDemand> m_settings;
    TfrmAllConfig* m_dialog = nullptr;
    QList<QColor> m_pickerOpenedOn;
    std::optional<QColor> m_pick;
    QString m_chosen;
    QStringList m_filters;

    template <typename T> T* find(const char* name) const
    {
        auto* w = m_dialog->findChild<T*>(QLatin1String(name));
        if (!w)
            qFatal("no control %s", name);
        return w;
    }
    QString stored(QStringView section, QStringView key) const
    {
        return SettingsStore(m_path).readString(section, key, kAbsent);
    }
    // A start: the start-up read and the start-up pass; the dialog is made afterwards,
    // as at its first opening.
    void start(const QByteArray& file, bool makeDialog = true)
    {
        writeBytes(m_path, file);
        m_settings.reset();
        m_store = std::make_unique<SettingsStore>(m_path);
        m_memory = StartupSettings();
        readStartupSettings(*m_store, m_memory);
        m_host.calls.clear();
        m_messages.shown.clear();
        m_settings = std::make_unique<SettingsOnDemand>(
            SettingsServices{*m_store, m_memory, m_host, m_images, m_shell, m_messages}, nullptr);
        m_settings->startupPass();
        QVERIFY(!m_settings->hasDialog());
        if (makeDialog)
            makeTheDialog();
    }
    void makeTheDialog()
    {
        m_dialog = &m_settings->dialog();
        m_dialog->setColourPicker([this](const QColor& initial) {
            m_pickerOpenedOn << initial;
            return m_pick;
        });
        m_dialog->setFileChooser([this](const QString&, const QStringList& filters) {
            m_filters = filters;
            return m_chosen;
        });
    }
    void open()
    {
        m_dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_dialog));
    }
    void ok() { QTest::mouseClick(find<QToolButton>("btnAceptar"), Qt::LeftButton); }

private slots:
    void init()
    {
        m_path = m_dir.filePath(QStringLiteral("tw.cfg"));
        m_host = RecordingHost();
        m_shell.started.clear();
        m_pickerOpenedOn.clear();
        m_pick.reset();
        m_chosen.clear();
    }

    void widthBoxClampsTypedValuesWhenLeft()
    {
        m_host.scrollBar = 17;
        m_host.width = 254;
        // A face that is not installed is stored empty at the first start.
        start("[General]\r\nWidth=237\r\nFontStyle=\r\n");
        // The start-up pass leaves a strip with its scroll bar as wide as it was, so its
        // lines are not built a second time.
        QCOMPARE(m_host.width, 254);
        QVERIFY(!m_host.calls.contains(QStringLiteral("rebuild")));
        open();
        auto* width = find<QSpinBox>("spEdWidth");
        QCOMPARE(width->minimum(), 254);
        QCOMPARE(width->maximum(), 640);
        for (const auto& [typed, expected] : {std::pair{"1000", 640}, std::pair{"100", 254}}) {
            width->setFocus();
            width->selectAll();
            QTest::keyClicks(width, QLatin1String(typed));
            find<QLineEdit>("edtFile")->setFocus();
            QCOMPARE(width->value(), expected);
        }
        width->setValue(300);
        ok();
        QVERIFY(!m_dialog->isVisible());
        QCOMPARE(stored(u"General", u"Width"), QStringLiteral("283"));
        QCOMPARE(m_host.width, 300);

        // Typed and confirmed with "Aceptar" while the box still has the focus: taken,
        // brought into range.
        for (const auto& [typed, expected] : {std::pair{"320", 320}, std::pair{"9000", 640}}) {
            open();
            width->setFocus();
            width->selectAll();
            QTest::keyClicks(width, QLatin1String(typed));
            ok();
            QCOMPARE(m_host.width, expected);
        }
    }

    void fontColoursAndTransparency()
    {
        start(
            "[General]\r\nFontStyle=Not Installed Face\r\nFontSize=30\r\nAlarmBackColor=4660\r\n");
        QCOMPARE(stored(u"General", u"FontStyle"), QString()); // the start-up pass stores it
        m_memory.fontName = QStringLiteral("Not Installed Face");
        open();
        auto* faces = find<QComboBox>("cboFontStyle");
        // The desktop's usual font, which the strip draws in, is the one shown.
        QCOMPARE(faces->currentText(), QFontInfo(QFont()).family());
        QVERIFY(faces->findText(QStringLiteral("DejaVu Sans")) >= 0);
        QCOMPARE(find<QSpinBox>("spEdFontSize")->value(), 24);
        QCOMPARE(find<QLabel>("pnlFontSample")->font().pointSize(), 24);

        // The picker opens on black, then on what was last picked; a cancel keeps all.
        m_pick = QColor(0x12, 0x34, 0x56);
        QTest::mouseClick(find<QToolButton>("SpeedButton4"), Qt::LeftButton);
        QCOMPARE(find<QLabel>("pnlFontSample")->palette().color(QPalette::WindowText), *m_pick);
        m_pick.reset();
        QTest::mouseClick(find<QToolButton>("SpeedButton8"), Qt::LeftButton);
        QCOMPARE(m_pickerOpenedOn, (QList<QColor>{Qt::black, QColor(0x12, 0x34, 0x56)}));

        // Checking "Transparente :" shows the face colour and opens no picker.
        auto* transparent = find<QCheckBox>("chkAlarmTransparente");
        QTest::mouseClick(transparent, Qt::LeftButton);
        QVERIFY(transparent->isChecked());
        QCOMPARE(m_pickerOpenedOn.size(), 2);
        ok();
        QCOMPARE(stored(u"General", u"FontStyle"), faces->currentText());
        QCOMPARE(stored(u"General", u"FontColor"), QString::number(0x563412));
        QCOMPARE(stored(u"General", u"AlarmBackTransparent"), QStringLiteral("S"));
        QCOMPARE(stored(u"General", u"AlarmBackColor"), QStringLiteral("4660"));

        // Unchecking it by a key opens the alarm background picker at once.
        open();
        QVERIFY(transparent->isChecked());
        m_pick = QColor(Qt::green);
        transparent->setFocus();
        QTest::keyClick(transparent, Qt::Key_Space);
        QVERIFY(!transparent->isChecked());
        QCOMPARE(m_pickerOpenedOn.size(), 3);
        ok();
        QCOMPARE(stored(u"General", u"AlarmBackTransparent"), QStringLiteral("N"));
        QCOMPARE(stored(u"General", u"AlarmBackColor"), QString::number(0x00FF00));
    }

    void customFieldsAndAlwaysOnTopOnlyWhenShowing()
    {
        start("[CUSTOM]\r\nSHOW=a?#b\r\nALWAYSONTOP=yes\r\n");
        QCOMPARE(stored(u"Custom", u"AlwaysOnTop"),
                 QStringLiteral("yes")); // the start-up pass leaves it
        QVERIFY(!m_host.calls.contains(QStringLiteral("ontop")));
        open();
        QCOMPARE(find<QPlainTextEdit>("mmMsg")->toPlainText(), QStringLiteral("a\nb"));
        QVERIFY(!find<QPlainTextEdit>("mmMsg")->isEnabled());
        auto* onTop = find<QCheckBox>("chkAllwaysOnTop");
        QVERIFY(onTop->isChecked());
        QTest::mouseClick(onTop, Qt::LeftButton);
        ok();
        QVERIFY(!m_memory.alwaysOnTop);
        QVERIFY(m_host.calls.contains(QStringLiteral("ontop")));
        QCOMPARE(stored(u"Custom", u"AlwaysOnTop"), QStringLiteral("False"));
        QVERIFY(readBytes(m_path).contains("SHOW=a?#b\r\n"));
    }

    void aFailedWriteKeepsTheDialogOpenAndTheStripAsItWas()
    {
        start("[General]\r\n");
        open();
        m_host.calls.clear();
        find<QSpinBox>("spEdFontSize")->setValue(12);
        const QByteArray before = readBytes(m_path);
        {
            velmaro::testing::FileSizeLimit limit(before.size());
            ok();
        }
        QCOMPARE(m_messages.shown.size(), 1);
        QVERIFY(m_messages.shown[0].startsWith(QStringLiteral("Unable to write to ")));
        QVERIFY(m_dialog->isVisible());
        QCOMPARE(m_host.calls, QStringList());
        QCOMPARE(m_memory.fontSize, 8);
        QCOMPARE(readBytes(m_path), before);
        ok();
        QVERIFY(!m_dialog->isVisible());
        QCOMPARE(m_memory.fontSize, 12);
        QVERIFY(m_host.calls.contains(QStringLiteral("rebuild")));
    }

    void unloadableBackgroundAtStartIsReportedAndStoredEmpty()
    {
        start("[General]\r\nbackGrndImgStatus=adjust\r\nbackGrndImg=/no/such/picture.png\r\n");
        QCOMPARE(m_messages.shown,
                 QStringList{QStringLiteral(
                     "No se pudo abrir la imágen de fondo. Vuelva a seleccionarla.")});
        QCOMPARE(stored(u"General", u"backGrndImgStatus"), QStringLiteral("empty"));
        QCOMPARE(stored(u"General", u"backGrndImg"), QStringLiteral("/no/such/picture.png"));
        QVERIFY(find<QRadioButton>("rbSinImagen")->isChecked());
    }

    void launchersRunBeforeTheDialogIsMade()
    {
        start("[Programs]\r\nProgChk1=True\r\nProgName1=Uno\r\nProgFile1=/no/such/uno\r\n", false);
        QCOMPARE(m_host.buttons[0], (std::pair{3, QStringLiteral("Uno")}));
        m_shell.result = false;
        m_settings->launcherClick(1);
        QCOMPARE(m_messages.shown,
                 QStringList{QStringLiteral("No se ha podido ejecutar /no/such/uno")});
        QVERIFY(!m_settings->hasDialog());
        // Made later, the dialog holds the rows the pass confirmed.
        makeTheDialog();
        QCOMPARE(find<QLineEdit>("edtPrgName1")->text(), QStringLiteral("Uno"));
        QVERIFY(find<QCheckBox>("chkProg1")->isChecked());
        m_settings->launcherClick(1);
        QCOMPARE(m_shell.started.size(), 2);
        QCOMPARE(m_messages.shown.size(), 2);
    }

    void theLauncherChooserListsProgramsByTheirExecuteBit()
    {
        start("[General]\r\n", false);
        QDir::Filters listed;
        QTimer::singleShot(0, this, [&] {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                if (auto* chooser = qobject_cast<QFileDialog*>(w);
                    chooser && chooser->isVisible()) {
                    listed = chooser->filter();
                    chooser->reject();
                }
            }
        });
        m_settings->dialog().findChild<QToolButton*>(QStringLiteral("SpeedButton1"))->click();
        QVERIFY(listed.testFlag(QDir::Executable) && listed.testFlag(QDir::AllDirs));
    }

    void launcherRowsToolbarAndClicks()
    {
        const QString program = m_dir.filePath(QStringLiteral("Calc.Plus.sh"));
        writeBytes(program, "#!/bin/sh\n");
        QFile(program).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        start("[Programs]\r\nProgChk1=True\r\nProgName1=Uno\r\nProgFile1=/no/such/uno\r\n"
              "ProgChk2=False\r\nProgName2=Dos\r\nProgFile2=" +
              program.toUtf8() + "\r\n");
        QCOMPARE(m_host.buttons[0], (std::pair{3, QStringLiteral("Uno")}));
        QCOMPARE(m_host.buttons[1], (std::pair{11, QStringLiteral("-")}));
        QVERIFY(m_host.calls.contains(QStringLiteral("menu")));

        // An inactive launcher does nothing; a missing file says so.
        m_dialog->launcherClick(2);
        QVERIFY(m_shell.started.isEmpty());
        m_shell.result = false;
        m_dialog->launcherClick(1);
        QCOMPARE(m_messages.shown,
                 QStringList{QStringLiteral("No se ha podido ejecutar /no/such/uno")});
        m_shell.result = true;
        m_shell.started.clear();

        // Browsing fills the row and its preview; a click uses the row as it stands,
        // confirmed or not; the toolbar changes only on OK.
        open();
        m_chosen = program;
        QTest::mouseClick(find<QToolButton>("SpeedButton3"), Qt::LeftButton);
        QCOMPARE(find<QLineEdit>("edtPrgName3")->text(), QStringLiteral("Calc"));
        QCOMPARE(find<QLineEdit>("edtIdPrg3")->text(), QStringLiteral("c"));
        QVERIFY(find<QCheckBox>("chkProg3")->isChecked());
        QVERIFY(!find<QLabel>("img3")->pixmap().isNull());
        QCOMPARE(m_host.buttons[2].first, 11);
        QCOMPARE(m_filters, (QStringList{QStringLiteral("Programas (*)"),
                                         QStringLiteral("Accesos directos (*.desktop)"),
                                         QStringLiteral("Todos los archivos (*)")}));
        m_dialog->launcherClick(3);
        QCOMPARE(m_shell.started, QStringList{program});
        // The desktop finds later that nothing opens it: said as for a missing file.
        m_messages.shown.clear();
        m_shell.failLater();
        QCOMPARE(m_messages.shown,
                 QStringList{QStringLiteral("No se ha podido ejecutar ") + program});

        m_chosen = QStringLiteral("/opt/Velmaro/VELMARO.exe");
        QTest::mouseClick(find<QToolButton>("SpeedButton3"), Qt::LeftButton);
        QCOMPARE(find<QLineEdit>("edtPrgFile3")->text(), program);

        // The picture chooser offers every kind of picture the program reads.
        m_chosen.clear();
        QTest::mouseClick(find<QToolButton>("SpeedButton7"), Qt::LeftButton);
        for (const char* pattern : {"*.png", "*.jpeg", "*.jpg", "*.svg", "*.bmp", "*.emf"})
            QVERIFY2(m_filters.value(0).contains(QLatin1String(pattern)), pattern);

        find<QLineEdit>("edtPrgFile1")->clear();
        ok();
        QVERIFY(!find<QCheckBox>("chkProg1")->isChecked());
        QCOMPARE(stored(u"Programs", u"ProgChk1"), QStringLiteral("False"));
        QCOMPARE(stored(u"Programs", u"ProgChk3"), QStringLiteral("True"));
        QCOMPARE(m_host.buttons[0].first, 11);
        QCOMPARE(m_host.buttons[2], (std::pair{5, QStringLiteral("Calc")}));
        QCOMPARE(m_images.icon(CommandImages::Launcher3).pixmap(16).toImage().pixelColor(0, 0),
                 QColor(0xC0, 0xC0, 0xC0));
    }
};

QTEST_MAIN(SettingsDialogTest)
#include "settingsdialog_test.moc"
