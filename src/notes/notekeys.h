#pragma once
// The one spelling of the settings file's section names and of the keys that hold a
// note. Sections and keys match without regard to case and surrounding blanks, so the
// file written by earlier versions may use several spellings of the same section;
// each constant below is the spelling this program writes or reads at that place.

#include <QString>

namespace velmaro::keys {

// Settings, position and the note count.
inline const QString kGeneral = QStringLiteral("General");
// The version stamp's spelling of the same section.
inline const QString kGeneralStamp = QStringLiteral("GENERAL");
// The notes.
inline const QString kData = QStringLiteral("Data");
// The same section as read by the note load.
inline const QString kDataPadded = QStringLiteral(" Data");
// Custom addresses, message and editor defaults: read as "CUSTOM", written as "Custom".
inline const QString kCustom = QStringLiteral("CUSTOM");
inline const QString kCustomWritten = QStringLiteral("Custom");

// The five keys of note n in section Data.
inline QString sentence(int n)
{
    return QStringLiteral("Sentence%1").arg(n);
}
inline QString color(int n)
{
    return QStringLiteral("Color%1").arg(n);
}
inline QString alarm(int n)
{
    return QStringLiteral("Alarm%1").arg(n);
}
inline QString sound(int n)
{
    return QStringLiteral("Sound%1").arg(n);
}
inline QString date(int n)
{
    return QStringLiteral("Date%1").arg(n);
}

// The stored note count in section General.
inline const QString kTotalData = QStringLiteral("TotalData");
// The stored strip position in section General.
inline const QString kLeft = QStringLiteral("left");
inline const QString kTop = QStringLiteral("top");

} // namespace velmaro::keys
