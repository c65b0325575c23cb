// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
// The strip window's place in the window stack, its links and its window events.

#include "strip/stripwindow.h"

#include "notes/keys.h"
#include "output/links.h"
#include "platform/logging.h"
#include "strip/notelinespanel.h"
#include "strip/stripcommands.h"
#include "strip/stripheader.h"
#include "strip/striptray.h"
#include "strip/tray/texttrayicon.h"
#include "widgets/afterfirstpaint.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QTimer>
#include <QWindow>

namespace velmaro {

namespace {

// The latest the deferred start-up work waits for the strip's first paint.
constexpr std::chrono::milliseconds kFirstPaintLatest{500};

// Restores the close guard however the shell call ends.
class CloseGuardClearer {
public:
    explicit CloseGuardClearer(TForm1& strip) : m_strip(strip) { m_strip.setCloseGuard(false); }
    ~CloseGuardClearer() { m_strip.setCloseGuard(true); }
    CloseGuardClearer(const CloseGuardClearer&) = delete;
    CloseGuardClearer& operator=(const CloseGuardClearer&) = delete;

private:
    TForm1& m_strip;
};

} // namespace

// ---------------------------------------------------------------------------------------
// Window stack, enabling, links

void TForm1::applyAlwaysOnTop()
{
    setStripOnTop(m_session.settings().alwaysOnTop);
}

void TForm1::setStripOnTop(bool onTop)
{
    Qt::WindowFlags flags = windowFlags();
    flags.setFlag(Qt::WindowStaysOnTopHint, onTop);
    if (flags == windowFlags())
        return;
    if (QWindow* window = windowHandle()) {
        // Changed on the live window: no re-creation, the strip keeps its place and
        // visibility.
        overrideWindowFlags(flags);
        window->setFlags(flags);
    } else {
        setWindowFlags(flags);
    }
}

void TForm1::setStripEnabled(bool enabled)
{
    setEnabled(enabled);
}

void TForm1::openLink(const QString& target)
{
    const CloseGuardClearer clearer(*this);
    if (!m_services.links.open(target, m_session.paths().programFolder))
        qCWarning(platform::lcLinks) << "The desktop did not open" << target;
}

// ---------------------------------------------------------------------------------------
// Window events

void TForm1::closeEvent(QCloseEvent* event)
{
    if (!m_closeGuard) {
        event->ignore();
        return;
    }
    SettingsStore& store = m_session.store();
    // Ended before the strip was ever shown (a start-up message up): it has no place
    // of its own yet.
    if (store.isOpen() && (m_shownOnce || !m_sessionEnding)) {
        try {
            SettingsStore::WriteGroup group(store);
            writeNumber(store, keys::kLeft, x());
            writeNumber(store, keys::kTop, y());
            group.commit();
        } catch (const StoreError& e) {
            // The file keeps what it held.
            if (m_sessionEnding)
                qCWarning(platform::lcExit, "%s", qUtf8Printable(e.message()));
            else
                m_services.messages.error(e.message());
        }
    }
    m_session.close();
    Timer1->stop();
    event->accept();
    emit closeAccepted();
}

void TForm1::closeForSessionEnd()
{
    m_sessionEnding = true;
    close();
}

void TForm1::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // The tray icon once the strip is on the screen: the icon's window, the
    // notification area's to place, need not hold up the strip's first showing.
    if (!m_shownOnce) {
        afterFirstPaint(
            this, [this] { RxTrayIcon1 = makeStripTrayIcon(this, m_commands->menu()); },
            kFirstPaintLatest);
    }
    // The note lines below the desktop before the first paint, which shows the
    // scrollbar as all of them make it.
    if (m_linesBelowAfterShow) {
        m_linesBelowAfterShow = false;
        QTimer::singleShot(0, this, [this] { buildLinesToCome(); });
    }
    m_shownOnce = true;
    focusStart();
}

void TForm1::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        raise();
    // Restored from the taskbar after the toggle minimised it: shown as the toggle
    // shows it.
    if (event->type() == QEvent::WindowStateChange && m_minimisedAsHidden && !isMinimized()) {
        m_minimisedAsHidden = false;
        pnlHeader->showSearchPrompt();
    }
}

void TForm1::contextMenuEvent(QContextMenuEvent* event)
{
    m_commands->menu()->popup(event->globalPos());
    event->accept();
}

void TForm1::mouseDoubleClickEvent(QMouseEvent* event)
{
    event->accept();
    if (event->button() != Qt::LeftButton)
        return;
    // Only the bare surface: the window itself and its two panels.
    QWidget* target = childAt(event->position().toPoint());
    if (target == nullptr || target == pnlHeader || target == pnlSentences)
        FormDblClick();
}

} // namespace velmaro
