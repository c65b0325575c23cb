#pragma once
// Where the strip stands: the stored position, the screen it is on and the
// keep-on-screen corrections, whose changes are written at once.

#include <QObject>
#include <QSize>

#include <optional>

class QWidget;

namespace velmaro {

class Session;
class StripHeader;
namespace platform {
class Messages;
}

class StripMover : public QObject {
    Q_OBJECT
public:
    StripMover(QWidget* strip, StripHeader* header, Session& session, platform::Messages& messages);

    // The keep-on-screen corrections; each changed coordinate is stored.
    void keepOnScreen();
    // "left" / "top" of General leniently: absent or not a number gives nullopt.
    std::optional<int> storedPosition(const QString& key) const;
    // Writes one coordinate; a store error is shown and the value stays unwritten.
    void writePosition(const QString& key, int value);
    QSize screenSize() const;

private:
    QWidget* m_strip;
    StripHeader* m_header;
    Session& m_session;
    platform::Messages& m_messages;
};

} // namespace velmaro
