// Kept apart from the screen plot driver: this is the one place the display calls the synthetic
// engine, and the last place the project is written before it is drawn.

#include "engine/datum.h"
#include "engine/synthetic.h"
#include "model/error.h"
#include "plot/plot_driver.h"
#include "plot/tie_display.h"

namespace tessarin {

std::optional<std::string> RecomputeAndDisplay(Project& project, PlotState& state,
                                               PlotPicture& picture) {
    if (auto failure = RecomputeSynthetic(project)) {
        return failure;
    }
    try {
        ComputeStartTime(project);
    } catch (const Error& failure) {
        return failure.what();
    }
    // The tie is measured here, where the synthetic, its times and the seismic trace may have
    // changed, and not each time the same display is drawn again.
    state.tie = ComputeTieDisplay(project);
    return DrawDisplay(project, state, picture);
}

}  // namespace tessarin
