// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "settings/allsettings.h"

#include "notes/codec.h"
#include "notes/storednote.h"

#include <algorithm>

namespace velmaro {

namespace {

// An absent key leaves the box as it is.
void loadStamp(const SettingsStore& store, const SettingKey& key, bool& box)
{
    box = readPresentFlag(store, key).value_or(box);
}

void loadLaunchers(const SettingsStore& store, AllSettings& form)
{
    for (int i = 0; i < kLauncherCount; ++i) {
        LauncherRow& row = form.launchers[i];
        if (readFlag(store, keys::kProgChk[i]))
            row.active = true;
        if (const auto id = readPresent(store, keys::kProgId[i]))
            row.id = *id;
        if (const auto file = readPresent(store, keys::kProgFile[i]))
            row.file = *file;
        if (const auto name = readPresent(store, keys::kProgName[i]))
            row.name = *name;
    }
}

void applyBackground(SettingsStore& store, const AllSettings& form, StartupSettings& memory)
{
    writeText(store, keys::kBackImage, form.imageFile);
    if (form.imageMode == kImageEmpty) {
        writeText(store, keys::kBackImageMode, kImageEmpty);
        memory.backImageMode = kImageEmpty;
    } else if (!form.imageFile.isEmpty()) {
        // An image mode without a file keeps the mode and file in effect before.
        writeText(store, keys::kBackImageMode, form.imageMode);
        writeText(store, keys::kBackImage, form.imageFile);
        memory.backImagePath = form.imageFile;
        memory.backImageMode = form.imageMode;
    }
}

void applyCustom(SettingsStore& store, const AllSettings& form, StartupSettings& memory)
{
    writeText(store, keys::kWeb, form.web);
    writeText(store, keys::kEmail, form.email);
    writeText(store, keys::kShow, encodeLineBreaks(form.message));
    memory.email = form.email;
    memory.web = form.web;
    memory.customMessage = form.message;
    writeFlag(store, keys::kAlwaysOnTop, form.alwaysOnTop);
    memory.alwaysOnTop = form.alwaysOnTop;
}

void applyLaunchers(SettingsStore& store, AllSettings& form)
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
}

} // namespace

void loadAllSettings(const SettingsStore& store, const StartupSettings& memory,
                     const StripMetrics& strip, const QStringList& fontFaces, AllSettings& form)
{
    if (const auto file = readPresent(store, keys::kArchFile))
        form.archiveFile = *file;
    loadStamp(store, keys::kAlarmTime, form.stampAlarm);
    loadStamp(store, keys::kLastUpdate, form.stampLastUpdate);
    loadStamp(store, keys::kExitTime, form.stampArchived);

    const auto face = std::find_if(fontFaces.begin(), fontFaces.end(), [&](const QString& f) {
        return f.compare(memory.fontName, Qt::CaseInsensitive) == 0;
    });
    form.fontName = face == fontFaces.end() ? QString() : *face;
    form.fontSize = std::clamp(memory.fontSize, kMinFontSize, kMaxFontSize);
    form.fontColor = memory.fontColor;
    form.alarmColor = memory.alarmColor;
    form.alarmBackTransparent = memory.alarmBackTransparent;
    form.alarmBackColor = memory.alarmBackTransparent ? kButtonFaceColor : memory.alarmBackColor;
    form.backColor = memory.backColor;

    form.imageFile = memory.backImagePath;
    form.imageMode = memory.backImageMode == kImageEmpty || memory.backImageMode == kImageAdjust
                         ? memory.backImageMode
                         : kImageProportional;

    form.widthMinimum = keys::kWidth.minimum + strip.scrollBarWidth;
    form.width = std::min(strip.width, kMaxStripWidth);

    loadLaunchers(store, form);
    form.alwaysOnTop = memory.alwaysOnTop;
}

void resetToEmptyImage(AllSettings& form, StartupSettings& memory)
{
    form.imageMode = kImageEmpty;
    memory.backImageMode = kImageEmpty;
}

void fillCustomFields(const StartupSettings& memory, AllSettings& form)
{
    form.web = memory.web;
    form.email = memory.email;
    form.message = decodeLineBreaks(memory.customMessage);
}

void applyAllSettings(SettingsStore& store, AllSettings& form, StartupSettings& memory,
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
    writeText(store, keys::kArchFile,
              form.archiveFile.isEmpty() ? QStringLiteral("Velmaro.txt") : form.archiveFile);
    writeFlag(store, keys::kLastUpdate, form.stampLastUpdate);
    writeFlag(store, keys::kAlarmTime, form.stampAlarm);
    writeFlag(store, keys::kExitTime, form.stampArchived);
    writeNoteCount(store, context.noteCount);
    applyLaunchers(store, form);
    group.commit();
    memory = next;
}

} // namespace velmaro
