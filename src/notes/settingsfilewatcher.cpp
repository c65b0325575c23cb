// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "notes/settingsfilewatcher.h"

#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QTimer>

namespace velmaro {

SettingsFileWatcher::SettingsFileWatcher(SettingsStore& store, QObject* parent)
    : QObject(parent), m_store(store), m_path(store.path()),
      m_watcher(new QFileSystemWatcher(this)), m_settle(new QTimer(this))
{
    m_settle->setSingleShot(true);
    m_settle->setInterval(kSettleMs);
    connect(m_settle, &QTimer::timeout, this, &SettingsFileWatcher::look);
    const auto changed = [this] {
        watch();
        m_settle->start();
    };
    connect(m_watcher, &QFileSystemWatcher::fileChanged, this, changed);
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, this, changed);
    m_seen = m_store.outsideChanges();
    watch();
}

void SettingsFileWatcher::watch()
{
    // A replaced or deleted file drops out of the watch; the folder's watch tells
    // when it is back.
    if (!m_watcher->files().contains(m_path) && QFileInfo::exists(m_path))
        m_watcher->addPath(m_path);
    const QString folder = QFileInfo(m_path).absolutePath();
    if (!m_watcher->directories().contains(folder) && QFileInfo::exists(folder))
        m_watcher->addPath(folder);
}

void SettingsFileWatcher::look()
{
    // A file that is gone for the moment (a sync tool between its steps) is waited for:
    // reading it now would show no notes at all.
    if (!m_store.isOpen() || !QFileInfo::exists(m_path))
        return;
    const quint64 changes = m_store.outsideChanges();
    const bool more = changes > m_seen; // fewer: the store was opened again
    m_seen = changes;
    if (more)
        emit changedOutside();
}

} // namespace velmaro
