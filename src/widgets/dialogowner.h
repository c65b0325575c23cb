// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// Keeps every window the program opens above the strip. Each top-level window shown
// without an owner window of its own (dialogs, message boxes, the editor, the list,
// help and about windows) is made transient for the strip, so window managers stack
// it over the strip, also over a strip kept always on top, and a modal one never
// hides under the window it blocks. A window shown while a modal one is open
// belongs to that one instead. Choosers opened from such a window stay transient
// for that window. While the strip is out of sight (hidden, or on another
// workspace) the window is left without an owner, so it opens where the user is.
// Every such window is kept no larger than its monitor's free area (widgets/centring.h).

#include <QObject>
#include <QPointer>

#include <functional>

class QWidget;

namespace velmaro {

class DialogOwner final : public QObject {
    Q_OBJECT
public:
    // `ownerInSight` tells whether the owner is on the screen the user sees.
    DialogOwner(QWidget& owner, std::function<bool()> ownerInSight, QObject* parent = nullptr);
    ~DialogOwner() override;

    // Sets the owner of one window about to be shown; the watch on the application
    // does this for every window.
    void adopt(QWidget* window) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> m_owner;
    std::function<bool()> m_ownerInSight;
};

} // namespace velmaro
