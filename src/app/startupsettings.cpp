#include "app/startupsettings.h"

#include "buildconfig.h"
#include "notes/codec.h"
#include "notes/notekeys.h"

namespace velmaro {

namespace {

constexpr int kMinWidth = 237;
constexpr int kMessageLength = 180;
// How far the recovery looks for stored notes when TotalData is unreadable.
constexpr int kRecoveryScan = 999;

using keys::kCustom;
using keys::kGeneral;

// The highest note number with anything stored under it. Keys emptied by a deletion
// are empty, so they do not count.
int recoverNoteCount(const SettingsStore& store)
{
    int highest = 0;
    for (int n = 1; n <= kRecoveryScan; ++n) {
        for (auto key : {keys::sentence, keys::date, keys::color, keys::alarm, keys::sound}) {
            if (!store.readString(keys::kData, key(n), QString()).isEmpty()) {
                highest = n;
                break;
            }
        }
    }
    return highest;
}

int colourOrDefault(const SettingsStore& store, QStringView key, int defaultValue)
{
    const int value = store.readInteger(kGeneral, key, defaultValue);
    return value == -1 ? defaultValue : value;
}

std::optional<int> readPositionKey(const SettingsStore& store, QStringView key)
{
    const QString text = store.readString(u" General", key, kAbsent);
    if (text == kAbsent)
        return std::nullopt;
    return strToInt(text);
}

} // namespace

QString makerEmail()
{
    return QString::fromUtf8(build::makerEmail);
}

QString makerWeb()
{
    return QString::fromUtf8(build::makerWeb);
}

QString defaultCustomMessage()
{
    return QStringLiteral("¿ Todavía no escribió su frase favorita en este espacio ? En ") +
           makerWeb() + QStringLiteral(" le enseñamos cómo hacerlo ¡¡¡¡¡  ..GRATIS..  !!!!");
}

void readStartupSettings(SettingsStore& store, StartupSettings& s)
{
    s.firstRun = store.readString(kGeneral, u"Top", kAbsent) == kAbsent;

    const QString total = store.readString(kGeneral, keys::kTotalData, kAbsent);
    if (total == kAbsent) {
        s.noteCount = 0;
    } else if (const auto count = parseInteger(total); count && *count >= 0) {
        s.noteCount = *count;
    } else if (count) {
        // A negative count (a hand edit) would have the next new note written over
        // note 1: count the notes that are stored instead.
        s.noteCount = recoverNoteCount(store);
    } else {
        // Going on with no notes would let the next write of TotalData orphan every
        // stored note: tell the user and count the notes that are there instead.
        s.noteCountProblem = QStringLiteral("'%1' is not a valid integer value").arg(total);
        s.noteCount = recoverNoteCount(store);
    }

    const QString width = store.readString(kGeneral, u"Width", kAbsent);
    s.width = width == kAbsent ? kMinWidth : std::max(kMinWidth, strToInt(width));

    s.email = store.readString(kCustom, u"EMAIL", kAbsent);
    if (s.email == kAbsent)
        s.email = makerEmail();
    const QString onTop = store.readString(kCustom, u"ALWAYSONTOP", kAbsent);
    s.alwaysOnTop = onTop != kAbsent && textToBool(onTop);
    s.web = store.readString(kCustom, u"WEB", kAbsent);
    if (s.web == kAbsent)
        s.web = makerWeb();
    const QString show = store.readString(kCustom, u"SHOW", kAbsent);
    s.customMessage = (show == kAbsent ? defaultCustomMessage() : show).left(kMessageLength);

    s.fontName = store.readString(kGeneral, u"FontStyle", QStringLiteral("MS Sans Serif"));
    s.fontSize = store.readInteger(kGeneral, u"FontSize", 8);
    if (s.fontSize == -1)
        s.fontSize = 8;
    s.fontColor = colourOrDefault(store, u"FontColor", 0);
    s.alarmColor = colourOrDefault(store, u"AlarmColor", 16777215);
    s.alarmBackColor = colourOrDefault(store, u"AlarmBackColor", 255);
    s.alarmBackTransparent =
        textToBool(store.readString(kGeneral, u"AlarmBackTransparent", QStringLiteral("N")));

    s.backColor = colourOrDefault(store, u"backGrndColor", 0xD2FFD2);

    s.backImageMode = store.readString(kGeneral, u"backGrndImgStatus", QStringLiteral("empty"));
    s.backImagePath = store.readString(kGeneral, u"backGrndImg", QString());

    store.writeString(kGeneral, u"rem", QStringLiteral("103"));
}

std::optional<int> readStoredLeft(const SettingsStore& store)
{
    return readPositionKey(store, u"left");
}

std::optional<int> readStoredTop(const SettingsStore& store)
{
    return readPositionKey(store, u"top");
}

} // namespace velmaro
