// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
// The pictures module: SVG drawings through Qt Svg, Windows metafiles (WMF) through
// libwmf and enhanced metafiles (EMF) through libemf2svg, both turned into SVG first.

#include "widgets/picturemodule.h"

#include <QPainter>
#include <QSvgRenderer>

#include <emf2svg.h>
#include <libwmf/api.h>
#include <libwmf/svg.h>

#include <cstdlib>
#include <type_traits>

namespace velmaro::pictures {

namespace {

// Metafiles and drawings larger than this are refused rather than drawn.
constexpr int kMaxSide = 8192;

bool fail(QString* error, const QString& reason)
{
    *error = reason;
    return false;
}

bool renderSvg(const QByteArray& svg, QImage* image, QString* error)
{
    QSvgRenderer renderer(svg);
    if (!renderer.isValid())
        // untranslated: logged
        return fail(error, QStringLiteral("the drawing could not be read"));
    const QSize size = renderer.defaultSize();
    if (size.isEmpty() || size.width() > kMaxSide || size.height() > kMaxSide)
        // untranslated: logged
        return fail(error, QStringLiteral("the drawing has no usable size"));
    *image = QImage(size, QImage::Format_ARGB32_Premultiplied);
    image->fill(Qt::transparent);
    QPainter painter(image);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    painter.end();
    return true;
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

} // namespace

} // namespace velmaro::pictures

extern "C" Q_DECL_EXPORT bool velmaro_draw_picture(int kind, const QByteArray* data, QImage* image,
                                                   QString* error)
{
    using namespace velmaro::pictures;
    if (kind == Svg)
        return renderSvg(*data, image, error);
    const QByteArray svg = kind == Emf ? emfToSvg(*data) : wmfToSvg(*data);
    if (svg.isEmpty())
        // untranslated: logged
        return fail(error, QStringLiteral("the metafile could not be read"));
    return renderSvg(svg, image, error);
}

static_assert(std::is_same_v<decltype(&velmaro_draw_picture), velmaro::pictures::DrawPicture>);
