// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// Turns SIGTERM, SIGINT and SIGHUP into a Qt signal on the event loop, so that the end
// of a desktop session closes the program the orderly way.

#include <QObject>

class QSocketNotifier;

namespace velmaro {

class TerminationSignal : public QObject {
    Q_OBJECT
public:
    explicit TerminationSignal(QObject* parent = nullptr);
    ~TerminationSignal() override;

Q_SIGNALS:
    void requested();

private:
    void readPending();
    QSocketNotifier* m_notifier = nullptr;
};

} // namespace velmaro
