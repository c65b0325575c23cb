// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// Notices when the settings file is changed by another hand: a sync tool bringing in
// another machine's notes, or the user editing it while the strip runs.

#include "notes/settingsstore.h"

#include <QObject>
#include <QString>

class QFileSystemWatcher;
class QTimer;

namespace velmaro {

class SettingsFileWatcher : public QObject {
    Q_OBJECT
public:
    // Watches the store's file and its folder (an atomic replacement is a new file).
    // Costs nothing while nothing there changes: the kernel reports changes.
    explicit SettingsFileWatcher(SettingsStore& store, QObject* parent = nullptr);

    // How long a burst of changes is let settle before the file is looked at.
    static constexpr int kSettleMs = 200;

signals:
    // The file now holds other bytes than the store last read or wrote. Not sent for
    // the program's own writes, nor while the file is missing, nor for other files in
    // the folder (conflict copies, temporary files), which are never read.
    void changedOutside();

private:
    void watch();
    void look();

    SettingsStore& m_store;
    QString m_path;
    QFileSystemWatcher* m_watcher;
    QTimer* m_settle;
    quint64 m_seen = 0;
};

} // namespace velmaro
