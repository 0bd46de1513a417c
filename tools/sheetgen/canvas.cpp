#include "tools/sheetgen/canvas.h"

#include <algorithm>
#include <cstdint>

namespace kelvara::sheetgen {

namespace {

// Shapes are measured on a grid of half pixels, so that strokes of even width can sit on pixel
// corners; pixel (x, y) has its centre at (2x + 1, 2y + 1). All sums are integers, which keeps the
// art identical on every compiler.
struct Half {
    std::int64_t x;
    std::int64_t y;
};

Half centre_of(int x, int y) {
    return {2 * x + 1, 2 * y + 1};
}

Half stroke_point(Point p, int thickness) {
    const int shift = thickness % 2 == 1 ? 1 : 2;
    return {2 * p.x + shift, 2 * p.y + shift};
}

// Whether p lies within radius of the segment a-b, everything in half pixels.
bool near_segment(Half p, Half a, Half b, std::int64_t radius) {
    const std::int64_t dx = b.x - a.x;
    const std::int64_t dy = b.y - a.y;
    const std::int64_t px = p.x - a.x;
    const std::int64_t py = p.y - a.y;
    const std::int64_t length2 = dx * dx + dy * dy;
    const std::int64_t t = px * dx + py * dy;
    const std::int64_t r2 = radius * radius;
    if (length2 == 0 || t <= 0) return px * px + py * py <= r2;
    if (t >= length2) {
        const std::int64_t qx = p.x - b.x;
        const std::int64_t qy = p.y - b.y;
        return qx * qx + qy * qy <= r2;
    }
    return (px * px + py * py) * length2 - t * t <= r2 * length2;
}

constexpr int neighbours[4][2] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}};

}  // namespace

Canvas::Canvas(int width, int height)
    : width_(width),
      height_(height),
      clip_right_(width - 1),
      clip_bottom_(height - 1),
      pixels_(static_cast<std::size_t>(width * height)) {}

void Canvas::clip(int left, int top, int right, int bottom) {
    clip_left_ = left;
    clip_top_ = top;
    clip_right_ = right;
    clip_bottom_ = bottom;
}

int Canvas::begin_part(const PartStyle& style) {
    parts_.push_back(style);
    return static_cast<int>(parts_.size());
}

void Canvas::plot(int x, int y, Material m) {
    if (!contains(x, y) || parts_.empty()) return;
    if (x < clip_left_ || x > clip_right_ || y < clip_top_ || y > clip_bottom_) return;
    pixels_[y * width_ + x] = {static_cast<std::uint16_t>(parts_.size()), m};
}

void Canvas::erase(int x, int y) {
    if (contains(x, y)) pixels_[y * width_ + x] = {};
}

void Canvas::capsule(Point a, Point b, int thickness, Material m) {
    const Half ha = stroke_point(a, thickness);
    const Half hb = stroke_point(b, thickness);
    const int reach = thickness / 2 + 1;
    for (int y = std::min(a.y, b.y) - reach; y <= std::max(a.y, b.y) + reach; ++y) {
        for (int x = std::min(a.x, b.x) - reach; x <= std::max(a.x, b.x) + reach; ++x) {
            if (near_segment(centre_of(x, y), ha, hb, thickness)) plot(x, y, m);
        }
    }
}

void Canvas::disc(Point centre, int thickness, Material m) {
    capsule(centre, centre, thickness, m);
}

void Canvas::polygon(std::span<const Point> corners, Material m) {
    if (corners.size() < 3) return;
    int left = corners[0].x, right = left, top = corners[0].y, bottom = top;
    for (const Point& c : corners) {
        left = std::min(left, c.x);
        right = std::max(right, c.x);
        top = std::min(top, c.y);
        bottom = std::max(bottom, c.y);
    }
    for (int y = top; y <= bottom; ++y) {
        for (int x = left; x <= right; ++x) {
            // Inside a convex polygon every edge sees the point on the same side, whichever way
            // the corners wind.
            bool any_left = false;
            bool any_right = false;
            for (std::size_t k = 0; k < corners.size(); ++k) {
                const Point& p = corners[k];
                const Point& q = corners[(k + 1) % corners.size()];
                const long cross = static_cast<long>(q.x - p.x) * (y - p.y) -
                                   static_cast<long>(q.y - p.y) * (x - p.x);
                any_left = any_left || cross > 0;
                any_right = any_right || cross < 0;
            }
            if (!(any_left && any_right)) plot(x, y, m);
        }
    }
}

void Canvas::mask(Point origin, std::span<const std::string_view> rows, char on, Material m) {
    for (std::size_t j = 0; j < rows.size(); ++j) {
        for (std::size_t i = 0; i < rows[j].size(); ++i) {
            if (rows[j][i] == on) {
                plot(origin.x + static_cast<int>(i), origin.y + static_cast<int>(j), m);
            }
        }
    }
}

int Canvas::part_at(int x, int y) const {
    return contains(x, y) ? at(x, y).part : 0;
}

Material Canvas::material_at(int x, int y) const {
    return contains(x, y) ? at(x, y).material : Material::none;
}

// A part is edged where it meets empty space or a part painted before it; against a later part
// the later one carries the line.
bool Canvas::is_edge(int x, int y, bool& against_empty) const {
    const int part = at(x, y).part;
    bool edge = false;
    against_empty = false;
    for (const auto& n : neighbours) {
        const int other = part_at(x + n[0], y + n[1]);
        if (other == 0) against_empty = true;
        if (other < part) edge = true;
    }
    return edge;
}

// A lit pixel of a near part (no tone bias) on a material with a glint, just inside the part's
// own outline above or left of it (not beside a part painted over it, which would throw shade),
// where the silhouette faces the upper left: of the pixels around it that are not the part's
// inside, more lie above it than below and more left than right. That is the rim that looks
// straight at the light: the upper-left side of a rising stroke, the top-left corner of a block,
// never a straight top or side.
bool Canvas::faces_the_light(int x, int y, const std::vector<bool>& edge) const {
    if (!contains(x, y) || edge[y * width_ + x]) return false;
    const Pixel& p = at(x, y);
    if (p.part == 0 || ramp_of(p.material).glint < 0 || parts_[p.part - 1].tone_bias != 0) {
        return false;
    }
    const auto inside = [&](int nx, int ny) {
        return contains(nx, ny) && at(nx, ny).part == p.part && !edge[ny * width_ + nx];
    };
    const auto own_outline = [&](int nx, int ny) {
        return contains(nx, ny) && at(nx, ny).part == p.part && edge[ny * width_ + nx];
    };
    if (!inside(x + 1, y) || !inside(x, y + 1)) return false;
    if (!own_outline(x - 1, y) && !own_outline(x, y - 1)) return false;
    int nx = 0;
    int ny = 0;
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            if (inside(x + dx, y + dy)) continue;
            nx += dx;
            ny += dy;
        }
    }
    return nx < 0 && ny < 0;
}

// A glint always lies against a darker pixel of its own material, inward from the light, so it
// never stands alone on a trim or a button.
bool Canvas::catches_light(int x, int y, const std::vector<bool>& edge) const {
    if (!faces_the_light(x, y, edge)) return false;
    const auto lit = [&](int dx, int dy) { return faces_the_light(x + dx, y + dy, edge); };
    const Material m = at(x, y).material;
    return (material_at(x + 1, y) == m && !lit(1, 0)) || (material_at(x, y + 1) == m && !lit(0, 1));
}

// Light comes from the upper left: a pixel is lit where its part ends above or left of it and
// shaded where the part ends below or right of it, which rounds every shape.
Colour Canvas::shade(int x, int y, const std::vector<bool>& edge) const {
    const Pixel& p = at(x, y);
    const auto ends = [&](int dx, int dy) {
        const int nx = x + dx;
        const int ny = y + dy;
        return !contains(nx, ny) || at(nx, ny).part != p.part || edge[ny * width_ + nx];
    };
    const Ramp ramp = ramp_of(p.material);
    if (catches_light(x, y, edge)) return ramp.tones[static_cast<std::size_t>(ramp.glint)];
    int offset = 0;
    if (ends(1, 0) || ends(0, 1)) {
        offset = ends(1, 0) && ends(0, 1) ? 2 : 1;
    } else if (ends(-1, 0) || ends(0, -1)) {
        offset = -1;
    }
    const int tone =
        std::clamp(ramp.base + offset + parts_[p.part - 1].tone_bias, 0, ramp.count - 1);
    return ramp.tones[tone];
}

Surface Canvas::render() const {
    Surface out(width_, height_, key_color);
    std::vector<bool> edge(pixels_.size(), false);
    std::vector<bool> edge_to_empty(pixels_.size(), false);
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            if (at(x, y).part == 0) continue;
            bool empty = false;
            edge[y * width_ + x] = is_edge(x, y, empty);
            edge_to_empty[y * width_ + x] = empty;
        }
    }
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            const Pixel& p = at(x, y);
            if (p.part == 0) continue;
            const PartStyle& style = parts_[p.part - 1];
            const std::size_t k = static_cast<std::size_t>(y * width_ + x);
            if (edge[k]) {
                out.SetPixel(x, y, edge_to_empty[k] ? style.outline : style.inner_outline);
            } else {
                out.SetPixel(x, y, shade(x, y, edge));
            }
        }
    }
    return out;
}

}  // namespace kelvara::sheetgen
