#pragma once

#include <vector>

#include "model/project.h"
#include "model/settings.h"

namespace tessarin {

// Empties the project and applies the saved settings, as at start-up and at the start of New
// Project and Open Project. Window state (title, menus, dialog fields) and the header height,
// which needs the plot font, are refreshed from the record by the caller.
// Returns the settings that could not be read and fell back to their defaults.
std::vector<SettingsProblem> ResetProject(Project& project, const SettingsStore& store);

}  // namespace tessarin
