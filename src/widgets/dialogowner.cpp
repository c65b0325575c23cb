#include "widgets/dialogowner.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>
#include <QWindow>

namespace velmaro {

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
    // A window over another of the program's windows (a chooser over a dialog) keeps
    // that one; a window given no owner, or the strip, gets the strip while it is in
    // sight.
    QWindow* current = handle->transientParent();
    if (current && current != ownerHandle)
        return;
    QWindow* wanted = m_ownerInSight() ? ownerHandle : nullptr;
    if (current != wanted)
        handle->setTransientParent(wanted);
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
