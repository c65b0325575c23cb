// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// The running program's answers to calls from outside: the strip, its note editor
// and its notes do what the command line or the session bus asked.

#include "app/remoteactions.h"
#include "platform/clock.h"

#include <functional>

namespace velmaro {

class Session;
class TForm1;

class StripRemote final : public RemoteActions {
public:
    // `reload`: shows the notes as stored (at once, or once the open dialogs close).
    StripRemote(TForm1& strip, Session& session, const platform::Clock& clock,
                std::function<void()> reload);

    void newNote() override;
    void toggle() override;
    void show() override;
    void hide() override;
    void quit() override;
    AddResult addNote(const NoteRequest& request) override;
    QVariantList listNotes() override;
    bool isShown() override;
    // `changed` hears whether the strip is in sight each time that changes.
    void watchShown(std::function<void(bool)> changed);
    RestoreOutcome restoreBackup(const QString& which) override;

private:
    TForm1& m_strip;
    Session& m_session;
    const platform::Clock& m_clock;
    std::function<void()> m_reload;
};

} // namespace velmaro
