#include "model/window_place.h"

#include <gtest/gtest.h>

namespace tessarin {
namespace {

TEST(WindowPlace, SavedTextRoundTripsAndBadTextIsRefused) {
    const WindowRect rect{-20, 35, 816, 480};
    EXPECT_EQ(ParseWindowRect(WindowRectText(rect)), rect);
    for (const char* bad : {"", "1 2 3", "1 2 0 480", "1 2 816 -4", "1 2 816 480 9", "a b c d"}) {
        EXPECT_FALSE(ParseWindowRect(bad)) << bad;
    }
}

TEST(WindowPlace, FitsTheSavedWindowOnTheScreen) {
    const WindowRect screen{0, 0, 1280, 1000};
    const std::pair<WindowRect, WindowRect> cases[] = {
        {{100, 50, 816, 480}, {100, 50, 816, 480}},    // on the screen: as it was
        {{1800, 60, 816, 480}, {464, 60, 816, 480}},   // on a screen since removed
        {{-300, -40, 816, 480}, {0, 0, 816, 480}},     // above and left of it
        {{500, 900, 2000, 1200}, {0, 0, 1280, 1000}},  // larger than the screen
        {{600, 800, 816, 480}, {464, 520, 816, 480}},  // over the bottom right corner
    };
    for (const auto& [saved, placed] : cases) {
        EXPECT_EQ(FitOnScreen(saved, screen), placed) << WindowRectText(saved);
    }
    EXPECT_EQ(FitOnScreen({0, 0, 816, 480}, {1280, 24, 1024, 744}),
              (WindowRect{1280, 24, 816, 480}));
}

TEST(WindowPlace, HelpOpensBesideTheMainWindow) {
    const WindowRect screen{0, 0, 1280, 1000};
    const WindowRect help{0, 0, 400, 600};
    const std::pair<WindowRect, WindowRect> cases[] = {
        {{100, 50, 700, 500}, {800, 50, 400, 600}},  // room on the right
        {{700, 80, 500, 500}, {300, 80, 400, 600}},  // room on the left only
        {{200, 600, 900, 500}, {0, 400, 400, 600}},  // room on neither: the wider side
    };
    for (const auto& [main, placed] : cases) {
        EXPECT_EQ(BesideWindow(main, help, screen), placed) << WindowRectText(main);
    }
}

}  // namespace
}  // namespace tessarin
