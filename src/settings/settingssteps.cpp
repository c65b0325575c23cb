// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "settings/settingssteps.h"

#include "settings/launchericons.h"
#include "settings/launchers.h"

#include <QCoreApplication>
#include <QFontDatabase>

#include <algorithm>
#include <tuple>

namespace velmaro {

QString imageFailedMessage()
{
    return QCoreApplication::translate(
        "SettingsSteps", "No se pudo abrir la imágen de fondo. Vuelva a seleccionarla.");
}

namespace {

// A line box's default length.
constexpr int kLineBoxLength = 32767;

// What the note lines show of the settings. Their width follows the strip's, which is
// compared on its own: the stored width leaves out the scroll bar's column.
bool sameLook(const StartupSettings& a, const StartupSettings& b)
{
    const auto look = [](const StartupSettings& s) {
        return std::tie(s.fontName, s.fontSize, s.fontColor, s.alarmColor, s.alarmBackColor,
                        s.alarmBackTransparent, s.backColor, s.backImageMode, s.backImagePath);
    };
    return look(a) == look(b);
}

// What the apply changes on the strip, in the order of its writes.
void afterApply(const StartupSettings& form, const ConfirmContext& c)
{
    c.host.setStripWidth(form.width);
    c.host.hideBackgroundImage();
    c.host.layoutBackgroundImage();
    if (c.showing) {
        if (c.customFieldsChanged)
            c.customFieldsChanged();
        c.host.applyAlwaysOnTop();
        c.host.applyBackgroundColor();
    }
    c.host.refreshLauncherMenu();
    c.host.layoutToolBar();
}

} // namespace

const QStringList& installedFaces()
{
    static const QStringList faces = [] {
        QStringList list;
        for (const QString& family : QFontDatabase::families()) {
            if (!QFontDatabase::isPrivateFamily(family))
                list << family;
        }
        std::sort(list.begin(), list.end(), [](const QString& a, const QString& b) {
            return a.compare(b, Qt::CaseInsensitive) < 0;
        });
        list.removeDuplicates();
        return list;
    }();
    return faces;
}

void fitToControls(StartupSettings& form, int widthMinimum)
{
    const int widest = keys::kWidth.maximum;
    form.width = std::clamp(form.width, std::min(widthMinimum, widest), widest);
    form.fontSize = std::clamp(form.fontSize, keys::kFontSize.minimum, keys::kFontSize.maximum);
    for (QString* text : {&form.archiveFile, &form.backImagePath, &form.web, &form.email})
        text->truncate(kLineBoxLength);
    for (LauncherRow& row : form.launchers) {
        row.id.truncate(1);
        row.name.truncate(kLineBoxLength);
        row.file.truncate(kLineBoxLength);
    }
}

bool showBackgroundOnLoad(StartupSettings& form, StartupSettings& memory, SettingsHost& host,
                          platform::Messages& messages)
{
    if (form.backImageMode == kImageEmpty) {
        host.hideBackgroundImage();
        return true;
    }
    if (host.showBackgroundImage(form.backImageMode, memory.backImagePath))
        return true;
    resetToEmptyImage(form, memory);
    host.hideBackgroundImage();
    messages.inform(imageFailedMessage());
    return false;
}

QIcon extractLauncherIcon(const StartupSettings& form, int row, CommandImages& images,
                          bool intoList)
{
    const QIcon icon = launcherIcon(form.launchers[row].file);
    if (!icon.isNull() && intoList)
        images.replace(CommandImages::Launcher1 + row,
                       QIcon(iconPixmap(icon, CommandImages::kSize, true)));
    return icon;
}

void refreshLauncherToolbar(const StartupSettings& form, SettingsHost& host, CommandImages& images,
                            const std::function<void(int row, const QIcon&)>& iconShown)
{
    for (int row = 0; row < kLauncherCount; ++row) {
        const int n = row + 1;
        const bool active = form.launchers[row].active;
        if (active) {
            const QIcon icon = extractLauncherIcon(form, row, images, true);
            if (!icon.isNull() && iconShown)
                iconShown(row, icon);
        }
        host.setLauncherButton(n, launcherToolbarImage(n, active), active,
                               form.launchers[row].name);
    }
}

void startLauncher(const LauncherRow& row, platform::ShellStart& shell,
                   platform::Messages& messages)
{
    if (!launcherRuns(row))
        return;
    // The desktop may find only later that nothing opens the file.
    const QString file = row.file;
    auto failed = [&messages, file] { messages.inform(launchFailedMessage(file)); };
    if (!shell.start(file, failed))
        failed();
}

bool confirmSettings(StartupSettings& form, const ConfirmContext& c)
{
    const StripMetrics strip = c.host.stripMetrics();
    const StartupSettings before = c.memory;
    try {
        applyAllSettings(c.store, form, c.memory,
                         {strip.scrollBarWidth, c.host.noteCount(), c.showing});
    } catch (const StoreError& e) {
        // Nothing was stored and the settings in memory are as before; the strip
        // keeps its lines.
        c.messages.error(e.message());
        return false;
    }
    if (c.stored)
        c.stored();
    afterApply(form, c);
    // The start-up pass follows the strip's own build from the same settings: its
    // lines are built again only when the apply changed how they look.
    const bool sameWidth = c.host.stripMetrics().width == strip.width;
    if (c.showing || !sameWidth || !sameLook(before, c.memory))
        c.host.rebuildNoteLines();
    refreshLauncherToolbar(form, c.host, c.images);
    c.host.repaintStrip();
    c.host.scrollbarCheck();
    return true;
}

} // namespace velmaro
