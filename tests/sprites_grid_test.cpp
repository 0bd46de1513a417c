#include <gtest/gtest.h>

#include "sprites/grid.h"

namespace kelvara::sprites {
namespace {

// One grid for atlases, contact sheets and strips: its size, its cells and its limit.
TEST(Grid, LaysPicturesOutRowByRowWithinTheLimit) {
    struct Case {
        int count, columns, cell_width, cell_height;
        int want_columns, want_rows;
        qint64 want_width, want_height;
        bool fits;
    };
    const Case cases[] = {
        {190, 16, 63, 63, 16, 12, 1008, 756, true},   // a whole atlas at scale 1
        {54, 7, 189, 189, 7, 8, 1323, 1512, true},    // the damage figures at scale 3
        {8, 8, 126, 126, 8, 1, 1008, 126, true},      // an animation strip
        {3, 10, 63, 63, 3, 1, 189, 63, true},         // fewer pictures than columns
        {1, 0, 63, 63, 1, 1, 63, 63, true},           // never fewer than one column
        {256, 256, 64, 64, 256, 1, 16384, 64, true},  // exactly at the limit
        {256, 256, 65, 10, 256, 1, 16640, 10, false},
        // A long sheet: its height is beyond an int's reach in pixels, not in the grid.
        {5000000, 1, 504, 504, 1, 5000000, 504, 2520000000, false},
    };
    for (const Case& c : cases) {
        const Grid g = grid_of(c.count, c.columns, c.cell_width, c.cell_height);
        SCOPED_TRACE(testing::Message() << c.count << " in " << c.columns);
        EXPECT_EQ(g.columns, c.want_columns);
        EXPECT_EQ(g.rows(), c.want_rows);
        EXPECT_EQ(g.width(), c.want_width);
        EXPECT_EQ(g.height(), c.want_height);
        EXPECT_EQ(g.fits(), c.fits);
    }
    EXPECT_EQ(grid_of(190, 16, 63, 63).cell(16), QRect(0, 63, 63, 63));
    EXPECT_EQ(grid_of(190, 16, 63, 63).cell(189), QRect(13 * 63, 11 * 63, 63, 63));
    EXPECT_EQ(grid_of(8, 4, 30, 40).cell(5), QRect(30, 40, 30, 40));
}

}  // namespace
}  // namespace kelvara::sprites
