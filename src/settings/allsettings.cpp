// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "settings/allsettings.h"

#include "notes/codec.h"
#include "notes/storednote.h"

#include <algorithm>

namespace velmaro {

namespace {

void applyBackground(SettingsStore& store, const StartupSettings& form, StartupSettings& memory)
{
    writeText(store, keys::kBackImage, form.backImagePath);
    if (form.backImageMode == kImageEmpty) {
        writeText(store, keys::kBackImageMode, kImageEmpty);
        memory.backImageMode = kImageEmpty;
    } else if (!form.backImagePath.isEmpty()) {
        // An image mode without a file keeps the mode and file in effect before.
        writeText(store, keys::kBackImageMode, form.backImageMode);
        writeText(store, keys::kBackImage, form.backImagePath);
        memory.backImagePath = form.backImagePath;
        memory.backImageMode = form.backImageMode;
    }
}

void applyCustom(SettingsStore& store, const StartupSettings& form, StartupSettings& memory)
{
    writeText(store, keys::kWeb, form.web);
    writeText(store, keys::kEmail, form.email);
    writeText(store, keys::kShow, encodeLineBreaks(form.customMessage));
    memory.email = form.email;
    memory.web = form.web;
    memory.customMessage = form.customMessage;
    writeFlag(store, keys::kAlwaysOnTop, form.alwaysOnTop);
    memory.alwaysOnTop = form.alwaysOnTop;
}

void applyLaunchers(SettingsStore& store, StartupSettings& form, StartupSettings& memory)
{
    for (LauncherRow& row : form.launchers) {
        if (row.file.isEmpty())
            row.active = false;
    }
    for (int i = 0; i < kLauncherCount; ++i)
        writeFlag(store, keys::kProgChk[i], form.launchers[i].active);
    for (int i = 0; i < kLauncherCount; ++i)
        writeText(store, keys::kProgId[i], form.launchers[i].id);
    for (int i = 0; i < kLauncherCount; ++i)
        writeText(store, keys::kProgFile[i], form.launchers[i].file);
    for (int i = 0; i < kLauncherCount; ++i)
        writeText(store, keys::kProgName[i], form.launchers[i].name);
    memory.launchers = form.launchers;
}

} // namespace

int widthBoxMinimum(const StripMetrics& strip)
{
    return keys::kWidth.minimum + strip.scrollBarWidth;
}

void loadAllSettings(const StartupSettings& memory, const StripMetrics& strip,
                     const QStringList& fontFaces, StartupSettings& form)
{
    StartupSettings shown = memory;
    shown.web = form.web;
    shown.email = form.email;
    shown.customMessage = form.customMessage;
    // A checked "Activo" box stays checked (and is stored by a later OK) whatever the
    // row in memory says: only a row in memory that is active checks it.
    for (int i = 0; i < kLauncherCount; ++i)
        shown.launchers[i].active = memory.launchers[i].active || form.launchers[i].active;

    const auto face = std::find_if(fontFaces.begin(), fontFaces.end(), [&](const QString& f) {
        return f.compare(memory.fontName, Qt::CaseInsensitive) == 0;
    });
    shown.fontName = face == fontFaces.end() ? QString() : *face;
    shown.fontSize = std::clamp(memory.fontSize, keys::kFontSize.minimum, keys::kFontSize.maximum);
    if (memory.alarmBackTransparent)
        shown.alarmBackColor = kButtonFaceColor;
    if (memory.backImageMode != kImageEmpty && memory.backImageMode != kImageAdjust)
        shown.backImageMode = kImageProportional;
    shown.width = std::min(strip.width, keys::kWidth.maximum);
    form = std::move(shown);
}

void resetToEmptyImage(StartupSettings& form, StartupSettings& memory)
{
    form.backImageMode = kImageEmpty;
    memory.backImageMode = kImageEmpty;
}

void fillCustomFields(const StartupSettings& memory, StartupSettings& form)
{
    form.web = memory.web;
    form.email = memory.email;
    form.customMessage = decodeLineBreaks(memory.customMessage);
}

void applyAllSettings(SettingsStore& store, StartupSettings& form, StartupSettings& memory,
                      const ApplyContext& context)
{
    StartupSettings next = memory;
    SettingsStore::WriteGroup group(store);
    writeNumber(store, keys::kWidth, form.width - context.scrollBarWidth);
    next.width = form.width;
    writeText(store, keys::kFontStyle, form.fontName);
    next.fontName = form.fontName;
    writeNumber(store, keys::kFontSize, form.fontSize);
    next.fontSize = form.fontSize;
    writeNumber(store, keys::kFontColor, form.fontColor);
    next.fontColor = form.fontColor;
    writeNumber(store, keys::kAlarmColor, form.alarmColor);
    next.alarmColor = form.alarmColor;
    writeFlag(store, keys::kAlarmBackTransparent, form.alarmBackTransparent);
    next.alarmBackTransparent = form.alarmBackTransparent;
    if (!form.alarmBackTransparent) {
        writeNumber(store, keys::kAlarmBackColor, form.alarmBackColor);
        next.alarmBackColor = form.alarmBackColor;
    }
    writeNumber(store, keys::kBackColor, form.backColor);
    next.backColor = form.backColor;
    applyBackground(store, form, next);
    if (context.dialogShowing)
        applyCustom(store, form, next);
    next.archiveFile =
        form.archiveFile.isEmpty() ? keys::kArchFile.defaultText.toString() : form.archiveFile;
    writeText(store, keys::kArchFile, next.archiveFile);
    writeFlag(store, keys::kLastUpdate, form.stampLastUpdate);
    writeFlag(store, keys::kAlarmTime, form.stampAlarm);
    writeFlag(store, keys::kExitTime, form.stampArchived);
    next.stampLastUpdate = form.stampLastUpdate;
    next.stampAlarm = form.stampAlarm;
    next.stampArchived = form.stampArchived;
    writeNoteCount(store, context.noteCount);
    applyLaunchers(store, form, next);
    group.commit();
    memory = next;
}

} // namespace velmaro
