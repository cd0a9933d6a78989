#pragma once

// What the pointer readout shows for a pointer position on the display: the two-way time, the
// depth of the log sample at that time, and the velocity or density under the pointer when it is
// over one of the log grids, or the seismic trace's amplitude when it is over the seismic panel.
// Worked out from the positions the painters recorded while drawing.

#include <string>

#include "model/project.h"
#include "plot/plot_state.h"

namespace tessarin {

inline constexpr const char* kTimeCaption = " Time =";
inline constexpr const char* kDepthCaption = " Depth = ";
inline constexpr const char* kSubseaCaption = " SS = ";
inline constexpr const char* kVelocityCaption = " Velocity =";
inline constexpr const char* kDensityCaption = " Density =";
inline constexpr const char* kSeismicCaption = " Seismic =";
inline constexpr const char* kOutsideLog = "N/A";

struct ReadoutText {
    bool inTimeRange = false;  // between the first 100-ms line and the last timing line
    std::string time;
    std::string depthCaption;
    std::string depth;
    std::string logCaption;  // empty when the pointer is over no log grid and no seismic panel
    std::string logValue;
};

// The readout at (x, y), twips on the picture: the centre of the pointer's pixel, `pixelTwips`
// wide and high. A pixel that holds an edge of the time range or of a log grid reads that edge,
// so that the pointer on the first 100-ms line or on a grid's left line shows a value.
ReadoutText ReadoutAt(const Project& project, const ReadoutPositions& positions, double x, double y,
                      double pixelTwips = 0.0);

}  // namespace tessarin
