#pragma once

// The stretch carried into the well's time-depth relation: the stretched times at a few depths,
// as a velocity survey. The import calibrates the sonic to a survey exactly at its points, so a
// re-import of the same logs with that survey gives the stretched synthetic again, without the
// stretch.

#include "import/velocity_survey.h"
#include "model/project.h"

namespace tessarin {

// The stretched relation as a survey: a point at the top and at the bottom of the log and one at
// the depth of every knee between them, each with its stretched two-way time below the seismic
// datum, which becomes the survey datum; depths below it, in the project's units. Throws Error
// when the project holds no stretch, its datum cannot be found, or the points would be more than
// the Velocity Survey dialog's rows.
VelocitySurvey StretchSurvey(const Project& project);

// Use as the project's velocity survey: the survey above becomes the project's and is applied
// (the seismic datum set from it as the import does); the stretched logs become the project's
// logs, as a re-import with the survey would make them; the knees are cleared, and whatever of
// the well's time the survey cannot hold (a log whose top lies at or above the datum) stays as
// the bulk shift. Sets projectChanged. Throws Error as StretchSurvey, or with the import's
// message when the survey cannot be applied; the record is then left as it was.
void UseStretchAsVelocitySurvey(Project& project);

}  // namespace tessarin
