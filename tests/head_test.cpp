#include <gtest/gtest.h>

#include "compositor/head.h"
#include "compositor/sheet_colours.h"

namespace kelvara {
namespace {

// A face that differs at every pixel, and an empty hair.
void fill_cells(Workspace& w) {
    for (int y = 0; y < 19; ++y) {
        for (int x = 0; x < 19; ++x) {
            w.face_pic.SetPixel(x, y, RGB(100 + x, 100 + y, 50));
            w.hair_pic.SetPixel(x, y, key_color);
        }
    }
}

Colour face_at(int x, int y) {
    return RGB(100 + x, 100 + y, 50);
}

TEST(ComposeHead, EmptyHairGivesTheBareFace) {
    Workspace w;
    fill_cells(w);
    compose_head(w, 75);
    for (int y = 0; y < 19; ++y) {
        for (int x = 0; x < 19; ++x) ASSERT_EQ(w.pre_face_pic.GetPixel(x, y), face_at(x, y));
    }
}

TEST(ComposeHead, DrawnHairCoversTheFaceAndKeyHairShowsIt) {
    Workspace w;
    fill_cells(w);
    w.hair_pic.SetPixel(3, 2, hair_template[1]);
    w.hair_pic.SetPixel(4, 2, mask_white);  // a white hair pixel stays white
    w.hair_pic.SetPixel(5, 2, outline_black);
    w.face_pic.SetPixel(6, 6, key_color);  // transparent under transparent stays transparent
    compose_head(w, 12);
    EXPECT_EQ(w.pre_face_pic.GetPixel(3, 2), hair_template[1]);
    EXPECT_EQ(w.pre_face_pic.GetPixel(4, 2), mask_white);
    EXPECT_EQ(w.pre_face_pic.GetPixel(5, 2), outline_black);
    EXPECT_EQ(w.pre_face_pic.GetPixel(2, 2), face_at(2, 2));
    EXPECT_EQ(w.pre_face_pic.GetPixel(6, 6), key_color);
}

TEST(ComposeHead, MarkerPixelsBecomeHolesOnlyForTheMarkedHairs) {
    for (int hair : {301, 304, 709, 0, 300, 302, 710}) {
        Workspace w;
        fill_cells(w);
        w.hair_pic.SetPixel(15, 7, marker_red);
        w.hair_pic.SetPixel(15, 8, hair_template[0]);
        w.face_pic.SetPixel(2, 15, marker_red);  // red anywhere in the head counts
        compose_head(w, hair);
        const bool holes = hair == 301 || hair == 304 || hair == 709;
        const Colour expected = holes ? key_color : marker_red;
        EXPECT_EQ(w.pre_face_pic.GetPixel(15, 7), expected) << "hair " << hair;
        EXPECT_EQ(w.pre_face_pic.GetPixel(2, 15), expected) << "hair " << hair;
        EXPECT_EQ(w.pre_face_pic.GetPixel(15, 8), hair_template[0]) << "hair " << hair;
    }
}

TEST(ComposeHead, RecomposingReplacesTheWholePreviousHead) {
    Workspace w;
    fill_cells(w);
    w.hair_pic.SetPixel(9, 1, hair_template[2]);
    compose_head(w, 1);
    w.hair_pic.SetPixel(9, 1, key_color);
    compose_head(w, 1);
    EXPECT_EQ(w.pre_face_pic.GetPixel(9, 1), face_at(9, 1));
}

}  // namespace
}  // namespace kelvara
