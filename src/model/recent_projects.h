#pragma once

// The recent-projects list of the File menu: the projects last opened or saved, newest first.

#include <cstddef>
#include <string>
#include <vector>

namespace tessarin {

inline constexpr std::size_t kRecentProjectCount = 8;

// The list after `path` was opened or saved: `path` first, each project once, at most
// kRecentProjectCount of them, empty entries dropped.
std::vector<std::string> WithRecentProject(std::vector<std::string> recent,
                                           const std::string& path);

}  // namespace tessarin
