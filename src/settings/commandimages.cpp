#include "settings/commandimages.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

// The icon resources live in a static library: pull them in explicitly.
static void initIconResources()
{
    Q_INIT_RESOURCE(icons);
}

namespace velmaro {

namespace {

constexpr const char* kFiles[CommandImages::kCount] = {
    "newnote", "listall", "calendar", "launcher1", "launcher2",   "launcher3", "settings",
    "mailall", "help",    "hideshow", "exit",      "launcheroff", "about",
};

QPixmap render(int index)
{
    QPixmap pixmap(CommandImages::kSize, CommandImages::kSize);
    pixmap.fill(QColor(0xC0, 0xC0, 0xC0));
    QSvgRenderer renderer(QStringLiteral(":/velmaro/icons/%1.svg").arg(kFiles[index]));
    if (renderer.isValid()) {
        QPainter painter(&pixmap);
        renderer.render(&painter, QRectF(0, 0, CommandImages::kSize, CommandImages::kSize));
    }
    return pixmap;
}

} // namespace

CommandImages::CommandImages(QObject* parent) : QObject(parent)
{
    for (int i = 0; i < kCount; ++i)
        m_icons[i] = builtIn(i);
}

QIcon CommandImages::builtIn(int index)
{
    if (index < 0 || index >= kCount)
        return QIcon();
    initIconResources();
    return QIcon(render(index));
}

QIcon CommandImages::icon(int index) const
{
    if (index < 0 || index >= kCount)
        return QIcon();
    return m_icons[index];
}

void CommandImages::replace(int index, const QIcon& icon)
{
    if (index < 0 || index >= kCount)
        return;
    m_icons[index] = icon;
    emit changed(index);
}

} // namespace velmaro
