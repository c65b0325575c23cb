// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// Shows notes changed by another hand: when the settings file changes outside, the
// strip reloads its notes as after a save in the note editor. While a dialog that
// works on the notes or the settings is open, the reload waits until it closes, so
// that nothing is changed underneath it.

#include "notes/notecollection.h"
#include "notes/settingsfilewatcher.h"
#include "notes/settingsstore.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <optional>
#include <vector>

namespace velmaro {

class NotesFollower : public QObject {
    Q_OBJECT
public:
    // `reload`: unload, load, past-alarm marking, scrollbar check. `openDialogs`: the
    // dialogs open at the moment that the reload must wait for.
    NotesFollower(SettingsFileWatcher& watcher, SettingsStore& store, NoteCollection& notes,
                  std::function<void()> reload, std::function<std::vector<QObject*>()> openDialogs,
                  QObject* parent = nullptr);

    bool isPending() const { return m_pending; }
    // The reload after a change this program made itself outside the dialogs (a note
    // added from the command line): at once, or when the open dialogs have closed.
    void reloadSoon();

signals:
    // The file's note count became a text that is no number; the notes stored are
    // counted instead. The message for the user.
    void countUnreadable(const QString& message);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void changedOutside();
    void reloadWhenFree();

    SettingsStore& m_store;
    NoteCollection& m_notes;
    std::function<void()> m_reload;
    std::function<std::vector<QObject*>()> m_openDialogs;
    std::vector<QPointer<QObject>> m_watched; // dialogs watched for their closing
    bool m_pending = false;
    std::optional<QString> m_unreadable; // the unreadable count last told
};

} // namespace velmaro
