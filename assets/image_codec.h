#pragma once

#include <QImage>
#include <QString>

#include "compositor/surface.h"

namespace kelvara {

// The edge where pictures enter and leave the compositor: everything inside it works on surfaces.

// Every pixel of the image becomes an opaque colour of the surface; alpha is dropped.
Surface surface_from_image(const QImage& image, Colour back_color);

// A 24-bit image of the surface's pixels.
QImage image_from_surface(const Surface& surface);

// Decodes an image file or resource; an empty surface when it cannot be read.
Surface load_surface(const QString& path, Colour back_color);

}  // namespace kelvara
