// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// A notification-area icon: an image from an icon list or of its own, a tip, a popup
// menu on a left or right press, single and double clicks told apart, pointer enter and
// exit, cycling through the list, balloon hints, and the owner window brought forward
// when shown or hidden when minimised to the tray. The rules live here; TrayShell
// does the talking to the desktop.

#include "strip/tray/simpletimer.h"
#include "strip/tray/trayshell.h"

#include <functional>
#include <memory>

namespace velmaro {

// What the notification area reports about the pointer and balloon hints.
enum class TrayMessage {
    MouseMove,
    LButtonDown,
    LButtonUp,
    LButtonDblClk,
    RButtonDown,
    RButtonUp,
    ContextMenu,
    Select,
    KeySelect,
    MButtonDown,
    MButtonUp,
    BalloonShow,
    BalloonHide,
    BalloonTimeout,
    BalloonClick,
};

class TCoolTrayIcon {
public:
    using TNotifyEvent = std::function<void(TCoolTrayIcon&)>;
    using TMouseEvent = std::function<void(TCoolTrayIcon&, TMouseButton, TShiftState, int, int)>;
    using TMouseMoveEvent = std::function<void(TCoolTrayIcon&, TShiftState, int, int)>;
    using TCycleEvent = std::function<void(TCoolTrayIcon&, int NextIndex)>;
    using TStartupEvent = std::function<void(TCoolTrayIcon&, bool& ShowMainForm)>;

    // `timers` drives the click delay, cycle and hover timers; null: the process's.
    explicit TCoolTrayIcon(std::unique_ptr<TrayShell> shell, SimpleTimerHandler* timers = nullptr);
    virtual ~TCoolTrayIcon();
    TCoolTrayIcon(const TCoolTrayIcon&) = delete;
    TCoolTrayIcon& operator=(const TCoolTrayIcon&) = delete;

    TrayShell& shell() { return *m_shell; }

    // Properties. Each setter has the effect on the notification area its name says.
    const std::vector<TrayImage>& IconList() const { return m_iconList; }
    bool hasIconList() const { return m_hasIconList; }
    void SetIconList(std::vector<TrayImage> list);
    void ClearIconList();
    int IconIndex() const { return m_iconIndex; }
    void SetIconIndex(int index);
    bool CycleIcons() const { return m_cycleIcons; }
    void SetCycleIcons(bool cycle);
    int CycleInterval() const { return m_cycleInterval; }
    void SetCycleInterval(int ms);
    bool Enabled() const { return m_enabled; }
    void SetEnabled(bool enabled) { m_enabled = enabled; }
    const QString& Hint() const { return m_hint; }
    void SetHint(const QString& hint);
    bool ShowHint() const { return m_showHint; }
    void SetShowHint(bool show);
    // The image shown; the icon list's images are copied into it.
    const TrayImage& Icon() const { return m_currentIcon; }
    void SetIcon(TrayImage icon);
    bool IconVisible() const { return m_iconVisible; }
    void SetIconVisible(bool visible);
    bool LeftPopup() const { return m_leftPopup; }
    void SetLeftPopup(bool left) { m_leftPopup = left; }
    bool WantEnterExitEvents() const { return m_wantEnterExit; }
    void SetWantEnterExitEvents(bool want);
    bool MinimizeToTray() const { return m_minimizeToTray; }
    void SetMinimizeToTray(bool minimize) { m_minimizeToTray = minimize; }
    bool DesignPreview() const { return m_designPreview; }
    void SetDesignPreview(bool preview) { m_designPreview = preview; }

    // What the last add or modify sent.
    TrayIconData iconData() const;

    TNotifyEvent OnClick, OnDblClick, OnMouseEnter, OnMouseExit;
    TMouseEvent OnMouseDown, OnMouseUp;
    TMouseMoveEvent OnMouseMove;
    TCycleEvent OnCycle;
    TNotifyEvent OnBalloonHintShow, OnBalloonHintHide, OnBalloonHintTimeout, OnBalloonHintClick;
    TNotifyEvent OnMinimizeToTray;
    TStartupEvent OnStartup;

    // Run once after all properties are set: the start-up question, then the icon
    // goes in when visible, and cycling and hovering start as set.
    void Loaded();
    // False when OnStartup asked the program not to show its main window.
    bool showMainForm() const { return m_showMainForm; }

    virtual bool ShowIcon();
    virtual bool HideIcon();
    virtual bool ModifyIcon();
    bool ShowBalloonHint(const QString& title, const QString& text, TBalloonHintIcon icon,
                         int timeoutSeconds);

    // From the shell: the pointer or a balloon hint, the notification area restarted,
    // the owner window shown, minimised or restored from its taskbar entry.
    void trayMessage(TrayMessage message);
    void taskbarCreated();
    void ownerShown();
    void ownerMinimized();
    void ownerRestored();

    // Timers, for tests that step them.
    const TSimpleTimer& cycleTimer() const { return m_cycleTimer; }
    const TSimpleTimer& clickTimer() const { return m_clickTimer; }
    const TSimpleTimer& hoverTimer() const { return m_hoverTimer; }

protected:
    virtual void Click();
    virtual void DblClick();
    virtual void DoCycle(int nextIndex);
    virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseMove(TShiftState shift, int x, int y);
    virtual void MouseEnter();
    virtual void MouseExit();
    virtual void DoMinimizeToTray();

    // Sets the image shown; the notification area follows.
    void setCurrentIcon(TrayImage icon);

private:
    void refreshData();
    void popupAtCursor();
    void pointerMoved();
    void leftDown();
    void leftUp();
    void balloonMessage(TrayMessage message);
    void pointerButton(TMouseButton button, bool down);
    void clickTimerTick();
    void cycleTimerTick();
    void hoverTimerTick();

    std::unique_ptr<TrayShell> m_shell;
    TrayIconData m_data;
    TrayImage m_currentIcon;

    std::vector<TrayImage> m_iconList;
    bool m_hasIconList = false;
    int m_iconIndex = 0;
    bool m_cycleIcons = false;
    int m_cycleInterval = 0;
    bool m_enabled = true;
    QString m_hint;
    bool m_showHint = true;
    bool m_iconVisible = false;
    bool m_leftPopup = false;
    bool m_wantEnterExit = false;
    bool m_minimizeToTray = false;
    bool m_designPreview = false;
    bool m_showMainForm = true;
    // The notification record's version: 0 reports the right button's release itself.
    int m_version = 0;

    bool m_leftPressed = false;
    bool m_clickPending = false;
    bool m_dblClickSeen = false;
    bool m_pointerOutside = true;
    QPoint m_lastPos;

    TSimpleTimer m_cycleTimer;
    TSimpleTimer m_clickTimer;
    TSimpleTimer m_hoverTimer;
};

} // namespace velmaro
