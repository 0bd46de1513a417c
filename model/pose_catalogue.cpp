#include "model/pose_catalogue.h"

namespace kelvara::catalogue {

std::optional<Animation> find_animation(std::string_view name) {
    for (const Animation& a : animations) {
        if (a.name == name) return a;
    }
    return std::nullopt;
}

std::vector<int> played_frames(const Animation& a) {
    const std::span<const int> cells = a.indices();
    std::vector<int> out(cells.begin(), cells.end());
    if (a.direction == Direction::pingpong) {
        for (int k = a.count - 2; k >= 1; --k) out.push_back(cells[static_cast<std::size_t>(k)]);
    }
    return out;
}

bool is_contiguous(const Animation& a) {
    const std::span<const int> cells = a.indices();
    for (std::size_t k = 1; k < cells.size(); ++k) {
        if (cells[k] != cells[k - 1] + 1) return false;
    }
    return true;
}

int frame_ms_of(Sheet sheet, int index) {
    for (const Animation& a : animations) {
        if (a.sheet != sheet) continue;
        for (const int cell : a.indices()) {
            if (cell == index) return a.frame_ms;
        }
    }
    return default_frame_ms;
}

}  // namespace kelvara::catalogue
