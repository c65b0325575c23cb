#include "widgets/pictureloader.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QSvgRenderer>

#include <emf2svg.h>
#include <libwmf/api.h>
#include <libwmf/svg.h>

#include <cstdlib>
#include <memory>

namespace velmaro {

namespace {

// Metafiles and drawings larger than this are refused rather than drawn.
constexpr int kMaxSide = 8192;
// Nor are picture files beyond this size read into memory.
constexpr qint64 kMaxFileSize = 64 * 1024 * 1024;

QImage fail(QString* error, const QString& reason)
{
    if (error)
        *error = reason;
    return QImage();
}

QImage renderSvg(const QByteArray& svg, QString* error)
{
    QSvgRenderer renderer(svg);
    if (!renderer.isValid())
        return fail(error, QStringLiteral("the drawing could not be read"));
    const QSize size = renderer.defaultSize();
    if (size.isEmpty() || size.width() > kMaxSide || size.height() > kMaxSide)
        return fail(error, QStringLiteral("the drawing has no usable size"));
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    painter.end();
    return image;
}

// libwmf's SVG device writing into memory.
QByteArray wmfToSvg(QByteArray data)
{
    wmfAPI* api = nullptr;
    wmfAPI_Options options{};
    options.function = wmf_svg_function;
    const unsigned long flags =
        WMF_OPT_FUNCTION | WMF_OPT_IGNORE_NONFATAL | WMF_OPT_NO_ERROR | WMF_OPT_NO_DEBUG;
    if (wmf_api_create(&api, flags, &options) != wmf_E_None) {
        if (api)
            wmf_api_destroy(api);
        return {};
    }
    QByteArray svg;
    wmfD_Rect bbox{};
    if (wmf_mem_open(api, reinterpret_cast<unsigned char*>(data.data()), data.size()) ==
            wmf_E_None &&
        wmf_scan(api, 0, &bbox) == wmf_E_None) {
        wmf_svg_t* device = WMF_SVG_GetData(api);
        device->out = wmf_stream_create(api, nullptr);
        device->Description = const_cast<char*>("picture");
        device->bbox = bbox;
        unsigned int width = 0;
        unsigned int height = 0;
        wmf_display_size(api, &width, &height, 72, 72);
        device->width = width;
        device->height = height;
        const bool played =
            device->out && width > 0 && height > 0 && wmf_play(api, 0, &bbox) == wmf_E_None;
        char* text = nullptr;
        unsigned long length = 0;
        if (device->out)
            wmf_stream_destroy(api, device->out, &text, &length);
        if (played && text)
            svg = QByteArray(text, qsizetype(length));
        // The stream's memory belongs to the library and goes with the handle.
        wmf_mem_close(api);
    }
    wmf_api_destroy(api);
    return svg;
}

QByteArray emfToSvg(QByteArray data)
{
    generatorOptions options{};
    options.nameSpace = const_cast<char*>("");
    options.svgDelimiter = true;
    char* out = nullptr;
    size_t length = 0;
    emf2svg(data.data(), size_t(data.size()), &out, &length, &options);
    QByteArray svg;
    if (out) {
        svg = QByteArray(out, qsizetype(length));
        std::free(out);
    }
    return svg;
}

QImage loadMetafile(const QString& path, bool enhanced, QString* error)
{
    QFile file(path);
    if (file.size() > kMaxFileSize)
        return fail(error, QStringLiteral("the file is too large"));
    if (!file.open(QIODevice::ReadOnly))
        return fail(error, file.errorString());
    const QByteArray data = file.readAll();
    if (data.isEmpty())
        return fail(error, QStringLiteral("the file is empty"));
    const QByteArray svg = enhanced ? emfToSvg(data) : wmfToSvg(data);
    if (svg.isEmpty())
        return fail(error, QStringLiteral("the metafile could not be read"));
    return renderSvg(svg, error);
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
        return fail(error, QStringLiteral("the file does not exist"));
    const QString extension = info.suffix().toLower();
    if (extension == u"wmf" || extension == u"emf")
        return loadMetafile(path, extension == u"emf", error);
    if (extension == u"svg") {
        QFile file(path);
        if (file.size() > kMaxFileSize)
            return fail(error, QStringLiteral("the file is too large"));
        if (!file.open(QIODevice::ReadOnly))
            return fail(error, file.errorString());
        return renderSvg(file.readAll(), error);
    }
    const QByteArray format = qtFormat(extension);
    if (format.isEmpty())
        return fail(error, QStringLiteral("unknown picture type \"%1\"").arg(extension));
    QImageReader reader(path, format);
    reader.setDecideFormatFromContent(false);
    QImage image = reader.read();
    if (image.isNull())
        return fail(error, reader.errorString());
    return image;
}

} // namespace velmaro
