// Block sequences of the five patterns.
#include <gtest/gtest.h>

#include <map>
#include <utility>
#include <vector>

#include "runtime/transitions/tests/pattern_fixture.h"

namespace transitions::testing {
namespace {

using Cell = std::pair<int, int>;  // column, row

// The cells of a run whose every copy is one whole cell, with the step of each.
std::vector<std::pair<Cell, int>> CellsOf(const RecordingTarget& target, int cell) {
    std::vector<std::pair<Cell, int>> cells;
    for (const RecordedCopy& c : target.copies) {
        EXPECT_EQ(c.srcX, c.dstX);
        EXPECT_EQ(c.srcY, c.dstY);
        cells.push_back({{c.dstX / cell, c.dstY / cell}, c.step});
    }
    return cells;
}

TEST(Wipe, FullScreenRightWipeCopiesColumnsLeftToRight) {
    const RecordingTarget t = RunRecorded(Record(kTypeWipe, kDirectionRight, 2), 640, 480);
    EXPECT_EQ(t.polls, 320);
    ASSERT_EQ(t.copies.size(), 320u * 240u);
    for (size_t i = 0; i < t.copies.size(); ++i) {
        const int column = static_cast<int>(i / 240), row = static_cast<int>(i % 240);
        ASSERT_EQ(t.copies[i],
                  (RecordedCopy{2 * column, 2 * row, 2 * column, 2 * row, 2, 2, column}))
            << i;
    }
}

TEST(Wipe, EveryDirectionOnThreeByTwoCells) {
    struct Case {
        std::int16_t direction;
        std::vector<std::pair<Cell, int>> cells;
    };
    const Case cases[] = {
        {kDirectionLeft,
         {{{2, 0}, 0}, {{2, 1}, 0}, {{1, 0}, 1}, {{1, 1}, 1}, {{0, 0}, 2}, {{0, 1}, 2}}},
        {kDirectionRight,
         {{{0, 0}, 0}, {{0, 1}, 0}, {{1, 0}, 1}, {{1, 1}, 1}, {{2, 0}, 2}, {{2, 1}, 2}}},
        {kDirectionUp,
         {{{0, 1}, 0}, {{1, 1}, 0}, {{2, 1}, 0}, {{0, 0}, 1}, {{1, 0}, 1}, {{2, 0}, 1}}},
        {kDirectionDown,
         {{{0, 0}, 0}, {{1, 0}, 0}, {{2, 0}, 0}, {{0, 1}, 1}, {{1, 1}, 1}, {{2, 1}, 1}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.direction);
        const RecordingTarget t = RunRecorded(Record(kTypeWipe, c.direction, 2), 6, 4);
        EXPECT_EQ(CellsOf(t, 2), c.cells);
    }
}

TEST(Wipe, PartialLastCellIsCutToTheRegion) {
    const RecordingTarget t = RunRecorded(Record(kTypeWipe, kDirectionRight, 2), 5, 3);
    ASSERT_EQ(t.copies.size(), 6u);
    EXPECT_EQ(t.copies[1], (RecordedCopy{0, 2, 0, 2, 2, 1, 0}));
    EXPECT_EQ(t.copies[5], (RecordedCopy{4, 2, 4, 2, 1, 1, 2}));
}

TEST(Slide, EveryDirectionGrowsTheBlockByOneCellPerStep) {
    struct Case {
        std::int16_t direction;
        std::vector<RecordedCopy> copies;
    };
    // Region 6 × 4 in 2-pixel cells: 3 columns, 2 rows.
    const Case cases[] = {
        {kDirectionRight,
         {{4, 0, 0, 0, 2, 2, 0},
          {4, 2, 0, 2, 2, 2, 0},
          {2, 0, 0, 0, 4, 2, 1},
          {2, 2, 0, 2, 4, 2, 1},
          {0, 0, 0, 0, 6, 2, 2},
          {0, 2, 0, 2, 6, 2, 2}}},
        {kDirectionLeft,
         {{0, 0, 4, 0, 2, 2, 0},
          {0, 2, 4, 2, 2, 2, 0},
          {0, 0, 2, 0, 4, 2, 1},
          {0, 2, 2, 2, 4, 2, 1},
          {0, 0, 0, 0, 6, 2, 2},
          {0, 2, 0, 2, 6, 2, 2}}},
        {kDirectionDown,
         {{0, 2, 0, 0, 2, 2, 0},
          {2, 2, 2, 0, 2, 2, 0},
          {4, 2, 4, 0, 2, 2, 0},
          {0, 0, 0, 0, 2, 4, 1},
          {2, 0, 2, 0, 2, 4, 1},
          {4, 0, 4, 0, 2, 4, 1}}},
        {kDirectionUp,
         {{0, 0, 0, 2, 2, 2, 0},
          {2, 0, 2, 2, 2, 2, 0},
          {4, 0, 4, 2, 2, 2, 0},
          {0, 0, 0, 0, 2, 4, 1},
          {2, 0, 2, 0, 2, 4, 1},
          {4, 0, 4, 0, 2, 4, 1}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.direction);
        const RecordingTarget t = RunRecorded(Record(kTypeSlide, c.direction, 2), 6, 4);
        EXPECT_EQ(t.copies, c.copies);
    }
}

TEST(Slide, RegionNotAMultipleOfTheCellShowsOnlyRegionPixels) {
    // 5 pixels in 2-pixel cells: the first step brings the last pixel column in at the edge.
    const RecordingTarget t = RunRecorded(Record(kTypeSlide, kDirectionRight, 2), 5, 2);
    const std::vector<RecordedCopy> expected = {
        {4, 0, 0, 0, 1, 2, 0}, {2, 0, 0, 0, 3, 2, 1}, {0, 0, 0, 0, 5, 2, 2}};
    EXPECT_EQ(t.copies, expected);
}

TEST(Blinds, HorizontalBlindsFillEveryBandOneLineAtATime) {
    // 40 × 60 in 20-pixel cells: 2 columns, 3 bands; one step per band and line.
    const RecordingTarget t = RunRecorded(Record(kTypeBlinds, kBlindsHorizontal, 20), 40, 60);
    EXPECT_EQ(t.polls, 60);
    ASSERT_EQ(t.copies.size(), 120u);
    for (int line = 0, n = 0; line < 20; ++line)
        for (int band = 0; band < 3; ++band)
            for (int c = 0; c < 2; ++c, ++n) {
                const int y = band * 20 + line;
                ASSERT_EQ(t.copies[n], (RecordedCopy{c * 20, y, c * 20, y, 20, 1, line * 3 + band}))
                    << n;
            }
}

TEST(Blinds, VerticalBlindsFillEveryBandOneColumnAtATime) {
    // 30 × 20 in 10-pixel cells: 3 bands, 2 rows.
    const RecordingTarget t = RunRecorded(Record(kTypeBlinds, kBlindsVertical, 10), 30, 20);
    EXPECT_EQ(t.polls, 30);
    ASSERT_EQ(t.copies.size(), 60u);
    for (int line = 0, n = 0; line < 10; ++line)
        for (int band = 0; band < 3; ++band)
            for (int r = 0; r < 2; ++r, ++n) {
                const int x = band * 10 + line;
                ASSERT_EQ(t.copies[n], (RecordedCopy{x, r * 10, x, r * 10, 1, 10, line * 3 + band}))
                    << n;
            }
}

// The step at which each cell of a columns × rows grid first appears.
std::map<Cell, int> FirstSteps(const RecordingTarget& t) {
    std::map<Cell, int> first;
    for (const auto& [cell, step] : CellsOf(t, 1)) first.emplace(cell, step);
    return first;
}

// The step at which the opening iris reaches a row (or column): it starts at count / 2 with its
// mirror count - 1 - count / 2, so on an even count the second step repeats the middle pair and
// every later band comes one step after its distance from the middle.
int IrisOpenStep(int index, int count) {
    const int a = count / 2, b = count - 1 - count / 2;
    const int distance = std::min(std::abs(index - a), std::abs(index - b));
    return (count % 2 == 0 && distance > 0) ? distance + 1 : distance;
}

int DistanceToEdge(int index, int count) {
    return std::min(index, count - 1 - index);
}

const std::pair<int, int> kIrisGrids[] = {{1, 1}, {5, 4}, {6, 3}, {1, 5}, {7, 1}, {8, 8}, {9, 2}};

TEST(Iris, OpenShowsTheMiddleCrossFirstAndTheCornersLast) {
    for (const auto& [cols, rows] : kIrisGrids) {
        SCOPED_TRACE(::testing::Message() << cols << " x " << rows);
        const RecordingTarget t = RunRecorded(Record(kTypeIris, kIrisOpen, 1), cols, rows);
        EXPECT_EQ(t.polls, std::max(rows / 2, cols / 2) + 1);
        const std::map<Cell, int> first = FirstSteps(t);
        ASSERT_EQ(first.size(), static_cast<size_t>(cols * rows));
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < cols; ++c)
                EXPECT_EQ(first.at({c, r}), std::min(IrisOpenStep(c, cols), IrisOpenStep(r, rows)))
                    << c << "," << r;
    }
}

TEST(Iris, CloseGrowsSquaresFromTheCornersAndShowsTheMiddleLast) {
    for (const auto& [cols, rows] : kIrisGrids) {
        SCOPED_TRACE(::testing::Message() << cols << " x " << rows);
        const RecordingTarget t = RunRecorded(Record(kTypeIris, kIrisClose, 1), cols, rows);
        EXPECT_EQ(t.polls, std::max((rows - 1) / 2, (cols - 1) / 2) + 1);
        const std::map<Cell, int> first = FirstSteps(t);
        ASSERT_EQ(first.size(), static_cast<size_t>(cols * rows));
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < cols; ++c)
                EXPECT_EQ(first.at({c, r}),
                          std::max(DistanceToEdge(c, cols), DistanceToEdge(r, rows)))
                    << c << "," << r;
    }
}

int BitLength(int v) {
    int n = 0;
    for (; v > 0; v >>= 1) ++n;
    return n;
}

TEST(Dissolve, VisitsEveryCellOnceAndEndsWithTheOrigin) {
    // 160 × 120 single-pixel cells use the 16-bit register.
    const std::pair<int, int> grids[] = {{1, 1}, {3, 2}, {5, 7}, {17, 3}, {160, 120}};
    for (const auto& [cols, rows] : grids) {
        SCOPED_TRACE(::testing::Message() << cols << " x " << rows);
        const RecordingTarget t = RunRecorded(Record(kTypeDissolve, 0, 1), cols, rows);
        const int registerBits = BitLength(cols) + BitLength(rows) + 1;
        EXPECT_EQ(t.polls, (1 << registerBits) - 1);
        ASSERT_EQ(t.copies.size(), static_cast<size_t>(cols * rows));
        std::map<Cell, int> seen;
        for (const auto& [cell, step] : CellsOf(t, 1)) ++seen[cell];
        EXPECT_EQ(seen.size(), static_cast<size_t>(cols * rows));
        for (const auto& [cell, count] : seen)
            EXPECT_EQ(count, 1) << cell.first << "," << cell.second;
        EXPECT_EQ(t.copies.back(), (RecordedCopy{0, 0, 0, 0, 1, 1, t.polls}));
    }
}

TEST(Dissolve, FullScreenFastDissolveSteps) {
    // 320 × 240 cells: 9 + 8 address bits, an 18-bit register.
    const RecordingTarget t = RunRecorded(Record(kTypeDissolve, 0, 2), 640, 480);
    EXPECT_EQ(t.polls, (1 << 18) - 1);
    EXPECT_EQ(t.copies.size(), 320u * 240u);
    // The register's first values: 1, then shifted with the mask 0x20400.
    EXPECT_EQ(t.copies[0], (RecordedCopy{2, 0, 2, 0, 2, 2, 0}));
}

}  // namespace
}  // namespace transitions::testing
