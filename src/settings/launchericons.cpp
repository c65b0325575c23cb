#include "settings/launchericons.h"

#include <QFile>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QPainter>
#include <QTextStream>

namespace velmaro {

namespace {

// Adwaita is the theme installed with the program; a desktop's own theme wins.
void ensureIconTheme()
{
    static const bool done = [] {
        QIcon::setFallbackThemeName(QStringLiteral("Adwaita"));
        if (QIcon::themeName().isEmpty() || QIcon::themeName() == QLatin1String("hicolor"))
            QIcon::setThemeName(QStringLiteral("Adwaita"));
        return true;
    }();
    Q_UNUSED(done);
}

// The Icon= value of the [Desktop Entry] group, empty when there is none.
QString desktopEntryIcon(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QTextStream in(&file);
    bool inEntry = false;
    for (int lines = 0; !in.atEnd() && lines < 1000; ++lines) {
        const QString line = in.readLine().trimmed();
        if (line.startsWith(QLatin1Char('[')))
            inEntry = line == QLatin1String("[Desktop Entry]");
        else if (inEntry && line.startsWith(QLatin1String("Icon")) &&
                 line.mid(4).trimmed().startsWith(QLatin1Char('=')))
            return line.mid(line.indexOf(QLatin1Char('=')) + 1).trimmed();
    }
    return {};
}

QIcon themeIcon(const QString& name)
{
    if (name.isEmpty())
        return {};
    if (QFileInfo(name).isAbsolute())
        return QFileInfo::exists(name) ? QIcon(name) : QIcon();
    return QIcon::fromTheme(name);
}

} // namespace

QIcon launcherIcon(const QString& path)
{
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists())
        return {};
    ensureIconTheme();
    QIcon icon;
    if (info.isFile() && info.suffix().compare(QLatin1String("desktop"), Qt::CaseInsensitive) == 0)
        icon = themeIcon(desktopEntryIcon(path));
    else if (info.isFile() && info.isExecutable())
        icon = QIcon::fromTheme(info.completeBaseName().toLower(),
                                QIcon::fromTheme(QStringLiteral("application-x-executable")));
    if (icon.isNull()) {
        const QMimeType mime = QMimeDatabase().mimeTypeForFile(info);
        icon = QIcon::fromTheme(mime.iconName(), QIcon::fromTheme(mime.genericIconName()));
    }
    if (icon.isNull())
        icon = QFileIconProvider().icon(info);
    return icon;
}

QPixmap iconPixmap(const QIcon& icon, int size, bool onSilver)
{
    QPixmap pixmap(size, size);
    pixmap.fill(onSilver ? QColor(0xC0, 0xC0, 0xC0) : QColor(Qt::transparent));
    QPainter painter(&pixmap);
    icon.paint(&painter, QRect(0, 0, size, size));
    return pixmap;
}

} // namespace velmaro
