// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "strip/tray/qttrayshell.h"

#include "strip/tray/cooltrayicon.h"
#include "widgets/wincolor.h"

#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QFontMetrics>
#include <QImage>
#include <QMenu>
#include <QPainter>
#include <QWidget>
#include <QWindowStateChangeEvent>

namespace velmaro {

namespace {

QFont qtFont(const TrayFont& font)
{
    QFont f(font.family);
    f.setPixelSize(qMax(1, font.pixelHeight));
    return f;
}

QColor qtColor(int winColor)
{
    return toQColor(winColor, QGuiApplication::palette(), QPalette::WindowText);
}

} // namespace

QtTrayShell::QtTrayShell(QWidget* owner) : m_owner(owner)
{
    connect(&m_tray, &QSystemTrayIcon::activated, this, &QtTrayShell::activated);
    connect(&m_tray, &QSystemTrayIcon::messageClicked, this, [this] {
        if (m_receiver)
            m_receiver->trayMessage(TrayMessage::BalloonClick);
    });
    if (owner)
        owner->installEventFilter(this);
}

QtTrayShell::~QtTrayShell()
{
    if (m_owner)
        m_owner->removeEventFilter(this);
}

void QtTrayShell::setPopupMenu(QMenu* menu)
{
    m_menu = menu;
    m_tray.setContextMenu(menu);
}

TrayImage QtTrayShell::image(const QIcon& icon)
{
    return std::make_shared<const QIcon>(icon);
}

QIcon QtTrayShell::icon(const TrayImage& image)
{
    return image ? *std::static_pointer_cast<const QIcon>(image) : QIcon();
}

void QtTrayShell::apply(const TrayIconData& data)
{
    m_tray.setIcon(icon(data.icon));
    m_tray.setToolTip(data.tip);
}

bool QtTrayShell::add(const TrayIconData& data)
{
    apply(data);
    m_tray.show();
    return QSystemTrayIcon::isSystemTrayAvailable();
}

bool QtTrayShell::modify(const TrayIconData& data)
{
    apply(data);
    return m_tray.isVisible();
}

bool QtTrayShell::remove()
{
    const bool wasVisible = m_tray.isVisible();
    m_tray.hide();
    return wasVisible;
}

std::optional<QPoint> QtTrayShell::cursorPos() const
{
    return QCursor::pos();
}

TShiftState QtTrayShell::keyboardState() const
{
    const Qt::KeyboardModifiers held = QGuiApplication::queryKeyboardModifiers();
    TShiftState state = 0;
    if (held & Qt::ShiftModifier)
        state |= ssShift;
    if (held & Qt::AltModifier)
        state |= ssAlt;
    if (held & Qt::ControlModifier)
        state |= ssCtrl;
    return state;
}

int QtTrayShell::doubleClickTime() const
{
    return QApplication::doubleClickInterval();
}

bool QtTrayShell::hasAutoPopupMenu() const
{
    return m_menu != nullptr;
}

// The menu opens without a nested event loop, so a command chosen from it (the exit
// among them) runs after the press that opened it has been handled.
void QtTrayShell::popupMenu(QPoint at)
{
    if (m_menu && !m_menuOpenedElsewhere)
        m_menu->popup(at);
}

void QtTrayShell::clickDefaultMenuItem()
{
    if (m_menu && m_menu->defaultAction())
        m_menu->defaultAction()->trigger();
}

void QtTrayShell::bringOwnerToFront()
{
    if (!m_owner)
        return;
    m_owner->raise();
    // An owner shown without taking the keyboard (an alarm showed it) leaves it where
    // the user is typing.
    if (!m_owner->testAttribute(Qt::WA_ShowWithoutActivating))
        m_owner->activateWindow();
}

void QtTrayShell::hideOwner()
{
    if (m_owner)
        m_owner->hide();
}

void QtTrayShell::restoreOwner()
{
    if (!m_owner)
        return;
    m_owner->setWindowState(m_owner->windowState() & ~Qt::WindowMinimized);
    m_owner->show();
}

bool QtTrayShell::showBalloon(const QString& title, const QString& text, TBalloonHintIcon icon,
                              int timeoutSeconds)
{
    if (!QSystemTrayIcon::supportsMessages() || !m_tray.isVisible())
        return false;
    static constexpr QSystemTrayIcon::MessageIcon kIcons[] = {
        QSystemTrayIcon::NoIcon, QSystemTrayIcon::Information, QSystemTrayIcon::Warning,
        QSystemTrayIcon::Critical};
    m_tray.showMessage(title, text, kIcons[int(icon)], qMax(0, timeoutSeconds) * 1000);
    if (m_receiver)
        m_receiver->trayMessage(TrayMessage::BalloonShow);
    return true;
}

int QtTrayShell::rgbOf(int winColor) const
{
    return toWinColor(qtColor(winColor));
}

QSize QtTrayShell::textExtent(const TrayFont& font, const QString& text) const
{
    const QFontMetrics metrics(qtFont(font));
    return {metrics.horizontalAdvance(text), metrics.height()};
}

TrayImage QtTrayShell::paintTextIcon(const TextIconPlan& plan)
{
    QImage bitmap(16, 16, QImage::Format_ARGB32_Premultiplied);
    bitmap.fill(plan.transparentBackground ? QColor(Qt::transparent) : qtColor(plan.background));
    QPainter painter(&bitmap);
    if (plan.backgroundIcon)
        painter.drawPixmap(0, 0, icon(plan.backgroundIcon).pixmap(16, 16));
    const QFont font = qtFont(plan.font);
    const QFontMetrics metrics(font);
    painter.setFont(font);
    painter.setPen(qtColor(plan.font.color));
    for (const TextIconLine& line : plan.lines)
        painter.drawText(line.origin.x(), line.origin.y() + metrics.ascent(), line.text);
    if (plan.border) {
        painter.setPen(qtColor(plan.borderColor));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(0, 0, 15, 15);
    }
    painter.end();
    return image(QIcon(QPixmap::fromImage(bitmap)));
}

// Both protocols report a press as a whole click, so each press is passed on as the
// button going down and up again.
void QtTrayShell::activated(QSystemTrayIcon::ActivationReason reason)
{
    if (!m_receiver)
        return;
    switch (reason) {
    case QSystemTrayIcon::Trigger:
        m_receiver->trayMessage(TrayMessage::LButtonDown);
        m_receiver->trayMessage(TrayMessage::LButtonUp);
        break;
    case QSystemTrayIcon::Context:
        // The context menu is open already (XEmbed) or is the host's to open (DBusMenu).
        m_menuOpenedElsewhere = m_tray.contextMenu() != nullptr;
        m_receiver->trayMessage(TrayMessage::RButtonDown);
        m_receiver->trayMessage(TrayMessage::RButtonUp);
        m_menuOpenedElsewhere = false;
        break;
    case QSystemTrayIcon::MiddleClick:
        m_receiver->trayMessage(TrayMessage::MButtonDown);
        m_receiver->trayMessage(TrayMessage::MButtonUp);
        break;
    case QSystemTrayIcon::DoubleClick:
        m_receiver->trayMessage(TrayMessage::LButtonDblClk);
        break;
    case QSystemTrayIcon::Unknown:
        break;
    }
}

bool QtTrayShell::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_owner && m_receiver) {
        if (event->type() == QEvent::Show) {
            m_receiver->ownerShown();
        } else if (event->type() == QEvent::WindowStateChange) {
            const auto* change = static_cast<QWindowStateChangeEvent*>(event);
            if (m_owner->isMinimized())
                m_receiver->ownerMinimized();
            else if (change->oldState() & Qt::WindowMinimized)
                m_receiver->ownerRestored();
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace velmaro
