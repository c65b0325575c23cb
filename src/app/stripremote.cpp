// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "app/stripremote.h"

#include "app/notelisting.h"
#include "notes/storednote.h"
#include "session/session.h"
#include "strip/stripwindow.h"

#include <QApplication>
#include <QDateTime>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace velmaro {

namespace {

// Looks again whether the strip is in sight after each of its shows, hides and
// minimisations, once the event is handled, and tells a change.
class ShownWatch final : public QObject {
public:
    ShownWatch(TForm1& strip, std::function<void(bool)> changed)
        : QObject(&strip), m_strip(strip), m_changed(std::move(changed)),
          m_shown(strip.isStripShown())
    {
        strip.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const QEvent::Type t = event->type();
        if (t == QEvent::Show || t == QEvent::Hide || t == QEvent::WindowStateChange)
            QTimer::singleShot(0, this, [this] { look(); });
        return QObject::eventFilter(watched, event);
    }

private:
    void look()
    {
        const bool shown = m_strip.isStripShown();
        if (shown == m_shown)
            return;
        m_shown = shown;
        m_changed(shown);
    }

    TForm1& m_strip;
    std::function<void(bool)> m_changed;
    bool m_shown;
};

} // namespace

StripRemote::StripRemote(TForm1& strip, Session& session, const platform::Clock& clock,
                         std::function<void()> reload)
    : m_strip(strip), m_session(session), m_clock(clock), m_reload(std::move(reload))
{
}

void StripRemote::newNote()
{
    // After the answer: the editor for a new note is modal and waits for the user.
    QTimer::singleShot(0, &m_strip, [this] {
        // Runs once the editor (or the note limit's message) shows, modal.
        QTimer::singleShot(0, &m_strip, [] {
            if (QWidget* shown = QApplication::activeModalWidget()) {
                shown->raise();
                shown->activateWindow();
            }
        });
        // The strip's own new-note steps: the note limit, then the editor.
        m_strip.FormDblClick();
    });
}

void StripRemote::toggle()
{
    m_strip.showFromOutside(!m_strip.isStripShown());
}

void StripRemote::show()
{
    m_strip.showFromOutside(true);
}

void StripRemote::hide()
{
    m_strip.showFromOutside(false);
}

void StripRemote::quit()
{
    // As "&Salir": a close request, which the close guard may refuse.
    QTimer::singleShot(0, &m_strip, [this] { m_strip.close(); });
}

AddResult StripRemote::addNote(const NoteRequest& request)
{
    const AddResult added =
        velmaro::addNote(m_session.store(), m_session.notes(), m_clock, request);
    // The caller has its answer before the strip rebuilds its lines.
    if (added.ok())
        QTimer::singleShot(0, &m_strip, m_reload);
    return added;
}

QVariantList StripRemote::listNotes()
{
    const SettingsStore& store = m_session.store();
    return noteListingValues(store, listedNoteCount(store), m_clock.now());
}

bool StripRemote::isShown()
{
    return m_strip.isStripShown();
}

void StripRemote::watchShown(std::function<void(bool)> changed)
{
    new ShownWatch(m_strip, std::move(changed));
}

RestoreOutcome StripRemote::restoreBackup(const QString& which)
{
    const RestoreOutcome restored =
        velmaro::restoreBackup(m_session.store().path(), which, m_clock.now());
    if (restored.ok()) {
        // The count follows the restored file at once, so that nothing written from
        // here on goes over its notes; the lines follow after the answer.
        m_session.notes().setCount(readNoteCount(m_session.store()).count);
        QTimer::singleShot(0, &m_strip, m_reload);
    }
    return restored;
}

} // namespace velmaro
