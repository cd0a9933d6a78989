#pragma once

// Where the main window opens: where the user left it last time, as long as it fits on the screen
// it comes back to. Kept beside the project settings, as "left top width height" in pixels.

#include <optional>
#include <string>
#include <string_view>

namespace tessarin {

struct WindowRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const WindowRect&) const = default;
};

std::string WindowRectText(const WindowRect& rect);
// The rectangle of a saved text, or nothing when the text is not four whole numbers with a
// width and height above zero.
std::optional<WindowRect> ParseWindowRect(std::string_view text);

// The saved window moved, and made smaller where it must be, so that all of it lies on `screen`:
// a window left on a screen since removed, or larger than today's screen, stays reachable.
WindowRect FitOnScreen(WindowRect window, const WindowRect& screen);

// Where a window of `size` (width and height of the rectangle) opens beside `main`, so that both
// can be seen: right of it when there is room on `screen`, else left of it, else on the side with
// more room, overlapping as little as the screen allows. Level with `main`'s top, on the screen.
WindowRect BesideWindow(const WindowRect& main, WindowRect size, const WindowRect& screen);

}  // namespace tessarin
