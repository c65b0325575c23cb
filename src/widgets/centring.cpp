// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "widgets/centring.h"

#include <QLayout>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QVBoxLayout>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace velmaro {

namespace {

constexpr char kScrolledName[] = "velmaroFitScroll";

// Puts the children of `window`, a window laid out by hand, in a scroll area that fills
// it, keeping their places; once.
void scrollContents(QWidget& window)
{
    if (window.findChild<QScrollArea*>(QLatin1String(kScrolledName), Qt::FindDirectChildrenOnly))
        return;
    auto* content = new QWidget;
    content->setObjectName(QStringLiteral("velmaroFitContent"));
    const QObjectList children = window.children(); // a copy: the loop takes them away
    for (QObject* child : children) {
        auto* w = qobject_cast<QWidget*>(child);
        if (!w || w->isWindow())
            continue;
        const bool hidden = w->isHidden();
        const QRect place = w->geometry();
        w->setParent(content);
        w->setGeometry(place);
        w->setVisible(!hidden);
    }
    content->setFixedSize(window.size());
    auto* scroll = new QScrollArea;
    scroll->setObjectName(QLatin1String(kScrolledName));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidget(content);
    auto* layout = new QVBoxLayout(&window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll);
}

} // namespace

QMargins frameAllowance(const QWidget& window)
{
    const QWindow* handle = window.windowHandle();
    if (handle && !handle->frameMargins().isNull())
        return handle->frameMargins();
    return {6, 32, 6, 6};
}

bool fitOnMonitor(QWidget& window, const QRect& area)
{
    const QSize room = area.size().shrunkBy(frameAllowance(window));
    const QSize size = window.size();
    if (size.width() <= room.width() && size.height() <= room.height())
        return false;
    if (window.layout() &&
        !window.findChild<QScrollArea*>(QLatin1String(kScrolledName), Qt::FindDirectChildrenOnly)) {
        // Shrinks as far as its own layout lets it.
        window.resize(size.boundedTo(room));
        return true;
    }
    // Laid out by hand, at a fixed size: the contents keep theirs and scroll.
    // Room for the scroll bar across a cut side, where the other side has it.
    scrollContents(window);
    QSize fitted = size.boundedTo(room);
    const int bar = window.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &window);
    if (fitted.height() < size.height())
        fitted.setWidth(std::min(room.width(), fitted.width() + bar));
    if (fitted.width() < size.width())
        fitted.setHeight(std::min(room.height(), fitted.height() + bar));
    window.setFixedSize(fitted);
    return true;
}

void centreOnScreen(QWidget& window, const QScreen* screen)
{
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const QSize framed = window.size().grownBy(frameAllowance(window));
    window.move(area.x() + std::max(0, (area.width() - framed.width()) / 2),
                area.y() + std::max(0, (area.height() - framed.height()) / 2));
}

QPoint placeOnMonitor(const QRect& frame, const QRect& area)
{
    if (area.contains(frame))
        return frame.topLeft();
    return {area.x() + std::max(0, (area.width() - frame.width()) / 2),
            area.y() + std::max(0, (area.height() - frame.height()) / 2)};
}

QScreen* ownerScreen(const QWidget& window)
{
    const QWindow* handle = window.windowHandle();
    if (handle && handle->transientParent())
        return handle->transientParent()->screen();
    return window.screen();
}

} // namespace velmaro
