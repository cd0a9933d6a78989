#include "model/pair_sort.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace tessarin {
namespace {

TEST(SortPairsByKey, SortsEntriesOneToCountAndCarriesTheirPartners) {
    // Horizon depths with their names, entry 0 unused and entry 6 beyond the count.
    std::array<double, 7> depths{-1, 900, 100, 500, 300, 700, -5};
    std::array<std::string, 7> names{"unused", "e", "a", "c", "b", "d", "beyond"};
    std::vector<double> fractions;
    SortPairsByKey(5, depths, names, [&](double f) { fractions.push_back(f); });
    EXPECT_EQ(depths, (std::array<double, 7>{-1, 100, 300, 500, 700, 900, -5}));
    EXPECT_EQ(names, (std::array<std::string, 7>{"unused", "a", "b", "c", "d", "e", "beyond"}));
    // Progress up to (count - 1) / count when entry 1 is placed.
    EXPECT_EQ(fractions, (std::vector<double>{0.2, 0.4, 0.6, 0.8}));

    // Worked by hand through the heapsort: l = 2, ir = 3; the sift-down leaves (2, a) on top,
    // the first extraction moves it to entry 3 and brings (2, c) up, the second brings (1, b).
    std::array<int, 4> keys{0, 2, 1, 2};
    std::array<char, 4> carried{'-', 'a', 'b', 'c'};
    SortPairsByKey(3, keys, carried);
    EXPECT_EQ(keys, (std::array<int, 4>{0, 1, 2, 2}));
    EXPECT_EQ(carried, (std::array<char, 4>{'-', 'b', 'c', 'a'}));

    std::vector<double> one{0, 7}, partner{0, 70};
    SortPairsByKey(1, one, partner);  // short tables are left alone
    SortPairsByKey(0, one, partner);
    EXPECT_EQ(one, (std::vector<double>{0, 7}));
}

TEST(ReversePairs, ReversesEntriesOneToCountInBothTables) {
    std::vector<double> depths{-1, 1670.0, 1669.875, 1669.75, 1669.625, 99};
    std::vector<double> values{-1, 1, 2, 3, 4, 99};
    double lastFraction = 0;
    ReversePairs(4, depths, values, [&](double f) { lastFraction = f; });
    EXPECT_EQ(depths, (std::vector<double>{-1, 1669.625, 1669.75, 1669.875, 1670.0, 99}));
    EXPECT_EQ(values, (std::vector<double>{-1, 4, 3, 2, 1, 99}));
    EXPECT_DOUBLE_EQ(lastFraction, 1.0);
    std::vector<double> odd{0, 1, 2, 3}, oddValues{0, 10, 20, 30};
    ReversePairs(3, odd, oddValues);
    EXPECT_EQ(odd, (std::vector<double>{0, 3, 2, 1}));
    EXPECT_EQ(oddValues, (std::vector<double>{0, 30, 20, 10}));
}

}  // namespace
}  // namespace tessarin
