#include "model/recent_projects.h"

#include <gtest/gtest.h>

#include <tuple>

namespace tessarin {
namespace {

using Paths = std::vector<std::string>;

TEST(RecentProjects, NewestFirstEachOnceAtMostEight) {
    const std::tuple<Paths, std::string, Paths> cases[] = {
        {{}, "a.tsp", {"a.tsp"}},
        {{"a", "b", "c"}, "c", {"c", "a", "b"}},  // reopened: moves to the top, once
        {{"a", "", "b"}, "d", {"d", "a", "b"}},
        {{"1", "2", "3", "4", "5", "6", "7", "8"}, "9", {"9", "1", "2", "3", "4", "5", "6", "7"}},
    };
    for (const auto& [before, opened, after] : cases) {
        EXPECT_EQ(WithRecentProject(before, opened), after) << opened;
    }
}

}  // namespace
}  // namespace tessarin
