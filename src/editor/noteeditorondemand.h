// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// The note editor made on its first opening. Building it loads the style's pictures
// and with them every image reader, which the start-up need not wait for; it is kept
// from then on, as the editor made at start-up would be.

#include "session/striphost.h"

#include <memory>

namespace velmaro {

class Session;
class TfrmConfig;
struct Services;

class NoteEditorOnDemand final : public NoteEditorOpener {
public:
    NoteEditorOnDemand(Services& services, Session& session, StripHost& host);
    ~NoteEditorOnDemand() override;

    void openNew() override;
    void openForNote(int n, const QString& displayedText, int markColor) override;
    void proposeAlarm(int n, const QDateTime& alarm, const QString& warning) override;
    void followAnsweredNote(int n) override;
    bool isShown() const override;

    // Null until the first opening.
    TfrmConfig* editor() const { return m_editor.get(); }

private:
    TfrmConfig& made();

    Services& m_services;
    Session& m_session;
    StripHost& m_host;
    std::unique_ptr<TfrmConfig> m_editor;
};

} // namespace velmaro
