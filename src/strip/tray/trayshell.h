// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// What a tray icon needs from the desktop: the notification-area operations (add,
// modify, remove an icon with a tip), the pointer, the keyboard, the popup menu, the
// owner window and the painting of a text icon. The widgets library implements it over
// QSystemTrayIcon; tests record the calls.

#include <QPoint>
#include <QSize>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

namespace velmaro {

class TCoolTrayIcon;

// An image made by the platform layer (a 16 x 16 icon). The rules only keep it and
// hand it back; a null image is an icon that cannot be read.
using TrayImage = std::shared_ptr<const void>;

// What is sent to the notification area.
struct TrayIconData {
    TrayImage icon;
    QString tip; // at most kTrayTipLength characters
};
inline constexpr int kTrayTipLength = 127;

// Shift state of a pointer event: the keys held and the button.
enum TrayShiftFlag : unsigned {
    ssShift = 1,
    ssAlt = 2,
    ssCtrl = 4,
    ssLeft = 8,
    ssRight = 16,
    ssMiddle = 32,
};
using TShiftState = unsigned;

enum class TMouseButton { mbLeft, mbRight, mbMiddle };

enum class TBalloonHintIcon { bitNone, bitInfo, bitWarning, bitError };

// The font of a text icon: family, pixel height and a Windows colour value.
struct TrayFont {
    // untranslated: a font family name
    QString family = QStringLiteral("MS Sans Serif");
    int pixelHeight = 11;
    int color = int(0x80000008); // window text
    bool operator==(const TrayFont&) const = default;
};

// One line of a text icon and the top left corner it is drawn at.
struct TextIconLine {
    QString text;
    QPoint origin;
};

// Everything needed to paint a 16 x 16 text icon.
struct TextIconPlan {
    int background = 0; // Windows colour value B
    bool transparentBackground = false;
    TrayFont font;
    std::vector<TextIconLine> lines;
    bool border = false;
    int borderColor = 0;
    TrayImage backgroundIcon; // drawn under the text, B then transparent
};

class TrayShell {
public:
    virtual ~TrayShell() = default;

    // Notifications (pointer, owner, balloon) go to this icon from now on.
    virtual void setReceiver(TCoolTrayIcon* icon) = 0;

    // The notification area; false when it refused or is not there.
    virtual bool add(const TrayIconData& data) = 0;
    virtual bool modify(const TrayIconData& data) = 0;
    virtual bool remove() = 0;

    virtual std::optional<QPoint> cursorPos() const = 0;
    // Shift, Alt and Ctrl as held now.
    virtual TShiftState keyboardState() const = 0;
    virtual int doubleClickTime() const = 0;

    // A popup menu is set that opens by itself.
    virtual bool hasAutoPopupMenu() const = 0;
    // Brings the program forward and runs the menu at a screen point.
    virtual void popupMenu(QPoint at) = 0;
    // The menu's first default item, when it has one.
    virtual void clickDefaultMenuItem() = 0;

    // The program's window, then the owner, to the foreground.
    virtual void bringOwnerToFront() = 0;
    virtual void hideOwner() = 0;
    // Back from minimised and shown.
    virtual void restoreOwner() = 0;

    virtual bool showBalloon(const QString& title, const QString& text, TBalloonHintIcon icon,
                             int timeoutSeconds) = 0;

    // The 0x00BBGGRR value of a Windows colour value, system colours resolved.
    virtual int rgbOf(int winColor) const = 0;
    // Width and height of a text in a font.
    virtual QSize textExtent(const TrayFont& font, const QString& text) const = 0;
    virtual TrayImage paintTextIcon(const TextIconPlan& plan) = 0;
};

} // namespace velmaro
