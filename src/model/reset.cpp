#include "model/reset.h"

namespace tessarin {

std::vector<SettingsProblem> ResetProject(Project& p, const SettingsStore& store) {
    p.importChoicesEnabled = true;
    std::vector<SettingsProblem> problems = ReadSettings(p, store);

    const std::vector<double> empty(11, 0.0);
    p.timeSonic = empty;
    p.timeDepth = empty;
    p.timeDensity = empty;
    p.reflectionCoefficients = OffsetArray(0, 10);
    p.syntheticTrace = empty;
    p.intervalVelocity = empty;
    p.velocitySurveyCount = 0;
    p.velocitySurveyDepths.fill(0.0);
    p.velocitySurveyTimes.fill(0.0);
    p.wellLocation.fill("");
    p.horizonTimes.fill(0.0);
    p.horizonNames.fill("");
    p.horizonDepths.fill(Value());
    p.wellName.clear();
    p.lastSampleIndex = 0;
    p.horizonCount = 0;
    p.tie.reset();
    p.extractedWavelet.reset();
    p.unstretchedLogs.reset();

    p.synthDisplayed = false;
    p.projectChanged = false;
    p.projectFileName = "*.tsp";
    p.leftMarginInches = 0.5;

    p.kbElevation = Value(0);
    p.glElevation = Value(0);
    p.velocitySurveyDatumElevation = Value(0);
    p.datumElevation = Value(0);

    // The log ends stand ready as entries 1 and 2; the import sets the count.
    p.horizonNames[1] = "start of log";
    p.horizonDepths[1] = Value(p.timeDepth[0]);
    p.horizonNames[2] = "end of log";
    p.horizonDepths[2] = Value(p.timeDepth[static_cast<std::size_t>(p.lastSampleIndex)]);
    return problems;
}

}  // namespace tessarin
