#include "model/recent_projects.h"

#include <algorithm>

namespace tessarin {

std::vector<std::string> WithRecentProject(std::vector<std::string> recent,
                                           const std::string& path) {
    std::erase_if(recent, [&](const std::string& entry) { return entry.empty() || entry == path; });
    recent.insert(recent.begin(), path);
    if (recent.size() > kRecentProjectCount) {
        recent.resize(kRecentProjectCount);
    }
    return recent;
}

}  // namespace tessarin
