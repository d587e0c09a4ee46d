// The pixels of a line, as both drawing surfaces fill them.
#include "platform/line_raster.h"

#include <gtest/gtest.h>

#include <vector>

namespace {
struct LineCase {
  Point a, b;
  bool withEnd;
  std::vector<Rect> runs;
};

const LineCase kLines[] = {
    {{0, 0}, {0, 0}, false, {}},
    {{0, 0}, {0, 0}, true, {{0, 0, 1, 1}}},
    // Straight lines are one rectangle, either way round.
    {{10, 2}, {15, 2}, false, {{10, 2, 15, 3}}},
    {{15, 2}, {10, 2}, false, {{11, 2, 16, 3}}},
    {{20, 8}, {20, 2}, false, {{20, 3, 21, 9}}},
    {{20, 8}, {20, 2}, true, {{20, 2, 21, 9}}},
    // Slanting lines: one run per row, from a towards b.
    {{0, 0}, {5, 2}, false, {{0, 0, 2, 1}, {2, 1, 4, 2}, {4, 2, 5, 3}}},
    {{0, 0}, {5, 2}, true, {{0, 0, 2, 1}, {2, 1, 4, 2}, {4, 2, 6, 3}}},
    {{5, 2}, {0, 0}, true, {{4, 2, 6, 3}, {2, 1, 4, 2}, {0, 0, 2, 1}}},
    {{0, 0}, {1, 3}, false, {{0, 0, 1, 1}, {0, 1, 1, 2}, {1, 2, 2, 3}}},
    {{0, 0}, {1, 2}, false, {{0, 0, 1, 1}, {1, 1, 2, 2}}},
};
}  // namespace

TEST(LineRaster, RunsOfEachLine) {
  for (const LineCase& c : kLines) {
    std::vector<Rect> runs;
    RasterLine(c.a, c.b, c.withEnd, [&](const Rect& r) { runs.push_back(r); });
    EXPECT_EQ(runs, c.runs) << c.a.x << "," << c.a.y << " to " << c.b.x << "," << c.b.y << " end " << c.withEnd;
  }
}
