// The bar every body must clear: one connected figure with a clean outline, every pose and damage
// figure set apart from the others, and the jaw closed under every face on every pose.

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "compositor/character_draw.h"
#include "model/pose_catalogue.h"
#include "sheetgen_support.h"
#include "tools/sheetgen/character.h"
#include "tools/sheetgen/damage_table.h"
#include "tools/sheetgen/pose_art.h"
#include "tools/sheetgen/pose_specs.h"

namespace kelvara::sheetgen_test {
namespace {

using sheetgen::draw_damage_cell;
using sheetgen::draw_pose_cell;

// Poses and damage figures as the program cuts them from the generated sheets.
struct Bodies {
    std::vector<Surface> poses, damage, poses_with_head;
};

const Bodies& bodies() {
    static const Bodies all = [] {
        Bodies b;
        for (int i = 0; i < pose_count; ++i) {
            b.poses.push_back(frame_cell(generated().cloth_set, i));
            b.poses_with_head.push_back(sheetgen::character_on_pose(0, i));
        }
        for (int i = 0; i < damage_pose_count; ++i) {
            b.damage.push_back(frame_cell(generated().damage_set, i));
        }
        return b;
    }();
    return all;
}

bool key_at(const Surface& s, int x, int y) {
    return !s.contains(x, y) || s.GetPixel(x, y) == key_color;
}

// Groups of drawn pixels that touch across an edge or a corner.
int figures_in(const Surface& s) {
    std::vector<bool> seen(static_cast<std::size_t>(s.width() * s.height()), false);
    int groups = 0;
    for (int start = 0; start < s.width() * s.height(); ++start) {
        if (seen[start] || key_at(s, start % s.width(), start / s.width())) continue;
        ++groups;
        std::vector<int> todo{start};
        seen[start] = true;
        while (!todo.empty()) {
            const int k = todo.back();
            todo.pop_back();
            for (int dy = -1; dy <= 1; ++dy) {
                for (int dx = -1; dx <= 1; ++dx) {
                    const int x = k % s.width() + dx, y = k / s.width() + dy;
                    if (key_at(s, x, y) || seen[y * s.width() + x]) continue;
                    seen[y * s.width() + x] = true;
                    todo.push_back(y * s.width() + x);
                }
            }
        }
    }
    return groups;
}

TEST(SheetgenPoses, EveryFigureIsInOnePiece) {
    for (int i = 0; i < pose_count; ++i) {
        EXPECT_EQ(figures_in(bodies().poses[i]), 1) << "pose " << i;
        EXPECT_EQ(figures_in(bodies().poses_with_head[i]), 1) << "pose " << i << " with a head";
    }
    for (int i = 0; i < damage_pose_count; ++i) {
        EXPECT_EQ(figures_in(bodies().damage[i]), 1) << "damage " << i;
    }
}

// The share of the pixels touching the key colour that are outline colours, in percent.
int outlined_share(const Surface& s) {
    int edge = 0, outlined = 0;
    for (int y = 0; y < s.height(); ++y) {
        for (int x = 0; x < s.width(); ++x) {
            if (key_at(s, x, y)) continue;
            if (!key_at(s, x - 1, y) && !key_at(s, x + 1, y) && !key_at(s, x, y - 1) &&
                !key_at(s, x, y + 1)) {
                continue;
            }
            ++edge;
            outlined += is_outline(s.GetPixel(x, y)) ? 1 : 0;
        }
    }
    return edge == 0 ? 0 : outlined * 100 / edge;
}

TEST(SheetgenPoses, FiguresAreOutlinedAgainstTheBackground) {
    for (int i = 0; i < pose_count; ++i) {
        EXPECT_GE(outlined_share(bodies().poses_with_head[i]), 95) << "pose " << i;
    }
    for (int i = 0; i < damage_pose_count; ++i) {
        EXPECT_GE(outlined_share(bodies().damage[i]), 95) << "damage " << i;
    }
}

int difference(const Surface& a, const Surface& b) {
    int d = 0;
    for (std::size_t k = 0; k < a.bits().size(); ++k) d += a.bits()[k] != b.bits()[k] ? 1 : 0;
    return d;
}

void expect_set_apart(const std::vector<Surface>& frames, const char* kind) {
    int closest = 1 << 30, a = -1, b = -1;
    for (std::size_t i = 0; i < frames.size(); ++i) {
        for (std::size_t j = i + 1; j < frames.size(); ++j) {
            const int d = difference(frames[i], frames[j]);
            if (d < closest) {
                closest = d;
                a = static_cast<int>(i);
                b = static_cast<int>(j);
            }
        }
    }
    EXPECT_GE(closest, 40) << kind << " " << a << " and " << b;
}

TEST(SheetgenPoses, EveryPoseAndDamageFigureIsSetApart) {
    expect_set_apart(bodies().poses, "poses");
    expect_set_apart(bodies().damage, "damage figures");
}

// Under every face, on every pose, the jaw runs on without a gap: outline at both sides of the
// two seam rows, skin between, and no skin open to the side.
TEST(SheetgenPoses, EveryFaceClosesTheSeamOnEveryPose) {
    std::vector<Surface> heads;
    for (int i = 0; i < face_count; ++i) heads.push_back(sheetgen::character_head(i));
    const int left = head_offset.x + 3, right = head_offset.x + 15;
    const int seam = head_offset.y + head_rows_behind - 1;
    for (int pose = 0; pose < pose_count; ++pose) {
        const Surface& body = bodies().poses[pose];
        const bool front = sheetgen::pose_has_head_in_front(pose);
        for (int i = 0; i < face_count; ++i) {
            // Only the seam rows are laid, the way the program lays them.
            const auto at = [&](int x, int y) {
                const int j = y - head_offset.y;
                const Colour head = heads[i].GetPixel(x - head_offset.x, j);
                const Colour own = body.GetPixel(x, y);
                if (front) return j < head_rows_front && head != key_color ? head : own;
                return j < head_rows_behind && own == key_color ? head : own;
            };
            for (const int y : {seam, seam + 1}) {
                ASSERT_TRUE(is_outline(at(left, y)) && is_outline(at(right, y)))
                    << "pose " << pose << " face " << i << " row " << y;
                for (int x = left + 1; x < right; ++x) {
                    ASSERT_TRUE(is_skin(at(x, y)))
                        << "pose " << pose << " face " << i << " at " << x << "," << y;
                }
                ASSERT_FALSE(is_skin(at(left - 1, y)) || is_skin(at(right + 1, y)))
                    << "pose " << pose << " face " << i << " row " << y;
            }
        }
    }
}

// The cloth highlight is all the cloth matte option acts on, so every figure that can show it
// does: a few glints, each one pixel thick, inside the outline, with a darker cloth shade right or
// below it, the side away from the light.
TEST(SheetgenPoses, ClothCatchesTheLightInAFewGlints) {
    const struct {
        const char* kind;
        const std::vector<Surface>& frames;
        int first, last;
        int at_least;
    } ranges[] = {
        {"uniform pose", bodies().poses, 0, 111, 2},
        {"pose in another outfit", bodies().poses, 112, 135, 2},
        {"uniform damage figure", bodies().damage, 0, 21, 2},
        // Burnt and frozen clothes have lost the highlight to the finish.
        {"burnt or frozen figure", bodies().damage, 22, 23, 0},
        // A vest can lie almost wholly under the arms.
        {"damage figure in another outfit", bodies().damage, 24, 53, 0},
    };
    const Colour glint = cloth_template[3];
    const auto is_darker_cloth = [](Colour c) { return is_cloth(c) && c != cloth_template[3]; };
    for (const auto& r : ranges) {
        for (int i = r.first; i <= r.last; ++i) {
            const Surface& s = r.frames[i];
            const auto at = [&](int x, int y) {
                return key_at(s, x, y) ? key_color : s.GetPixel(x, y);
            };
            int glints = 0, cloth = 0;
            for (int y = 0; y < s.height(); ++y) {
                for (int x = 0; x < s.width(); ++x) {
                    cloth += is_cloth(at(x, y)) ? 1 : 0;
                    if (at(x, y) != glint) continue;
                    ++glints;
                    SCOPED_TRACE(testing::Message()
                                 << r.kind << " " << i << " at " << x << "," << y);
                    EXPECT_FALSE(key_at(s, x - 1, y) || key_at(s, x + 1, y) ||
                                 key_at(s, x, y - 1) || key_at(s, x, y + 1));
                    EXPECT_TRUE(is_darker_cloth(at(x + 1, y)) || is_darker_cloth(at(x, y + 1)));
                    const bool along_row = at(x - 1, y) == glint || at(x + 1, y) == glint;
                    const bool along_column = at(x, y - 1) == glint || at(x, y + 1) == glint;
                    EXPECT_FALSE(along_row && along_column);
                }
            }
            EXPECT_GE(glints, r.at_least) << r.kind << " " << i;
            EXPECT_LE(glints * 8, cloth) << r.kind << " " << i << ": glints are no patches";
        }
    }
}

bool same_joints(const sheetgen::Skeleton& a, const sheetgen::Skeleton& b) {
    const auto limbs = [](const sheetgen::Skeleton& s) {
        return std::array<Point, 10>{
            s.neck,         s.pelvis,        s.far_arm.joint, s.far_arm.end,    s.near_arm.joint,
            s.near_arm.end, s.far_leg.joint, s.far_leg.end,   s.near_leg.joint, s.near_leg.end};
    };
    return limbs(a) == limbs(b);
}

// The names come from the program's catalogue; an outfit's pose or damage figure is named after
// the school-uniform one whose joints it takes, so a name always says what is drawn.
TEST(SheetgenPoses, EveryPoseAndFigureCarriesTheCatalogueNameOfWhatIsDrawn) {
    for (int i = 0; i < pose_count; ++i) {
        EXPECT_EQ(sheetgen::pose_spec(i).name, catalogue::pose_names[static_cast<std::size_t>(i)]);
    }
    for (int i = 0; i < damage_pose_count; ++i) {
        const sheetgen::DamageFigure f = sheetgen::damage_figure(i);
        EXPECT_EQ(f.name, catalogue::damage_names[static_cast<std::size_t>(i)]);
        if (i < sheetgen::first_other_outfit_damage) continue;
        const std::string_view own = f.name.substr(f.name.find(": ") + 2);
        int matches = 0;
        for (int j = 0; j < sheetgen::first_other_outfit_damage; ++j) {
            const sheetgen::DamageFigure school = sheetgen::damage_figure(j);
            if (school.name == own) matches += same_joints(school.body, f.body) ? 1 : 100;
        }
        EXPECT_EQ(matches, 1) << "damage figure " << i << " " << f.name;
    }
    // The walk and run cycles are school-uniform poses, so they animate under any head.
    for (const char* name : {"walk", "run"}) {
        const auto a = catalogue::find_animation(name);
        ASSERT_TRUE(a.has_value()) << name;
        EXPECT_GE(a->count, 6);
        for (const int pose : a->indices()) EXPECT_LT(pose, sheetgen::first_other_outfit_pose);
    }
}

}  // namespace
}  // namespace kelvara::sheetgen_test
