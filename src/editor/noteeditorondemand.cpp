// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "editor/noteeditorondemand.h"

#include "editor/noteeditor.h"

namespace velmaro {

NoteEditorOnDemand::NoteEditorOnDemand(Services& services, Session& session, StripHost& host)
    : m_services(services), m_session(session), m_host(host)
{
}

NoteEditorOnDemand::~NoteEditorOnDemand() = default;

TfrmConfig& NoteEditorOnDemand::made()
{
    if (!m_editor) {
        m_editor = std::make_unique<TfrmConfig>(m_services, m_session);
        m_editor->setHost(&m_host);
    }
    return *m_editor;
}

void NoteEditorOnDemand::openNew()
{
    made().openNew();
}

void NoteEditorOnDemand::openForNote(int n, const QString& displayedText, int markColor)
{
    made().openForNote(n, displayedText, markColor);
}

void NoteEditorOnDemand::proposeAlarm(int n, const QDateTime& alarm, const QString& warning)
{
    if (m_editor)
        m_editor->proposeAlarm(n, alarm, warning);
}

void NoteEditorOnDemand::followAnsweredNote(int n)
{
    if (m_editor)
        m_editor->followAnsweredNote(n);
}

bool NoteEditorOnDemand::isShown() const
{
    return m_editor && m_editor->isShown();
}

} // namespace velmaro
