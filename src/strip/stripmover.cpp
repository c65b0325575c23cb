#include "strip/stripmover.h"

#include "app/session.h"
#include "notes/codec.h"
#include "notes/notekeys.h"
#include "platform/messages.h"
#include "strip/stripheader.h"
#include "strip/striplayout.h"
#include "strip/stripwidgets.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace velmaro {

StripMover::StripMover(QWidget* strip, StripHeader* header, Session& session,
                       platform::Messages& messages)
    : QObject(strip), m_strip(strip), m_header(header), m_session(session), m_messages(messages)
{
    setObjectName(QStringLiteral("StripMover"));
}

QSize StripMover::screenSize() const
{
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        return screen->geometry().size();
    return QSize(1024, 768);
}

void StripMover::keepOnScreen()
{
    const QSize screen = screenSize();
    const QWidget* logo = m_header->logo();
    const QWidget* about = m_header->aboutImage();
    const layout::KeepOnScreenResult r =
        layout::keepOnScreen({m_strip->x(), m_strip->y(), screen.width(), screen.height(),
                              logo->x(), about->x(), about->y(), about->width(), about->height()});
    if (!r.leftChanged && !r.topChanged)
        return;
    m_strip->move(r.left, r.top);
    if (r.leftChanged)
        writePosition(keys::kLeft, r.left);
    if (r.topChanged)
        writePosition(keys::kTop, r.top);
}

std::optional<int> StripMover::storedPosition(const QString& key) const
{
    const QString text = m_session.store().readString(keys::kGeneral, key, kAbsent);
    if (text == kAbsent)
        return std::nullopt;
    return parseInteger(text);
}

void StripMover::writePosition(const QString& key, int value)
{
    SettingsStore& store = m_session.store();
    if (!store.isOpen())
        return;
    try {
        store.writeInteger(keys::kGeneral, key, value);
    } catch (const StoreError& e) {
        m_messages.error(e.message());
    }
}

} // namespace velmaro
