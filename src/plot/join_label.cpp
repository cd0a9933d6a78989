#include "plot/join_label.h"

namespace tessarin {

namespace {

constexpr const char* kEllipsis = "\u2026";

// `text` less its last character (a whole UTF-8 sequence).
std::string DropLastCharacter(std::string text) {
    while (!text.empty()) {
        const auto byte = static_cast<unsigned char>(text.back());
        text.pop_back();
        if ((byte & 0xC0) != 0x80) {
            break;
        }
    }
    return text;
}

// The longest start of `text` that fits `room` with the ellipsis and `tail` after it.
std::string ElideEnd(std::string text, const std::string& tail, double room,
                     const std::function<double(const std::string&)>& widthOf) {
    while (!text.empty() && widthOf(text + kEllipsis + tail) > room) {
        text = DropLastCharacter(text);
    }
    while (!text.empty() && text.back() == ' ') {
        text.pop_back();  // "L-30…", not "L-30 …"
    }
    return text + kEllipsis + tail;
}

}  // namespace

std::string ElideToWidth(const std::string& text, double room,
                         const std::function<double(const std::string&)>& widthOf) {
    if (widthOf(text) <= room) {
        return text;
    }
    const std::string cut = ElideEnd(text, "", room, widthOf);
    return widthOf(cut) <= room ? cut : std::string();
}

std::string JoinLabel(const std::string& wellName, const std::string& printedAt) {
    return wellName.empty() ? printedAt : wellName + "   " + printedAt;
}

std::string FitJoinLabel(const std::string& wellName, const std::string& printedAt, double room,
                         const std::function<double(const std::string&)>& widthOf) {
    const std::string whole = JoinLabel(wellName, printedAt);
    if (widthOf(whole) <= room) {
        return whole;
    }
    const std::string tail = "   " + printedAt;
    if (!wellName.empty() && widthOf(kEllipsis + tail) <= room) {
        return ElideEnd(wellName, tail, room, widthOf);
    }
    return ElideToWidth(whole, room, widthOf);
}

}  // namespace tessarin
