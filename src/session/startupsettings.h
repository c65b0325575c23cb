#pragma once
// The start-up settings read: the in-memory copies the strip keeps for the whole run.

#include "notes/settingsstore.h"

#include <QString>

#include <optional>

namespace velmaro {

QString makerEmail();
QString makerWeb();
// The custom message shown when SHOW is absent.
QString defaultCustomMessage();

struct StartupSettings {
    bool firstRun = false;
    int noteCount = 0;
    int width = 237;
    QString email;
    bool alwaysOnTop = false;
    QString web;
    QString customMessage; // at most 180 characters
    QString fontName = QStringLiteral("MS Sans Serif");
    int fontSize = 8;
    int fontColor = 0;
    int alarmColor = 16777215;
    int alarmBackColor = 255;
    bool alarmBackTransparent = false;
    int backColor = 13828050;
    QString backImageMode = QStringLiteral("empty");
    QString backImagePath;
    // Set when TotalData held something that is not a number: the message the user
    // must see; noteCount then holds the count recovered from the stored notes.
    QString noteCountProblem;
};

// Steps 4 to 14 of the start-up read, in order, from an open store. Fills `s` as it
// goes; a present but non-numeric Width throws ConversionError and leaves `s` as far
// as it got. A non-numeric TotalData does not stop the read (see noteCountProblem);
// for it and for a negative one the count is that of the notes stored.
void readStartupSettings(SettingsStore& store, StartupSettings& s);

// The stored position, strictly converted: nullopt when absent, ConversionError when
// present and not a number.
std::optional<int> readStoredLeft(const SettingsStore& store);
std::optional<int> readStoredTop(const SettingsStore& store);

} // namespace velmaro
