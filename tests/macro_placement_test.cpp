#include <gtest/gtest.h>

#include <utility>

#include "macro/macro_placement.h"

namespace {

using Point = std::pair<int32_t, int32_t>;

Point Place(Point body, int32_t orientation, int32_t mirror) {
    Primitive p{};
    p.x1 = body.first;
    p.y1 = body.second;
    const Primitive placed = PlaceMacroPrimitive(p, 500, 300, orientation, mirror);
    return {placed.x1, placed.y1};
}

TEST(PlaceMacroPrimitive, TurnsThenMirrorsAboutThePlacementPoint) {
    const Point a{110, 100};
    const Point b{100, 120};
    const struct {
        int32_t orientation, mirror;
        Point a, b;
    } cases[] = {
        {0, 0, {510, 300}, {500, 320}},  {1, 0, {500, 310}, {480, 300}},
        {2, 0, {490, 300}, {500, 280}},  {3, 0, {500, 290}, {520, 300}},
        {0, 1, {490, 300}, {500, 320}},  {0, 2, {510, 300}, {500, 280}},
        {1, 1, {500, 310}, {520, 300}},  {1, 2, {500, 290}, {480, 300}},
        {2, 1, {510, 300}, {500, 280}},  {3, 2, {500, 310}, {520, 300}},
        {0, 3, {510, 300}, {500, 320}},  {5, 0, {110, 100}, {100, 120}},
        {-1, 0, {110, 100}, {100, 120}}, {5, 1, {890, 100}, {900, 120}},
        {5, 2, {110, 500}, {100, 480}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "orientation " << c.orientation << " mirror " << c.mirror);
        EXPECT_EQ(Place(a, c.orientation, c.mirror), c.a);
        EXPECT_EQ(Place(b, c.orientation, c.mirror), c.b);
        if (c.orientation >= 0 && c.orientation <= 3) {
            EXPECT_EQ(Place({100, 100}, c.orientation, c.mirror), Point(500, 300));
        }
    }
}

TEST(PlaceMacroPrimitive, MovesAllFourPointsAndKeepsCodeAndText) {
    Primitive line{};
    std::snprintf(line.code, sizeof line.code, "TE");
    std::snprintf(line.text, sizeof line.text, "R1");
    line.x1 = 100, line.y1 = 100, line.x2 = 101, line.y2 = 102;
    line.x3 = 103, line.y3 = 104, line.x4 = 105, line.y4 = 106;
    const Primitive placed = PlaceMacroPrimitive(line, 10, 20, 0, 0);
    EXPECT_STREQ(placed.code, "TE");
    EXPECT_STREQ(placed.text, "R1");
    EXPECT_EQ(placed.x4, 15);
    EXPECT_EQ(placed.y4, 26);
    EXPECT_EQ(placed.x3, 13);
}

TEST(PlaceMacroPrimitive, WrapsAroundAtTheEdgesOf32Bits) {
    Primitive p{};
    p.x1 = INT32_MIN;
    p.y1 = INT32_MAX;
    const Primitive placed = PlaceMacroPrimitive(p, INT32_MAX, INT32_MIN, 1, 1);
    // Orientation 1 turns (u, v) = (2^31 - 100, 2^31 - 101) to x = X - v = 100, y = Y + u;
    // mirror 1 then gives 2X - 100. Everything modulo 2^32.
    EXPECT_EQ(placed.x1, -102);
    EXPECT_EQ(placed.y1, -100);
}

}  // namespace
