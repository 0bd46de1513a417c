#include "assets/image_codec.h"

namespace kelvara {

Surface surface_from_image(const QImage& image, Colour back_color) {
    // A decoded 24-bit file arrives as 32-bit pixels: read them as they are, without a converted
    // copy (a third more memory to touch, for every sheet at every start).
    if (image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32) {
        // QImage's width() is a call, too dear to make for every pixel.
        const int width = image.width();
        const int height = image.height();
        Surface surface(width, height, back_color);
        for (int y = 0; y < height; ++y) {
            const auto* __restrict in = reinterpret_cast<const QRgb*>(image.constScanLine(y));
            Colour* __restrict out = surface.row(y);
            for (int x = 0; x < width; ++x) {
                const QRgb p = in[x];  // 0xAARRGGBB; a colour is 0x00BBGGRR
                out[x] = ((p >> 16) & 0xFFu) | (p & 0xFF00u) | ((p & 0xFFu) << 16);
            }
        }
        return surface;
    }
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    Surface surface(rgb.width(), rgb.height(), back_color);
    for (int y = 0; y < rgb.height(); ++y) {
        const uchar* in = rgb.constScanLine(y);
        Colour* out = surface.row(y);
        for (int x = 0; x < rgb.width(); ++x) {
            out[x] = RGB(in[3 * x], in[3 * x + 1], in[3 * x + 2]);
        }
    }
    return surface;
}

QImage image_from_surface(const Surface& surface) {
    QImage image(surface.width(), surface.height(), QImage::Format_RGB888);
    for (int y = 0; y < surface.height(); ++y) {
        uchar* out = image.scanLine(y);
        const Colour* in = surface.row(y);
        for (int x = 0; x < surface.width(); ++x) {
            out[3 * x] = static_cast<uchar>(red_of(in[x]));
            out[3 * x + 1] = static_cast<uchar>(green_of(in[x]));
            out[3 * x + 2] = static_cast<uchar>(blue_of(in[x]));
        }
    }
    return image;
}

Surface load_surface(const QString& path, Colour back_color) {
    QImage image(path);
    if (image.isNull()) return {};
    return surface_from_image(image, back_color);
}

}  // namespace kelvara
