#include "compositor/surface.h"

#include <algorithm>
#include <cstring>

namespace kelvara {

Surface::Surface(int width, int height, Colour back_color)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      back_color_(back_color),
      pixels_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), back_color) {}

void Surface::Cls() {
    if (pixels_.empty()) return;
    // One row filled, the others copied from it: a copy moves many pixels per instruction, a fill
    // of a colour whose bytes differ only one.
    std::fill(row(0), row(0) + width_, back_color_);
    for (int j = 1; j < height_; ++j) {
        std::memcpy(row(j), row(0), sizeof(Colour) * static_cast<std::size_t>(width_));
    }
}

void Surface::ClsExcept(int x, int y, int w, int h) {
    const int left = std::clamp(x, 0, width_);
    const int right = std::clamp(x + std::max(w, 0), left, width_);
    const int top = std::clamp(y, 0, height_);
    const int bottom = std::clamp(y + std::max(h, 0), top, height_);
    // Filled rows are copied from the first one, as in Cls.
    const Colour* filled = nullptr;
    const auto fill = [&](Colour* begin, int count) {
        if (count <= 0) return;
        if (filled != nullptr) {
            std::memcpy(begin, filled, sizeof(Colour) * static_cast<std::size_t>(count));
        } else {
            std::fill(begin, begin + count, back_color_);
        }
    };
    for (int j = 0; j < height_; ++j) {
        Colour* r = row(j);
        if (j < top || j >= bottom || left == right) {
            fill(r, width_);
            if (filled == nullptr) filled = r;
        } else {
            fill(r, left);
            fill(r + right, width_ - right);
        }
    }
}

namespace {

// Source coordinate that destination offset d (0 <= d < dst_len) maps to.
int map_offset(int d, int dst_len, int src_len) {
    if (dst_len == src_len) return d;
    return static_cast<int>(static_cast<long long>(d) * src_len / dst_len);
}

}  // namespace

void Surface::PaintPicture(const Surface& source, int x1, int y1, int w1, int h1, int x2, int y2,
                           int w2, int h2) {
    if (w1 <= 0 || h1 <= 0 || w2 <= 0 || h2 <= 0) return;

    // Destination columns that land on this surface and map into the source. The mapping is
    // monotone, so they form one contiguous range.
    int dx_begin = std::max(0, -x1);
    int dx_end = std::min(w1, width_ - x1);
    const int dy_begin = std::max(0, -y1);
    const int dy_end = std::min(h1, height_ - y1);
    while (dx_begin < dx_end && x2 + map_offset(dx_begin, w1, w2) < 0) ++dx_begin;
    while (dx_begin < dx_end && x2 + map_offset(dx_end - 1, w1, w2) >= source.width_) --dx_end;
    if (dx_begin >= dx_end || dy_begin >= dy_end) return;

    // Most paints copy at the same size (a cell into a part, a part into the picture): whole rows
    // then, without the column map. A copy within one surface keeps the pixel-by-pixel order,
    // whose result differs from a row copy where the rectangles overlap.
    if (w1 == w2 && h1 == h2 && &source != this) {
        for (int dy = dy_begin; dy < dy_end; ++dy) {
            const int sy = y2 + dy;
            if (sy < 0 || sy >= source.height_) continue;
            std::memcpy(row(y1 + dy) + x1 + dx_begin, source.row(sy) + x2 + dx_begin,
                        sizeof(Colour) * static_cast<std::size_t>(dx_end - dx_begin));
        }
        return;
    }

    std::vector<int> src_col(static_cast<std::size_t>(dx_end - dx_begin));
    for (int dx = dx_begin; dx < dx_end; ++dx) src_col[dx - dx_begin] = x2 + map_offset(dx, w1, w2);

    int previous_sy = -1;
    const Colour* previous_row = nullptr;
    for (int dy = dy_begin; dy < dy_end; ++dy) {
        const int sy = y2 + map_offset(dy, h1, h2);
        if (sy < 0 || sy >= source.height_) continue;
        Colour* out = row(y1 + dy) + x1;
        // An enlargement repeats each source row; copying the row just built is much cheaper
        // than mapping every pixel again.
        if (sy == previous_sy && previous_row != nullptr) {
            std::memcpy(out + dx_begin, previous_row + dx_begin,
                        sizeof(Colour) * static_cast<std::size_t>(dx_end - dx_begin));
            continue;
        }
        const Colour* in = source.row(sy);
        for (int dx = dx_begin; dx < dx_end; ++dx) out[dx] = in[src_col[dx - dx_begin]];
        previous_sy = sy;
        previous_row = out;
    }
}

void BitBlt(Surface& destination, int x, int y, int width, int height, const Surface& source,
            int sx, int sy, RasterOp op) {
    // Clip the rectangle so that both the destination and the source pixel exist.
    int i_begin = std::max({0, -x, -sx});
    int j_begin = std::max({0, -y, -sy});
    int i_end = std::min({width, destination.width() - x, source.width() - sx});
    int j_end = std::min({height, destination.height() - y, source.height() - sy});
    for (int j = j_begin; j < j_end; ++j) {
        Colour* out = destination.row(y + j) + x;
        const Colour* in = source.row(sy + j) + sx;
        for (int i = i_begin; i < i_end; ++i) {
            out[i] = op == RasterOp::SRCPAINT ? (out[i] | in[i]) : (out[i] & in[i]);
        }
    }
}

}  // namespace kelvara
