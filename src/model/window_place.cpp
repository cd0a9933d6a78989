#include "model/window_place.h"

#include <algorithm>
#include <sstream>

namespace tessarin {

std::string WindowRectText(const WindowRect& rect) {
    std::ostringstream out;
    out << rect.left << ' ' << rect.top << ' ' << rect.width << ' ' << rect.height;
    return out.str();
}

std::optional<WindowRect> ParseWindowRect(std::string_view text) {
    std::istringstream in{std::string(text)};
    WindowRect rect;
    if (!(in >> rect.left >> rect.top >> rect.width >> rect.height) || rect.width <= 0 ||
        rect.height <= 0) {
        return std::nullopt;
    }
    std::string rest;
    if (in >> rest) {
        return std::nullopt;
    }
    return rect;
}

WindowRect FitOnScreen(WindowRect window, const WindowRect& screen) {
    window.width = std::min(window.width, screen.width);
    window.height = std::min(window.height, screen.height);
    window.left = std::clamp(window.left, screen.left, screen.left + screen.width - window.width);
    window.top = std::clamp(window.top, screen.top, screen.top + screen.height - window.height);
    return window;
}

WindowRect BesideWindow(const WindowRect& main, WindowRect size, const WindowRect& screen) {
    const int roomRight = screen.left + screen.width - (main.left + main.width);
    const int roomLeft = main.left - screen.left;
    size.left = roomRight >= size.width || roomRight >= roomLeft ? main.left + main.width
                                                                 : main.left - size.width;
    size.top = main.top;
    return FitOnScreen(size, screen);
}

}  // namespace tessarin
