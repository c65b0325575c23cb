// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// Where the strip stands. The strip has no caption, so it moves by a drag of its own:
// a press on the strip's bare surface, its header or its note-lines panel, and the
// release that belongs to it, move the strip by the distance between the two points
// (it jumps on release). After every move, and whenever a monitor shrinks or goes
// away, the keep-on-screen corrections pull it onto the monitor that holds it; each
// change is stored at once.

#include "strip/striplayout.h"

#include <QObject>
#include <QRect>

#include <optional>

class QScreen;
class QWidget;

namespace velmaro {

class Session;
struct SettingKey;
class StripHeader;
namespace platform {
class Messages;
}

class StripMover : public QObject {
    Q_OBJECT
public:
    StripMover(QWidget* strip, StripHeader* header, Session& session, platform::Messages& messages);

    // Presses on `surface` itself (not on its children) start a drag.
    void addDragSurface(QWidget* surface);
    bool isDragging() const { return m_dragging; }
    void cancelDrag() { m_dragging = false; }

    // Moves the strip by (dx, dy): stores "left" and "top", runs the keep-on-screen
    // corrections, then reports moved() for the scrollbar check.
    void moveBy(int dx, int dy);
    // The keep-on-screen corrections; each one that changes the strip is stored.
    void keepOnScreen();
    // "left" / "top" of General leniently: absent or not a number gives nullopt.
    std::optional<int> storedPosition(const SettingKey& key) const;
    // Writes one coordinate; false, after showing the store's message, when it fails.
    bool writePosition(const SettingKey& key, int value);
    // The monitor that holds most of the strip (the nearest when it is on none), in
    // desktop coordinates; its origin need not be (0, 0).
    QRect monitorGeometry() const;
    // Where the first start centres the strip.
    static QRect primaryGeometry();

signals:
    // The strip was moved by a drag, or its screen changed; the scrollbar check follows.
    void moved();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void watchScreen(QScreen* screen);
    void screenChanged();
    void keepOnScreen(bool store);

    QWidget* m_strip;
    StripHeader* m_header;
    Session& m_session;
    platform::Messages& m_messages;
    bool m_dragging = false;
    QObject* m_pressedOn = nullptr;
    layout::Position m_anchor{0, 0};
};

} // namespace velmaro
