// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "widgets/dialogowner.h"

#include "widgets/centring.h"

#include <QApplication>
#include <QEvent>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace velmaro {

namespace {

// Marks a window whose owner this helper chose.
constexpr char kAdopted[] = "velmaroOwnerAdopted";

// The program's window the user is working in, other than the strip: the open
// modal window, or else the active one.
const QWidget* openedFrom(const QWidget* window)
{
    const QWidget* from = QApplication::activeModalWidget();
    if (!from)
        from = QApplication::activeWindow();
    if (!from || from == window || !from->isVisible() || !from->windowHandle() ||
        from->windowType() == Qt::Popup)
        return nullptr;
    return from;
}

// Makes `window` no larger than the free area of `screen`, and puts it wholly there when
// it had to shrink or `moveOnto` asks.
void keepOnMonitor(QWidget& window, const QScreen* screen, bool moveOnto)
{
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    if (fitOnMonitor(window, area) || moveOnto) {
        const QRect framed(window.pos(), window.size().grownBy(frameAllowance(window)));
        window.move(placeOnMonitor(framed, area));
    }
}

} // namespace

DialogOwner::DialogOwner(QWidget& owner, std::function<bool()> ownerInSight, QObject* parent)
    : QObject(parent), m_owner(&owner), m_ownerInSight(std::move(ownerInSight))
{
    qApp->installEventFilter(this);
}

DialogOwner::~DialogOwner()
{
    qApp->removeEventFilter(this);
}

void DialogOwner::adopt(QWidget* window) const
{
    if (!m_owner || window == m_owner || !window->isWindow())
        return;
    // Menus, tooltips and drop-down lists belong to the window they open from.
    const Qt::WindowType type = window->windowType();
    if (type == Qt::Popup || type == Qt::ToolTip || type == Qt::SplashScreen || type == Qt::Desktop)
        return;
    QWindow* handle = window->windowHandle();
    QWindow* ownerHandle = m_owner->windowHandle();
    if (!handle || !ownerHandle)
        return;
    // A window that Qt gave another of the program's windows as owner (a chooser
    // over its dialog) keeps it. The others are looked after here at every showing.
    QWindow* current = handle->transientParent();
    if (current && current != ownerHandle && !window->property(kAdopted).toBool()) {
        keepOnMonitor(*window, current->screen(), false);
        return;
    }
    window->setProperty(kAdopted, true);
    // A window opened from another of the program's windows (a message about the list
    // window's file, or about the editor's sound) belongs to that one, so the window
    // it came from cannot be raised over it.
    QWindow* wanted = m_ownerInSight() ? ownerHandle : nullptr;
    const QWidget* from = openedFrom(window);
    if (from && from != m_owner)
        wanted = from->windowHandle();
    if (current != wanted)
        handle->setTransientParent(wanted);
    // Opened from the strip: on the strip's monitor, wholly, wherever the window itself
    // meant to open.
    keepOnMonitor(*window, wanted ? wanted->screen() : window->screen(), wanted == ownerHandle);
}

bool DialogOwner::eventFilter(QObject* watched, QEvent* event)
{
    // Sent before the native window is mapped, so the window manager sees the owner
    // from the first moment.
    if (event->type() == QEvent::Show && watched->isWidgetType())
        adopt(static_cast<QWidget*>(watched));
    return false;
}

} // namespace velmaro
