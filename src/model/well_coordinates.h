#pragma once

// The well's X and Y where its location gives them as numbers, for choosing the seismic trace at
// the well: the free lines of the location hold text such as "X = 623256  Y = 6082586".

#include <optional>
#include <string>
#include <utility>

#include "model/project.h"

namespace tessarin {

// The numbers after a standalone "X" and "Y" (either case, each followed by "=", ":" or only
// spaces) in a line of text; nothing unless both are there.
std::optional<std::pair<double, double>> CoordinatesInText(const std::string& text);

// The X and Y the well's location gives in its first two lines (the General location's free
// lines, or county and state); nothing when they give no numeric X and Y.
std::optional<std::pair<double, double>> WellLocationCoordinates(const Project& project);

}  // namespace tessarin
