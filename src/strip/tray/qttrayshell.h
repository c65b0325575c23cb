// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// The tray icon's desktop side over QSystemTrayIcon, which reaches both an XEmbed
// notification area (trayer, Xfce, MATE) and a StatusNotifierItem host (KDE).
//
// What neither protocol tells a program, and so never reaches the icon: pointer moves
// over the icon (no mouse move, enter or exit), a button's release apart from its press
// (a press is reported as press and release at once), and a balloon hint that hides or
// times out. A restarted notification area is followed by QSystemTrayIcon itself, which
// puts a visible icon back.
//
// The icon's menu is handed to QSystemTrayIcon, so that a StatusNotifierItem host can
// show it where the icon is; a right press then opens it by the desktop's own means.

#include "strip/tray/trayshell.h"

#include <QIcon>
#include <QMenu>
#include <QObject>
#include <QPointer>
#include <QSystemTrayIcon>

class QWidget;

namespace velmaro {

class QtTrayShell final : public QObject, public TrayShell {
    Q_OBJECT
public:
    // `owner` is the window the icon stands for; it may be null.
    explicit QtTrayShell(QWidget* owner);
    ~QtTrayShell() override;

    // The menu opened on a press; not owned. It is also the tray icon's context menu:
    // a StatusNotifierItem host gets it over DBusMenu and opens it at the icon itself,
    // and on an XEmbed tray Qt opens it at a right press.
    void setPopupMenu(QMenu* menu);
    QMenu* popupMenuWidget() const { return m_menu; }
    QSystemTrayIcon& systemTrayIcon() { return m_tray; }

    // Every TrayImage this shell makes or takes holds a QIcon.
    static TrayImage image(const QIcon& icon);
    static QIcon icon(const TrayImage& image);

    void setReceiver(TCoolTrayIcon* icon) override { m_receiver = icon; }
    bool add(const TrayIconData& data) override;
    bool modify(const TrayIconData& data) override;
    bool remove() override;
    std::optional<QPoint> cursorPos() const override;
    TShiftState keyboardState() const override;
    int doubleClickTime() const override;
    bool hasAutoPopupMenu() const override;
    void popupMenu(QPoint at) override;
    void clickDefaultMenuItem() override;
    void bringOwnerToFront() override;
    void hideOwner() override;
    void restoreOwner() override;
    bool showBalloon(const QString& title, const QString& text, TBalloonHintIcon icon,
                     int timeoutSeconds) override;
    int rgbOf(int winColor) const override;
    QSize textExtent(const TrayFont& font, const QString& text) const override;
    TrayImage paintTextIcon(const TextIconPlan& plan) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void activated(QSystemTrayIcon::ActivationReason reason);
    void apply(const TrayIconData& data);

    QPointer<QWidget> m_owner;
    QSystemTrayIcon m_tray;
    QPointer<QMenu> m_menu;
    TCoolTrayIcon* m_receiver = nullptr;
    // Set while a press whose menu the desktop side opens is passed on.
    bool m_menuOpenedElsewhere = false;
};

} // namespace velmaro
