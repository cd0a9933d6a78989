#pragma once

// The rows of the horizon table under the time panels.

#include <array>
#include <string>
#include <vector>

#include "model/project.h"

namespace tessarin {

inline constexpr std::array<const char*, 8> kHorizonTableTitles = {
    "Horizon", "Depth", "Subsea", "Time", "Ave V", "Int H", "Int T", "Int V"};

// One row of texts per horizon entry 1 to horizonCount, in the columns above. The interval from
// an entry to the next stands in the row of the lower entry; the first row has none.
std::vector<std::array<std::string, 8>> HorizonTableRows(const Project& project);

}  // namespace tessarin
