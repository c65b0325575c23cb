// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "settings/allsettings.h"
#include "settings/desktopentry.h"
#include "settings/launchers.h"

#include "notes/storetestutil.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

using namespace velmaro;
using velmaro::testing::readBytes;
using velmaro::testing::writeBytes;

namespace {

const QStringList kFaces = {QStringLiteral("DejaVu Sans"), QStringLiteral("DejaVu Serif")};

const QByteArray kFirstStart = "[General]\r\n"
                               "rem=103\r\n"
                               "Width=237\r\n"
                               "FontStyle=\r\n"
                               "FontSize=8\r\n"
                               "FontColor=0\r\n"
                               "AlarmColor=16777215\r\n"
                               "AlarmBackTransparent=N\r\n"
                               "AlarmBackColor=255\r\n"
                               "backGrndColor=13828050\r\n"
                               "backGrndImg=\r\n"
                               "backGrndImgStatus=empty\r\n"
                               "ArchFile=Velmaro.txt\r\n"
                               "LastUpdate=False\r\n"
                               "AlarmTime=True\r\n"
                               "ExitTime=False\r\n"
                               "TotalData=0\r\n"
                               "[Programs]\r\n"
                               "ProgChk1=False\r\n"
                               "ProgChk2=False\r\n"
                               "ProgChk3=False\r\n"
                               "ProgId1=\r\n"
                               "ProgId2=\r\n"
                               "ProgId3=\r\n"
                               "ProgFile1=\r\n"
                               "ProgFile2=\r\n"
                               "ProgFile3=\r\n"
                               "ProgName1=\r\n"
                               "ProgName2=\r\n"
                               "ProgName3=\r\n";

// What every start does with the dialog hidden: the start-up read, then the
// dialog's load and apply over the same store.
struct SettingsPass : ::testing::Test {
    QTemporaryDir dir;
    QString path;
    SettingsStore store;
    StartupSettings memory;
    StartupSettings form;
    void SetUp() override
    {
        path = dir.filePath(QStringLiteral("tw.cfg"));
        store.open(path);
    }
    void start(int noteCount = 0, int scrollBar = 0)
    {
        readStartupSettings(store, memory);
        loadAllSettings(memory, {memory.width + scrollBar, scrollBar}, kFaces, form);
        applyAllSettings(store, form, memory, {scrollBar, noteCount, false});
    }
    void ok(int scrollBar = 0, int noteCount = 0)
    {
        applyAllSettings(store, form, memory, {scrollBar, noteCount, true});
    }
    QByteArray bytes() const { return readBytes(path); }
};

// `bytes` with the line "key=..." replaced by "key=value".
QByteArray with(QByteArray bytes, const QByteArray& key, const QByteArray& value)
{
    const qsizetype at = bytes.indexOf("\r\n" + key + "=") + 2;
    const qsizetype end = bytes.indexOf("\r\n", at);
    return bytes.replace(at, end - at, key + "=" + value);
}

} // namespace

TEST_F(SettingsPass, FirstStartWritesEveryDialogKeyButNoCustomOne)
{
    start();
    // "MS Sans Serif" is not an installed face: nothing is selected, so it stores empty.
    EXPECT_EQ(bytes(), kFirstStart);
    EXPECT_EQ(memory.fontName, QString());

    // Starting again writes the same bytes.
    start();
    EXPECT_EQ(bytes(), kFirstStart);
}

TEST_F(SettingsPass, EachKindOfChangeIsStoredInPlace)
{
    start(0, 17);
    form.width = 300; // with the scroll bar showing
    form.fontName = QStringLiteral("DejaVu Serif");
    form.fontSize = 12;
    form.alarmBackTransparent = true;
    form.alarmBackColor = kButtonFaceColor;
    form.backColor = 0x123456;
    form.stampLastUpdate = true;
    form.archiveFile.clear();
    form.launchers[0] = *browsedLauncher(QStringLiteral("/opt/Herramientas/Calc.Plus.exe"));
    form.launchers[1] = {true, QStringLiteral("Sin archivo"), QStringLiteral("s"), QString()};
    form.web = QStringLiteral("https://example.org/");
    form.email = QStringLiteral("a@b.example");
    form.customMessage = QStringLiteral("a\r\nb");
    form.alwaysOnTop = false;
    ok(17, 4);

    QByteArray expected = kFirstStart;
    expected = with(expected, "Width", "283");
    expected = with(expected, "FontStyle", "DejaVu Serif");
    expected = with(expected, "FontSize", "12");
    expected = with(expected, "AlarmBackTransparent", "S"); // AlarmBackColor stays 255
    expected = with(expected, "backGrndColor", "1193046");
    expected = with(expected, "LastUpdate", "True");
    expected = with(expected, "TotalData", "4");
    expected = with(expected, "ProgChk1", "True");
    expected = with(expected, "ProgId1", "c");
    expected = with(expected, "ProgFile1", "/opt/Herramientas/Calc.Plus.exe");
    expected = with(expected, "ProgName1", "Calc");
    expected = with(expected, "ProgId2", "s");
    expected = with(expected, "ProgName2", "Sin archivo");
    expected += "[Custom]\r\n"
                "web=https://example.org/\r\n"
                "email=a@b.example\r\n"
                "show=a?#b\r\n"
                "AlwaysOnTop=False\r\n";
    EXPECT_EQ(bytes(), expected);
    EXPECT_FALSE(form.launchers[1].active) << "a row without a file is made inactive";
    EXPECT_EQ(memory.width, 300);
    EXPECT_EQ(memory.alarmBackColor, 255);
    EXPECT_TRUE(memory.alarmBackTransparent);
    EXPECT_EQ(memory.customMessage, QStringLiteral("a\r\nb"));

    // An image mode without a file stores the empty file and keeps the stored mode.
    form.backImageMode = kImageAdjust;
    ok(17, 4);
    EXPECT_EQ(bytes(), expected);
    EXPECT_EQ(memory.backImageMode, kImageEmpty);
    // With a file both go in; the next start loads them back.
    form.backImagePath = QStringLiteral("/home/u/fondo.png");
    form.backImageMode = kImageProportional;
    ok(17, 4);
    expected = with(expected, "backGrndImg", "/home/u/fondo.png");
    expected = with(expected, "backGrndImgStatus", "proportional");
    EXPECT_EQ(bytes(), expected);

    // The next start shows what was stored; the custom message comes back as it went.
    StartupSettings stored = form;
    stored.archiveFile = QStringLiteral("Velmaro.txt"); // an empty box stores the default
    stored.noteCount = 4;
    EXPECT_EQ(memory.launchers, form.launchers);
    memory = StartupSettings();
    form = StartupSettings();
    readStartupSettings(store, memory);
    loadAllSettings(memory, {300, 17}, kFaces, form);
    fillCustomFields(memory, form);
    EXPECT_EQ(widthBoxMinimum({300, 17}), 254);
    EXPECT_EQ(form, stored);
}

TEST_F(SettingsPass, LoadShowsTheSettingsInMemoryAsTheControlsCan)
{
    writeBytes(path, "[General]\r\nArchFile=\r\nAlarmTime=TRUE\r\nLastUpdate=True\r\n"
                     "FontStyle=dejavu sans\r\nFontSize=40\r\nAlarmBackTransparent=si\r\n"
                     "backGrndImgStatus=stretched\r\nbackGrndImg=x.png\r\nWidth=900\r\n"
                     "[Programs]\r\nProgChk1=true\r\nProgChk2=True\r\nProgName2=Editor\r\n"
                     "[CUSTOM]\r\nALWAYSONTOP=T\r\n");
    readStartupSettings(store, memory);
    form.launchers[0] = {true, QStringLiteral("typed"), QStringLiteral("t"), QStringLiteral("/t")};
    form.stampArchived = true;
    loadAllSettings(memory, {memory.width, 0}, kFaces, form);

    EXPECT_EQ(form.archiveFile, QString());
    EXPECT_FALSE(form.stampAlarm) << "only the exact text True checks a stamp";
    EXPECT_TRUE(form.stampLastUpdate);
    EXPECT_FALSE(form.stampArchived) << "the settings in memory, not the box, decide";
    EXPECT_EQ(form.fontName, QStringLiteral("DejaVu Sans"));
    EXPECT_EQ(form.fontSize, 24);
    EXPECT_TRUE(form.alarmBackTransparent);
    EXPECT_EQ(form.alarmBackColor, kButtonFaceColor);
    EXPECT_EQ(form.backImageMode, kImageProportional);
    EXPECT_EQ(form.width, 640);
    EXPECT_TRUE(form.alwaysOnTop);
    // "true" leaves the row's "Activo" box as checked; the texts are the stored ones.
    EXPECT_EQ(form.launchers[0], (LauncherRow{true, {}, {}, {}}));
    EXPECT_EQ(form.launchers[1], (LauncherRow{true, QStringLiteral("Editor"), {}, {}}));

    resetToEmptyImage(form, memory);
    EXPECT_EQ(form.backImageMode, kImageEmpty);
    EXPECT_EQ(memory.backImageMode, kImageEmpty);
}

TEST_F(SettingsPass, AFailedWriteKeepsTheFileAndTheMemory)
{
    start();
    const StartupSettings before = memory;
    form.fontSize = 20;
    form.launchers[2].file = QString(200, QLatin1Char('x'));
    {
        velmaro::testing::FileSizeLimit limit(kFirstStart.size());
        EXPECT_THROW(ok(), StoreError);
    }
    EXPECT_EQ(bytes(), kFirstStart);
    EXPECT_EQ(memory.fontSize, before.fontSize);
    EXPECT_EQ(store.readString(u"General", u"FontSize", kAbsent), QStringLiteral("8"));
}

TEST(Launchers, MenuToolbarAndBrowsingRules)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("tw.cfg"));
    writeBytes(path, "[Programs]\r\nProgChk1=true\r\nProgName1=Uno\r\nProgChk2=True\r\n"
                     "ProgName2=&Dos\r\nProgChk3=True \r\n");
    SettingsStore store(path);
    StartupSettings s;
    readStartupSettings(store, s);
    const LauncherMenu menu = launcherMenu(s.launchers);
    EXPECT_FALSE(menu.entries[0].visible) << "lower-case true is inactive";
    EXPECT_TRUE(menu.entries[1].visible);
    EXPECT_EQ(menu.entries[1].caption, QStringLiteral("&Dos"));
    EXPECT_TRUE(menu.entries[2].visible) << "values are read trimmed";
    EXPECT_EQ(menu.entries[2].caption, QString()) << "an absent name";
    EXPECT_TRUE(menu.separators);
    EXPECT_FALSE(launcherMenu(StartupSettings().launchers).separators);

    EXPECT_EQ(launcherToolbarImage(1, true), 3);
    EXPECT_EQ(launcherToolbarImage(3, true), 5);
    EXPECT_EQ(launcherToolbarImage(2, false), 11);

    const auto calc = browsedLauncher(QStringLiteral("/opt/Herramientas/Calc.Plus.exe"));
    ASSERT_TRUE(calc);
    EXPECT_EQ(*calc, (LauncherRow{true, QStringLiteral("Calc"), QStringLiteral("c"),
                                  QStringLiteral("/opt/Herramientas/Calc.Plus.exe")}));
    EXPECT_EQ(browsedLauncher(QStringLiteral("/usr/bin/mis.notas.txt"))->name,
              QStringLiteral("mis"));
    // A program without a "." is named after its file; a desktop entry by its own
    // name, the Spanish one first, with its icon.
    const auto gimp = browsedLauncher(QStringLiteral("/usr/bin/gimp"));
    EXPECT_EQ(gimp->name, QStringLiteral("gimp"));
    EXPECT_EQ(gimp->id, QStringLiteral("g"));
    const QString entry = dir.filePath(QStringLiteral("org.gnome.Calculator.desktop"));
    writeBytes(entry, "[Desktop Entry]\nName=Calculator\nName[de]=Rechner\n"
                      "Name[es]=Calculadora\\sde\\sbolsillo\nIcon=org.gnome.Calculator\n"
                      "[Desktop Action new]\nName[es]=Nueva\nIcon=otro\n");
    EXPECT_EQ(browsedLauncher(entry)->name, QStringLiteral("Calculadora de bolsillo"));
    EXPECT_EQ(readDesktopEntry(entry).icon, QStringLiteral("org.gnome.Calculator"));
    writeBytes(entry, "[Desktop Entry]\nName=Calculator\n");
    EXPECT_EQ(browsedLauncher(entry)->name, QStringLiteral("Calculator"));
    writeBytes(entry, "[Desktop Entry]\nType=Application\n");
    EXPECT_EQ(browsedLauncher(entry)->name, QStringLiteral("org"));
    EXPECT_EQ(browsedLauncher(QStringLiteral("/opt/Velmaro/velmaro.exe")), std::nullopt);
    EXPECT_EQ(browsedLauncher(QStringLiteral("/opt/x/VelMaro.Exe.bak")), std::nullopt);
    // The running program itself, under another name for the same file.
    writeBytes(dir.filePath(QStringLiteral("velmaro")), "x");
    EXPECT_EQ(browsedLauncher(dir.path() + QStringLiteral("/./velmaro"),
                              dir.filePath(QStringLiteral("velmaro"))),
              std::nullopt);

    EXPECT_FALSE(launcherRuns({true, {}, {}, {}}));
    EXPECT_FALSE(launcherRuns({false, {}, {}, QStringLiteral("/bin/true")}));
    EXPECT_TRUE(launcherRuns({true, {}, {}, QStringLiteral("/bin/true")}));
    EXPECT_EQ(launchFailedMessage(QStringLiteral("/x/calc")),
              QStringLiteral("No se ha podido ejecutar /x/calc"));
}
