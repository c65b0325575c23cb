// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "app/notesfollower.h"

#include "notes/storednote.h"

#include <QEvent>
#include <QTimer>

#include <algorithm>

namespace velmaro {

NotesFollower::NotesFollower(SettingsFileWatcher& watcher, SettingsStore& store,
                             NoteCollection& notes, std::function<void()> reload,
                             std::function<std::vector<QObject*>()> openDialogs, QObject* parent)
    : QObject(parent), m_store(store), m_notes(notes), m_reload(std::move(reload)),
      m_openDialogs(std::move(openDialogs)), m_unreadable(readNoteCount(store).unreadable)
{
    connect(&watcher, &SettingsFileWatcher::changedOutside, this, &NotesFollower::changedOutside);
}

void NotesFollower::changedOutside()
{
    // The count follows the file at once: whatever an open dialog writes next (a new
    // note, the count itself) then goes after the notes the file holds now, not over
    // them. The note lines wait.
    const NoteCount count = readNoteCount(m_store);
    m_notes.setCount(count.count);
    // Told once for each unreadable text, not at every change that keeps it.
    if (count.unreadable != m_unreadable) {
        m_unreadable = count.unreadable;
        if (m_unreadable)
            emit countUnreadable(count.problem());
    }
    m_pending = true;
    reloadWhenFree();
}

void NotesFollower::reloadSoon()
{
    m_pending = true;
    reloadWhenFree();
}

void NotesFollower::reloadWhenFree()
{
    if (!m_pending)
        return;
    const std::vector<QObject*> open = m_openDialogs();
    if (open.empty()) {
        m_pending = false;
        for (const QPointer<QObject>& dialog : m_watched) {
            if (dialog)
                dialog->removeEventFilter(this);
        }
        m_watched.clear();
        m_reload();
        return;
    }
    for (QObject* dialog : open) {
        if (std::find(m_watched.begin(), m_watched.end(), dialog) == m_watched.end()) {
            dialog->installEventFilter(this);
            m_watched.emplace_back(dialog);
        }
    }
}

bool NotesFollower::eventFilter(QObject* watched, QEvent* event)
{
    // After the dialog's own closing steps (its save and reload among them).
    if (event->type() == QEvent::Hide)
        QTimer::singleShot(0, this, &NotesFollower::reloadWhenFree);
    return QObject::eventFilter(watched, event);
}

} // namespace velmaro
