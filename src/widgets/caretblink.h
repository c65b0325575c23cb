// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// The text caret blinks for a while after the last key press, click or focus change
// and then stays lit, as desktops set it up (GTK's cursor-blink-timeout), so that an
// idle program with a focused text box does not wake up twice a second.

#include <QObject>
#include <QTimer>

class QApplication;

namespace velmaro {

class CaretBlinkTimeout final : public QObject {
public:
    explicit CaretBlinkTimeout(QApplication& app, int timeoutMs = 10000);
    ~CaretBlinkTimeout() override;

    bool isBlinking() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void restart();

    QApplication& m_app;
    int m_flashTime;
    QTimer m_timer;
};

} // namespace velmaro
