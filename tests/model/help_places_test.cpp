#include "model/help_places.h"

#include <gtest/gtest.h>

namespace tessarin {
namespace {

using Folders = std::vector<std::string>;

TEST(HelpPlaces, LooksBesideTheProgramThenInEveryFolderOfPathAndSaysWhere) {
    const std::pair<const char*, Folders> cases[] = {
        {"", {}},
        {"/usr/bin:/opt/x/bin", {"/usr/bin", "/opt/x/bin"}},  // the last one without a ":"
        {":/a::/b:", {"/a", "/b"}},
    };
    for (const auto& [path, inPath] : cases) {
        Folders expected = {"/opt/t/bin", "/opt/t/share/tessarin/help"};
        expected.insert(expected.end(), inPath.begin(), inPath.end());
        EXPECT_EQ(HelpFolders("/opt/t/bin", path), expected) << path;
    }
    const std::string text = HelpMissingText({"/opt/t/bin", "/usr/bin"});
    EXPECT_TRUE(text.starts_with("tessarin.html not found in your path.\n\n")) << text;
    EXPECT_TRUE(text.ends_with("Tessarin.\n\nLooked in:\n/opt/t/bin\n/usr/bin")) << text;
}

}  // namespace
}  // namespace tessarin
