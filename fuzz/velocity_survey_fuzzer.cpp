// The velocity survey file (.vs): any bytes give a survey or the file's own error. A survey read
// is then applied to a sonic log, which either calibrates it or gives the survey warning.

#include <cstdint>

#include "fuzz_support.h"
#include "import/velocity_survey.h"

using namespace tessarin;

namespace {

// 300 us/m from 1000 to 1200 m every metre, with a little variation.
DepthLog Sonic() {
    DepthLog log;
    for (int i = 0; i <= 200; ++i) {
        log.Add(1000.0 + i, 300.0 + (i % 7) * 10.0);
    }
    return log;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    VelocitySurvey survey;
    try {
        survey = ReadVelocitySurveyText(fuzz::Text(data, size));
    } catch (const ImportError&) {
        return 0;
    }
    fuzz::Require(survey.count >= 0 && survey.count < kTableSize, "the points fit the table");
    SortVelocitySurvey(survey);
    Project project;
    project.kbElevation = Value(25.0);
    project.applyVelocitySurvey = true;
    SetVelocitySurvey(project, survey);
    static const DepthLog sonic = Sonic();
    fuzz::ConvertToTime(sonic, project);
    return 0;
}
