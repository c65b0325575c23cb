// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "widgets/pictureloader.h"

#include "widgets/moduleloader.h"
#include "widgets/picturemodule.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QIconEngine>
#include <QImageReader>
#include <QPainter>

namespace velmaro {

namespace {

// Picture files beyond this size are not read into memory.
constexpr qint64 kMaxFileSize = 64 * 1024 * 1024;

QImage fail(QString* error, const QString& reason)
{
    if (error)
        *error = reason;
    return QImage();
}

// SVG drawings and metafiles: the file's bytes, drawn by the pictures module. Without
// the module such a picture fails as an unreadable one does, the loader's reason given.
QImage drawWithModule(const QString& path, pictures::Kind kind, QString* error)
{
    QFile file(path);
    if (file.size() > kMaxFileSize)
        // untranslated: logged
        return fail(error, QStringLiteral("the file is too large"));
    if (!file.open(QIODevice::ReadOnly))
        return fail(error, file.errorString());
    const QByteArray data = file.readAll();
    if (data.isEmpty() && kind != pictures::Svg)
        // untranslated: logged
        return fail(error, QStringLiteral("the file is empty"));
    static Module module(QStringLiteral("libvelmaro_pictures.so"), {pictures::kDrawPicture});
    if (!module.load())
        return fail(error, module.errorString());
    QImage image;
    QString reason;
    if (!module.entry<pictures::DrawPicture>(pictures::kDrawPicture)(kind, &data, &image, &reason))
        return fail(error, reason);
    return image;
}

// Only the reader of `format`: without autodetection Qt asks neither the content nor
// every image format plugin (which it would load, all of them, to ask).
QImage readAs(const QString& path, const QByteArray& format, QString* error = nullptr)
{
    QImageReader reader(path, format);
    reader.setDecideFormatFromContent(false);
    reader.setAutoDetectImageFormat(false);
    QImage image = reader.read();
    if (image.isNull())
        return fail(error, reader.errorString());
    return image;
}

QByteArray qtFormat(const QString& extension)
{
    if (extension == u"jpg" || extension == u"jpeg" || extension == u"jpe")
        return "jpeg";
    if (extension == u"bmp" || extension == u"gif" || extension == u"ico" || extension == u"png")
        return extension.toLatin1();
    return {};
}

} // namespace

QStringList pictureExtensions()
{
    return {QStringLiteral("bmp"), QStringLiteral("jpg"), QStringLiteral("jpeg"),
            QStringLiteral("jpe"), QStringLiteral("gif"), QStringLiteral("ico"),
            QStringLiteral("png"), QStringLiteral("svg"), QStringLiteral("wmf"),
            QStringLiteral("emf")};
}

QImage loadPicture(const QString& path, QString* error)
{
    const QFileInfo info(path);
    if (!info.isFile())
        // untranslated: logged
        return fail(error, QStringLiteral("the file does not exist"));
    const QString extension = info.suffix().toLower();
    if (extension == u"svg")
        return drawWithModule(path, pictures::Svg, error);
    if (extension == u"wmf")
        return drawWithModule(path, pictures::Wmf, error);
    if (extension == u"emf")
        return drawWithModule(path, pictures::Emf, error);
    const QByteArray format = qtFormat(extension);
    if (format.isEmpty())
        // untranslated: logged
        return fail(error, QStringLiteral("unknown picture type \"%1\"").arg(extension));
    return readAs(path, format, error);
}

namespace {

QPixmap builtInPixmap(const QString& file, qreal ratio)
{
    QPixmap pixmap =
        QPixmap::fromImage(readAs(QStringLiteral(":/velmaro/pictures/") + file, "png"));
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

} // namespace

QPixmap builtInPicture(const QString& name)
{
    if (qGuiApp && qGuiApp->devicePixelRatio() > 1.0) {
        const QPixmap sharp = builtInPixmap(name + QStringLiteral("@2x.png"), 2.0);
        if (!sharp.isNull())
            return sharp;
    }
    return builtInPixmap(name + QStringLiteral(".png"), 1.0);
}

namespace {

// A built-in picture's icon that reads its drawing when it is first asked for (a menu's
// icon is not read before the menu opens), and the drawing at twice the size only when
// a scaled screen first asks for it; on screens at their natural size it is never
// decoded. Requests are answered by an icon of the drawings read so far, at scale 1
// exactly as one holding both would answer them.
class SharpOnDemandEngine : public QIconEngine {
public:
    explicit SharpOnDemandEngine(const QString& name) : m_name(name) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        if (painter->device())
            readSharpFor(painter->device()->devicePixelRatio());
        read().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    // In device-independent pixels: the size of the pixmap drawn at scale 1.
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return read().pixmap(size, 1.0, mode, state).size();
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return read().pixmap(size, 1.0, mode, state);
    }
    // `size` is in device pixels.
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override
    {
        if (!(scale > 1.0))
            return pixmap(size, mode, state);
        readSharpFor(scale);
        return m_icon.pixmap(size / scale, scale, mode, state);
    }
    void addPixmap(const QPixmap& pixmap, QIcon::Mode mode, QIcon::State state) override
    {
        read().addPixmap(pixmap, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        readSharpFor(2.0);
        return m_icon.availableSizes(mode, state);
    }
    bool isNull() override { return read().isNull(); }
    QIconEngine* clone() const override { return new SharpOnDemandEngine(*this); }

private:
    SharpOnDemandEngine(const SharpOnDemandEngine&) = default;

    QIcon& read()
    {
        if (!m_read) {
            m_read = true;
            m_icon.addPixmap(builtInPixmap(m_name + QStringLiteral(".png"), 1.0));
        }
        return m_icon;
    }

    void readSharpFor(qreal scale)
    {
        read();
        if (!(scale > 1.0) || m_sharpRead)
            return;
        m_sharpRead = true;
        const QPixmap sharp = builtInPixmap(m_name + QStringLiteral("@2x.png"), 2.0);
        if (!sharp.isNull())
            m_icon.addPixmap(sharp);
    }

    QString m_name;
    QIcon m_icon;
    bool m_read = false;
    bool m_sharpRead = false;
};

} // namespace

QIcon builtInIcon(const QString& name)
{
    return QIcon(new SharpOnDemandEngine(name));
}

QIcon programIcon()
{
    QIcon icon;
    for (int size : {16, 22, 24, 32, 48, 64})
        icon.addPixmap(builtInPixmap(QStringLiteral("velmaro%1.png").arg(size), 1.0));
    return icon;
}

} // namespace velmaro
