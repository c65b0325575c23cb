// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "strip/stripmover.h"

#include "notes/codec.h"
#include "notes/keys.h"
#include "platform/messages.h"
#include "session/session.h"
#include "strip/stripheader.h"
#include "strip/stripwidgets.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QWidget>

namespace velmaro {

StripMover::StripMover(QWidget* strip, StripHeader* header, Session& session,
                       platform::Messages& messages)
    : QObject(strip), m_strip(strip), m_header(header), m_session(session), m_messages(messages)
{
    setObjectName(QStringLiteral("StripMover"));
    // A monitor that shrinks or goes away pulls the strip back onto what is left; one
    // added later changes nothing until it changes size. A removal is seen once the
    // monitor has left the list.
    for (QScreen* screen : QGuiApplication::screens())
        watchScreen(screen);
    connect(qGuiApp, &QGuiApplication::screenAdded, this, &StripMover::watchScreen);
    const auto later = [this] {
        QMetaObject::invokeMethod(
            this, [this] { screenChanged(); }, Qt::QueuedConnection);
    };
    connect(qGuiApp, &QGuiApplication::screenRemoved, this, later);
    connect(qGuiApp, &QGuiApplication::primaryScreenChanged, this, later);
}

void StripMover::watchScreen(QScreen* screen)
{
    connect(screen, &QScreen::geometryChanged, this, &StripMover::screenChanged);
}

// A smaller screen can leave the strip where it is and still cut its notes: the
// scrollbar check runs as after a drag.
void StripMover::screenChanged()
{
    keepOnScreen();
    emit moved();
}

void StripMover::addDragSurface(QWidget* surface)
{
    surface->installEventFilter(this);
}

bool StripMover::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease)
        return false;
    auto* widget = static_cast<QWidget*>(watched);
    auto* mouse = static_cast<QMouseEvent*>(event);
    const QPoint at = mouse->position().toPoint();
    if (type == QEvent::MouseButtonPress) {
        // A press on a child (a note line, a picture, the search box, the toolbar)
        // reaches the surface only when the child passes it on; it starts nothing.
        if (widget->childAt(at) != nullptr)
            return false;
        if (mouse->button() == Qt::RightButton) {
            // The strip menu takes the pointer, so a right click is its own release.
            m_dragging = false;
            moveBy(0, 0);
            return false;
        }
        m_dragging = true;
        m_pressedOn = watched;
        m_anchor = {at.x(), at.y()};
        // Taken here, so the surface keeps the pointer until the release.
        return true;
    }
    // Every release ends the drag; the one on the pressed surface moves the strip.
    const bool move = m_dragging && watched == m_pressedOn;
    m_dragging = false;
    m_pressedOn = nullptr;
    if (move) {
        const layout::Position to =
            layout::draggedPosition({m_strip->x(), m_strip->y()}, m_anchor, {at.x(), at.y()});
        moveBy(to.left - m_strip->x(), to.top - m_strip->y());
    }
    return false;
}

void StripMover::moveBy(int dx, int dy)
{
    m_strip->move(m_strip->x() + dx, m_strip->y() + dy);
    // Both keys in one replacement of the file. A store that refuses them refuses the
    // corrections too; the strip is still kept on the screen.
    bool stored = true;
    SettingsStore& store = m_session.store();
    if (store.isOpen()) {
        try {
            SettingsStore::WriteGroup group(store);
            writeNumber(store, keys::kLeft, m_strip->x());
            writeNumber(store, keys::kTop, m_strip->y());
            group.commit();
        } catch (const StoreError& e) {
            m_messages.error(e.message());
            stored = false;
        }
    }
    keepOnScreen(stored);
    emit moved();
}

namespace {

layout::Rect toRect(const QRect& r)
{
    return {r.x(), r.y(), r.width(), r.height()};
}

QRect toQRect(const layout::Rect& r)
{
    return QRect(r.left, r.top, r.width, r.height);
}

// Without any monitor (a display going away) the strip keeps a screen of the
// classic size.
const QRect kNoScreen(0, 0, 1024, 768);

} // namespace

QRect StripMover::primaryGeometry()
{
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        return screen->geometry();
    return kNoScreen;
}

QRect StripMover::monitorGeometry() const
{
    // The monitors are compared in device pixels; the one found is given back in the
    // frame of the strip's own screen, the one its position is measured in.
    const auto frameOf = [](const QScreen* screen) {
        const QRect g = screen->geometry();
        return layout::Frame{g.x(), g.y(), screen->devicePixelRatio()};
    };
    const QScreen* own = m_strip->screen();
    const layout::Frame stripFrame = own ? frameOf(own) : layout::Frame{0, 0, 1.0};
    std::vector<layout::Rect> monitors;
    for (const QScreen* screen : QGuiApplication::screens())
        monitors.push_back(layout::toDevice(frameOf(screen), toRect(screen->geometry())));
    const int i =
        layout::holdingMonitor(monitors, layout::toDevice(stripFrame, toRect(m_strip->geometry())));
    if (i < 0)
        return kNoScreen;
    return toQRect(layout::fromDevice(stripFrame, monitors[static_cast<std::size_t>(i)]));
}

void StripMover::keepOnScreen()
{
    keepOnScreen(true);
}

void StripMover::keepOnScreen(bool store)
{
    const QRect screen = monitorGeometry();
    const QWidget* logo = m_header->logo();
    const QWidget* about = m_header->aboutImage();
    const layout::KeepOnScreenResult r = layout::keepOnScreen(
        {m_strip->x(), m_strip->y(), screen.width(), screen.height(), logo->x(), about->x(),
         about->y(), about->width(), about->height(), screen.x(), screen.y()});
    if (r.corrections.empty())
        return;
    m_strip->move(r.left, r.top);
    for (const layout::PositionCorrection& c : r.corrections) {
        if (!store || !writePosition(c.left ? keys::kLeft : keys::kTop, c.value))
            return;
    }
}

std::optional<int> StripMover::storedPosition(const SettingKey& key) const
{
    const std::optional<QString> text = readPresent(m_session.store(), key);
    if (!text)
        return std::nullopt;
    return parseInteger(*text);
}

bool StripMover::writePosition(const SettingKey& key, int value)
{
    SettingsStore& store = m_session.store();
    if (!store.isOpen())
        return true;
    try {
        writeNumber(store, key, value);
    } catch (const StoreError& e) {
        m_messages.error(e.message());
        return false;
    }
    return true;
}

} // namespace velmaro
