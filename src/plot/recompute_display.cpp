// Kept apart from the screen plot driver: this is the one place the display calls the synthetic
// engine.

#include "engine/synthetic.h"
#include "plot/plot_driver.h"

namespace tessarin {

std::optional<std::string> RecomputeAndDisplay(Project& project, PlotState& state,
                                               PlotPicture& picture) {
    if (auto failure = RecomputeSynthetic(project)) {
        return failure;
    }
    return DrawDisplay(project, state, picture);
}

}  // namespace tessarin
