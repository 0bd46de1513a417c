#include <gtest/gtest.h>

#include "compositor/sheet_colours.h"
#include "compositor/sheets.h"
#include "compositor/workspace.h"

namespace kelvara {
namespace {

// A sheet whose every pixel encodes its own position, so a cut cell tells where it came from.
Colour where(int x, int y) {
    return static_cast<Colour>(x) | (static_cast<Colour>(y) << 12);
}

Surface position_sheet(const SheetGeometry& g) {
    Surface s(g.width, g.height, key_color);
    for (int y = 0; y < g.height; ++y) {
        for (int x = 0; x < g.width; ++x) s.SetPixel(x, y, where(x, y));
    }
    return s;
}

TEST(CellOrigin, IndicesRunDownAColumnFirst) {
    EXPECT_EQ(cell_origin(head_sheet_geometry, 0), (Point{21, 21}));
    EXPECT_EQ(cell_origin(head_sheet_geometry, 9), (Point{21, 201}));
    EXPECT_EQ(cell_origin(head_sheet_geometry, 10), (Point{41, 21}));
    EXPECT_EQ(cell_origin(cloth_sheet_geometry, 0), (Point{20, 1}));
    EXPECT_EQ(cell_origin(cloth_sheet_geometry, 11), (Point{88, 69}));
}

TEST(CellOrigin, LastCellsEndOnTheLastGridLine) {
    for (const SheetGeometry* g :
         {&head_sheet_geometry, &cloth_sheet_geometry, &damage_sheet_geometry}) {
        int max_right = 0;
        int max_bottom = 0;
        for (int i = 0; i < g->cell_count; ++i) {
            const Point p = cell_origin(*g, i);
            max_right = std::max(max_right, p.x + g->cell_size);
            max_bottom = std::max(max_bottom, p.y + g->cell_size);
        }
        // One grid line after the last cell closes the sheet.
        EXPECT_EQ(max_right, g->width - 1);
        EXPECT_EQ(max_bottom, g->height - 1);
    }
}

TEST(CutCell, FaceCellLandsInTheTopLeftOfTheHeadSurface) {
    const Surface sheet = position_sheet(head_sheet_geometry);
    Workspace w;
    cut_head_cell(sheet, 711, w.face_pic);
    EXPECT_EQ(w.face_pic.GetPixel(0, 0), where(1441, 41));
    EXPECT_EQ(w.face_pic.GetPixel(18, 18), where(1459, 59));
    // The surface's last column and row are not part of the cell.
    EXPECT_EQ(w.face_pic.GetPixel(19, 0), Workspace::button_face);
    EXPECT_EQ(w.face_pic.GetPixel(0, 19), Workspace::button_face);
}

TEST(CutCell, PoseCellsComeFromTheirSheetPosition) {
    Workspace w;
    const Surface cloth = position_sheet(cloth_sheet_geometry);
    cut_pose_cell(cloth, 135, w.pre_cloth_pic);
    EXPECT_EQ(w.pre_cloth_pic.GetPixel(0, 0), where(904, 341));
    EXPECT_EQ(w.pre_cloth_pic.GetPixel(62, 62), where(966, 403));

    const Surface damage = position_sheet(damage_sheet_geometry);
    cut_pose_cell(damage, 53, w.pre_cloth_pic);
    EXPECT_EQ(w.pre_cloth_pic.GetPixel(0, 0), where(360, 205));
    EXPECT_EQ(w.pre_cloth_pic.GetPixel(62, 0), where(422, 205));
}

}  // namespace
}  // namespace kelvara
