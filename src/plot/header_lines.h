#pragma once

// The text of the header band: the title line and the lines below it.

#include <string>
#include <vector>

#include "model/project.h"

namespace tessarin {

// The lines under the title (location, elevations, scales, processing, survey, date), in order.
std::vector<std::string> HeaderLines(const Project& project, const std::string& dateText);

// Today's date as the header shows it ("MM-DD-YYYY").
std::string TodayText();

}  // namespace tessarin
