#pragma once

// The label printed beside each join of a printout: the well name and when it was printed, so
// that pages of one print are told from those of another. It stands in the strip beside its own
// join and is shortened to the room there.

#include <functional>
#include <string>

namespace tessarin {

// `text` cut from its end with an ellipsis to `room` as `widthOf` measures it; whole when it fits,
// empty when not even the ellipsis does.
std::string ElideToWidth(const std::string& text, double room,
                         const std::function<double(const std::string&)>& widthOf);

// "F03-4   07-04-2025 09:15".
std::string JoinLabel(const std::string& wellName, const std::string& printedAt);

// The label shortened with an ellipsis to `room` as `widthOf` measures it: the well name first,
// so that the date and time stay whole; when even they do not fit, the whole label is cut from
// its end. Empty when not even the ellipsis fits.
std::string FitJoinLabel(const std::string& wellName, const std::string& printedAt, double room,
                         const std::function<double(const std::string&)>& widthOf);

}  // namespace tessarin
