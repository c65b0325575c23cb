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
    // A screen that shrinks or goes away pulls the strip back onto what is left.
    watchScreen(QGuiApplication::primaryScreen());
    connect(qGuiApp, &QGuiApplication::primaryScreenChanged, this, [this](QScreen* screen) {
        watchScreen(screen);
        keepOnScreen();
    });
}

void StripMover::watchScreen(QScreen* screen)
{
    if (m_screen)
        disconnect(m_screen, nullptr, this, nullptr);
    m_screen = screen;
    if (m_screen) {
        connect(m_screen, &QScreen::geometryChanged, this, [this] { keepOnScreen(); });
        connect(m_screen, &QObject::destroyed, this, [this] { m_screen = nullptr; });
    }
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

QSize StripMover::screenSize() const
{
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        return screen->geometry().size();
    return QSize(1024, 768);
}

void StripMover::keepOnScreen()
{
    keepOnScreen(true);
}

void StripMover::keepOnScreen(bool store)
{
    const QSize screen = screenSize();
    const QWidget* logo = m_header->logo();
    const QWidget* about = m_header->aboutImage();
    const layout::KeepOnScreenResult r =
        layout::keepOnScreen({m_strip->x(), m_strip->y(), screen.width(), screen.height(),
                              logo->x(), about->x(), about->y(), about->width(), about->height()});
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
