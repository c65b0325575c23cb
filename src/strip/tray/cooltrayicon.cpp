// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "strip/tray/cooltrayicon.h"

namespace velmaro {

constexpr int kHoverIntervalMs = 20;

TCoolTrayIcon::TCoolTrayIcon(std::unique_ptr<TrayShell> shell, SimpleTimerHandler* timers)
    : m_shell(std::move(shell)), m_cycleTimer(
                                     0, [this](TSimpleTimer&) { cycleTimerTick(); }, timers),
      m_clickTimer(
          1000, [this](TSimpleTimer&) { clickTimerTick(); }, timers),
      m_hoverTimer(
          kHoverIntervalMs, [this](TSimpleTimer&) { hoverTimerTick(); }, timers)
{
    m_shell->setReceiver(this);
}

TCoolTrayIcon::~TCoolTrayIcon()
{
    m_shell->setReceiver(nullptr);
    m_shell->remove();
}

void TCoolTrayIcon::SetIconList(std::vector<TrayImage> list)
{
    m_iconList = std::move(list);
    m_hasIconList = true;
    SetIconIndex(0);
}

void TCoolTrayIcon::ClearIconList()
{
    m_iconList.clear();
    m_hasIconList = false;
    SetIconIndex(0);
}

void TCoolTrayIcon::SetIconIndex(int index)
{
    if (!m_hasIconList) {
        m_iconIndex = 0;
        ModifyIcon();
        return;
    }
    const int count = int(m_iconList.size());
    m_iconIndex = index >= count ? count - 1 : index;
    if (m_iconIndex >= 0 && m_iconIndex < count)
        setCurrentIcon(m_iconList[m_iconIndex]);
    else
        ModifyIcon(); // an empty list or a negative index has no image to copy
}

void TCoolTrayIcon::SetCycleIcons(bool cycle)
{
    m_cycleIcons = cycle;
    if (cycle) {
        SetIconIndex(0);
        m_cycleTimer.SetInterval(m_cycleInterval);
        m_cycleTimer.Start(); // an interval of 0 does not start
    } else {
        m_cycleTimer.Stop();
    }
}

void TCoolTrayIcon::SetCycleInterval(int ms)
{
    if (ms == m_cycleInterval)
        return;
    m_cycleInterval = ms;
    SetCycleIcons(m_cycleIcons);
}

void TCoolTrayIcon::SetHint(const QString& hint)
{
    m_hint = hint;
    ModifyIcon();
}

void TCoolTrayIcon::SetShowHint(bool show)
{
    m_showHint = show;
    ModifyIcon();
}

void TCoolTrayIcon::SetIcon(TrayImage icon)
{
    setCurrentIcon(std::move(icon));
}

void TCoolTrayIcon::SetIconVisible(bool visible)
{
    if (visible)
        ShowIcon();
    else
        HideIcon();
}

void TCoolTrayIcon::SetWantEnterExitEvents(bool want)
{
    m_wantEnterExit = want;
    if (want)
        m_hoverTimer.Start();
    else
        m_hoverTimer.Stop();
}

TrayIconData TCoolTrayIcon::iconData() const
{
    return m_data;
}

void TCoolTrayIcon::setCurrentIcon(TrayImage icon)
{
    m_currentIcon = std::move(icon);
    ModifyIcon();
}

void TCoolTrayIcon::refreshData()
{
    m_data.icon = m_currentIcon;
    m_data.tip = (!m_hint.isEmpty() && m_showHint) ? m_hint.left(kTrayTipLength) : QString();
}

bool TCoolTrayIcon::ShowIcon()
{
    m_iconVisible = true;
    refreshData();
    return m_shell->add(m_data);
}

bool TCoolTrayIcon::HideIcon()
{
    m_iconVisible = false;
    refreshData();
    return m_shell->remove();
}

bool TCoolTrayIcon::ModifyIcon()
{
    refreshData();
    return m_shell->modify(m_data);
}

bool TCoolTrayIcon::ShowBalloonHint(const QString& title, const QString& text,
                                    TBalloonHintIcon icon, int timeoutSeconds)
{
    return m_shell->showBalloon(title, text, icon, timeoutSeconds);
}

void TCoolTrayIcon::Loaded()
{
    m_showMainForm = true;
    if (OnStartup)
        OnStartup(*this, m_showMainForm);
    if (!m_showMainForm)
        m_shell->hideOwner();
    ModifyIcon();
    SetIconVisible(m_iconVisible);
    SetCycleIcons(m_cycleIcons);
    SetWantEnterExitEvents(m_wantEnterExit);
}

void TCoolTrayIcon::taskbarCreated()
{
    if (m_iconVisible)
        ShowIcon();
}

void TCoolTrayIcon::ownerShown()
{
    m_shell->bringOwnerToFront();
}

// A minimised owner goes to the tray when asked to; OnMinimizeToTray hears of it first.
void TCoolTrayIcon::ownerMinimized()
{
    if (!m_minimizeToTray)
        return;
    if (OnMinimizeToTray)
        OnMinimizeToTray(*this);
    DoMinimizeToTray();
}

void TCoolTrayIcon::ownerRestored()
{
    m_shell->restoreOwner();
}

void TCoolTrayIcon::DoMinimizeToTray()
{
    m_shell->hideOwner();
    ShowIcon();
}

void TCoolTrayIcon::popupAtCursor()
{
    const std::optional<QPoint> at = m_shell->cursorPos();
    if (at && m_shell->hasAutoPopupMenu())
        m_shell->popupMenu(*at);
}

void TCoolTrayIcon::trayMessage(TrayMessage message)
{
    if (!m_enabled)
        return;
    switch (message) {
    case TrayMessage::MouseMove:
        pointerMoved();
        break;
    case TrayMessage::LButtonDown:
        leftDown();
        break;
    case TrayMessage::LButtonUp:
        leftUp();
        break;
    case TrayMessage::LButtonDblClk:
        m_clickPending = false;
        m_dblClickSeen = true;
        DblClick();
        if (!m_leftPopup && m_shell->hasAutoPopupMenu())
            m_shell->clickDefaultMenuItem();
        break;
    case TrayMessage::RButtonDown:
        pointerButton(TMouseButton::mbRight, true);
        popupAtCursor();
        break;
    case TrayMessage::RButtonUp:
        if (m_version == 0)
            pointerButton(TMouseButton::mbRight, false);
        break;
    case TrayMessage::ContextMenu:
    case TrayMessage::Select:
    case TrayMessage::KeySelect:
        if (m_version == 3)
            pointerButton(TMouseButton::mbRight, false);
        break;
    case TrayMessage::MButtonDown:
    case TrayMessage::MButtonUp:
        pointerButton(TMouseButton::mbMiddle, message == TrayMessage::MButtonDown);
        break;
    default:
        balloonMessage(message);
        break;
    }
}

void TCoolTrayIcon::pointerMoved()
{
    const QPoint at = m_shell->cursorPos().value_or(m_lastPos);
    if (m_wantEnterExit && m_pointerOutside) {
        MouseEnter();
        m_pointerOutside = false;
    }
    MouseMove(m_shell->keyboardState(), at.x(), at.y());
    m_lastPos = at;
}

void TCoolTrayIcon::leftDown()
{
    if (OnDblClick) {
        m_clickTimer.SetInterval(m_shell->doubleClickTime());
        m_clickTimer.Start();
    }
    pointerButton(TMouseButton::mbLeft, true);
    m_leftPressed = true;
    if (m_leftPopup)
        popupAtCursor();
}

void TCoolTrayIcon::leftUp()
{
    if (m_leftPressed) {
        m_clickPending = true;
        if (!m_clickTimer.Running()) {
            m_clickPending = false;
            m_leftPressed = false;
            Click();
        }
    }
    m_leftPressed = false;
    pointerButton(TMouseButton::mbLeft, false);
}

void TCoolTrayIcon::balloonMessage(TrayMessage message)
{
    const TNotifyEvent* event = message == TrayMessage::BalloonShow      ? &OnBalloonHintShow
                                : message == TrayMessage::BalloonHide    ? &OnBalloonHintHide
                                : message == TrayMessage::BalloonTimeout ? &OnBalloonHintTimeout
                                : message == TrayMessage::BalloonClick   ? &OnBalloonHintClick
                                                                         : nullptr;
    if (event && *event)
        (*event)(*this);
}

void TCoolTrayIcon::pointerButton(TMouseButton button, bool down)
{
    const QPoint at = m_shell->cursorPos().value_or(m_lastPos);
    const TShiftState held = m_shell->keyboardState();
    const TShiftState flag = button == TMouseButton::mbLeft    ? ssLeft
                             : button == TMouseButton::mbRight ? ssRight
                                                               : ssMiddle;
    if (down)
        MouseDown(button, held | flag, at.x(), at.y());
    else
        MouseUp(button, held | flag, at.x(), at.y());
}

// With OnDblClick set a single click waits one double-click time, and is dropped when
// a double click came meanwhile.
void TCoolTrayIcon::clickTimerTick()
{
    m_clickTimer.Stop();
    if (!m_dblClickSeen && m_clickPending) {
        m_clickPending = false;
        Click();
    }
    m_dblClickSeen = false;
}

void TCoolTrayIcon::cycleTimerTick()
{
    const int count = int(m_iconList.size());
    if (m_iconIndex >= 0 && m_iconIndex < count)
        setCurrentIcon(m_iconList[m_iconIndex]);
    const int next = m_iconIndex < count - 1 ? m_iconIndex + 1 : 0;
    DoCycle(next);
    SetIconIndex(next);
}

void TCoolTrayIcon::hoverTimerTick()
{
    if (m_pointerOutside)
        return;
    const std::optional<QPoint> at = m_shell->cursorPos();
    if (at && *at != m_lastPos) {
        m_pointerOutside = true;
        MouseExit();
    }
}

void TCoolTrayIcon::Click()
{
    if (OnClick)
        OnClick(*this);
}

void TCoolTrayIcon::DblClick()
{
    if (OnDblClick)
        OnDblClick(*this);
}

void TCoolTrayIcon::DoCycle(int nextIndex)
{
    if (OnCycle)
        OnCycle(*this, nextIndex);
}

void TCoolTrayIcon::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (OnMouseDown)
        OnMouseDown(*this, button, shift, x, y);
}

void TCoolTrayIcon::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    if (OnMouseUp)
        OnMouseUp(*this, button, shift, x, y);
}

void TCoolTrayIcon::MouseMove(TShiftState shift, int x, int y)
{
    if (OnMouseMove)
        OnMouseMove(*this, shift, x, y);
}

void TCoolTrayIcon::MouseEnter()
{
    if (OnMouseEnter)
        OnMouseEnter(*this);
}

void TCoolTrayIcon::MouseExit()
{
    if (OnMouseExit)
        OnMouseExit(*this);
}

} // namespace velmaro
