// End-to-end imports of real LAS files. The expected numbers were worked out with a separate
// script (trapezium integration and linear resampling written out from the definitions), or
// come from the files themselves.

#include "import/log_import.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "import/import_error.h"
#include "import/import_test_support.h"
#include "import/las_reader.h"
#include "model/reset.h"
#include "model/settings.h"

namespace tessarin {
namespace {

using test::DataPath;

Project NewProject() {
    Project p;
    MemorySettingsStore store;
    ResetProject(p, store);
    return p;
}

ImportOptions Metric(const std::string& sonicFile, const std::string& curve) {
    ImportOptions o;
    o.information.measurementUnits = kMetric;
    o.sonic.path = DataPath(sonicFile);
    o.sonic.lasCurveMnemonic = curve;
    return o;
}

// Linear interpolation of a depth log at a depth.
double At(const DepthLog& log, double depth) {
    for (std::size_t i = 1; i < log.depth.size(); ++i) {
        if (log.depth[i] >= depth) {
            const double f = (depth - log.depth[i - 1]) / (log.depth[i] - log.depth[i - 1]);
            return log.value[i - 1] + f * (log.value[i] - log.value[i - 1]);
        }
    }
    return log.value.back();
}

// The fractional sample index at a depth.
double SampleAt(const Project& p, double depth) {
    for (std::size_t j = 1; j <= static_cast<std::size_t>(p.lastSampleIndex); ++j) {
        if (p.timeDepth[j] >= depth) {
            return static_cast<double>(j - 1) +
                   (depth - p.timeDepth[j - 1]) / (p.timeDepth[j] - p.timeDepth[j - 1]);
        }
    }
    return p.lastSampleIndex;
}

TEST(ImportLogs, SonicOnlyFromAPetrelExport) {
    Project p = NewProject();
    ImportOptions o = Metric("P-135_time.LAS", "Sonic_despiked");
    o.information.sonicInMicrosecondsPerFoot = true;  // the curve is in us/ft
    test::RecordingProgress progress;
    ImportLogs(p, o, progress);

    ASSERT_EQ(p.lastSampleIndex, 143);
    EXPECT_EQ(p.timeDepth[0], 262.2804);
    EXPECT_NEAR(p.timeDepth[50], 484.76427850707097, 1e-9);
    EXPECT_NEAR(p.timeDepth[143], 950.4068348634125, 1e-9);
    EXPECT_NEAR(p.timeSonic[0], 227.80492016450646, 1e-9);
    EXPECT_EQ(p.timeSonic[143], p.timeSonic[142]);
    EXPECT_EQ(p.sampleIntervalUs, 1000);

    // Petrel's own two-way time curve agrees with the integrated sonic within 1.5 ms.
    const LasFile file = LoadLasFile(o.sonic.path);
    const LasHeader header = ReadLasHeader(file);
    NoProgress quiet;
    const DepthLog twt = ReadLasCurve(file, header, {3, 0, 5000}, quiet).log;
    const double top = At(twt, p.timeDepth[0]);
    for (std::size_t j = 0; p.timeDepth[j] < twt.depth.back(); j += 10) {
        EXPECT_NEAR(At(twt, p.timeDepth[j]) - top, 2.0 * static_cast<double>(j), 1.5) << j;
    }

    EXPECT_EQ(p.wellName, " P-135");
    EXPECT_EQ(p.projectFileName, DataPath("P-135_time.tsp"));
    EXPECT_EQ(p.datumType, kStartOfLog);
    EXPECT_NEAR(p.datumElevation.Number(), -262.2804, 1e-9);  // KB 0 minus the top of the log
    EXPECT_EQ(p.horizonCount, 2);
    EXPECT_EQ(p.horizonNames[1], "start of log");
    EXPECT_EQ(p.horizonNames[2], "end of log");
    EXPECT_NEAR(p.horizonDepths[2].Number(), 950.4068348634125, 1e-9);
    EXPECT_TRUE(p.projectChanged);
    EXPECT_FALSE(p.synthDisplayed);
    EXPECT_TRUE(p.wavelet.Empty());
    EXPECT_EQ(progress.captions,
              (std::vector<std::string>{"Import Sonic Log | " + DataPath("P-135_time.LAS")}));
    EXPECT_EQ(progress.steps.front(), "Reading sonic log");
    EXPECT_EQ(progress.open, 0);
}

TEST(ImportLogs, SonicAndDensityInKilogramsPerCubicMetre) {
    Project p = NewProject();
    ImportOptions o = Metric("F03-4_logs.las", "DT");
    o.information.impedanceType = kSonicDensity;
    o.density.path = DataPath("F03-4_logs.las");
    o.density.lasCurveMnemonic = "rhob";
    ImportLogs(p, o, *std::make_unique<NoProgress>());

    ASSERT_EQ(p.lastSampleIndex, 885);
    EXPECT_EQ(p.timeDepth[0], 30.15);
    EXPECT_NEAR(p.timeDepth[300], 645.591767479342, 1e-9);
    EXPECT_NEAR(p.timeSonic[300], 491.49947724333117, 1e-9);
    // RHOB is in kg/m3; the time log holds g/cc.
    EXPECT_NEAR(p.timeDensity[0], 2.0778964955421007, 1e-9);
    EXPECT_NEAR(p.timeDensity[300], 2.1077172509931743, 1e-9);
    EXPECT_NEAR(p.timeDensity[884], 2.187115119320637, 1e-9);
    EXPECT_EQ(p.timeDensity[885], p.timeDensity[884]);
    EXPECT_EQ(std::count(p.timeDensity.begin(), p.timeDensity.begin() + 886, kNoDensity), 0);
    EXPECT_EQ(p.kbElevation, Value(30.0));  // EKB
    EXPECT_NEAR(p.datumElevation.Number(), 30 - 30.15, 1e-12);
}

TEST(ImportLogs, GardnerSonicFromADensityListedBottomUp) {
    Project p = NewProject();
    ImportOptions o;
    o.information.measurementUnits = kMetric;
    o.information.impedanceType = kSonicDensity;
    o.information.gardnerFromDensity = true;
    o.information.sampleRateIndex = 1;
    o.density.path = DataPath("example_1.las");
    o.density.lasCurveMnemonic = "RHOB";
    ImportLogs(p, o, *std::make_unique<NoProgress>());

    // Gardner in metric units: 1000000 / (108.2812 x rho^4) us/m, resampled every 500 us.
    EXPECT_EQ(p.gardnerCoefficient, 108.2812);
    ASSERT_EQ(p.lastSampleIndex, 216);
    EXPECT_EQ(p.timeDepth[0], 1719.2222);  // reversed: the file starts at the bottom
    EXPECT_NEAR(p.timeDepth[100], 1887.172124908472, 1e-9);
    EXPECT_NEAR(p.timeSonic[100], 252.80126544539695, 1e-9);
    EXPECT_NEAR(p.timeDensity[0], 2.2863309087858665, 1e-9);
    EXPECT_NEAR(p.timeDensity[100], 2.461531208403256, 1e-9);
    EXPECT_NEAR(p.timeDensity[216], 2.1148540974191965, 1e-9);
    EXPECT_EQ(p.sampleIntervalUs, 500);
    EXPECT_EQ(p.projectFileName, DataPath("example_1.tsp"));
}

TEST(ImportLogs, ReversesADecreasingSonicInMicrosecondsPerFoot) {
    Project p = NewProject();
    ImportOptions o = Metric("example_1.las", "DT");
    o.information.sonicInMicrosecondsPerFoot = true;
    ImportLogs(p, o, *std::make_unique<NoProgress>());
    ASSERT_EQ(p.lastSampleIndex, 85);
    EXPECT_EQ(p.timeDepth[0], 1719.2222);
    EXPECT_NEAR(p.timeDepth[50], 1909.60065476188, 1e-9);
    EXPECT_NEAR(p.timeSonic[50], 418.43511230643713, 1e-9);
}

TEST(ImportLogs, PlainFileListedBottomUpInMicrosecondsPerFoot) {
    // 30.48 us/ft is 100 us/m: 200 m take 20000 one-way microseconds, 20 samples 10 m apart.
    const auto path = std::filesystem::temp_directory_path() / "tessarin-bottom-up.dt";
    {
        std::ofstream out(path, std::ios::binary);
        out << "Sonic of well 7, listed from the bottom\r\n";
        for (int d = 1200; d >= 1000; d -= 2) {
            out << d << " 30.48\r\n";
        }
    }
    Project p = NewProject();
    ImportOptions o;
    o.information.measurementUnits = kMetric;
    o.information.sonicInMicrosecondsPerFoot = true;
    o.sonic.path = path.string();
    ImportLogs(p, o, *std::make_unique<NoProgress>());
    std::filesystem::remove(path);
    ASSERT_EQ(p.lastSampleIndex, 20);
    for (std::size_t j = 0; j <= 20; ++j) {
        EXPECT_NEAR(p.timeDepth[j], 1000 + 10.0 * static_cast<double>(j), 1e-9) << j;
        EXPECT_NEAR(p.timeSonic[j], 100, 1e-9) << j;
    }
    EXPECT_EQ(p.projectFileName,
              (std::filesystem::temp_directory_path() / "tessarin-bottom-up.tsp").string());
}

TEST(ImportLogs, CalibratesToARealSurvey) {
    // F03-4's time picks below sea level (the survey datum, elevation 0; KB 30 from the header).
    const VelocitySurvey survey = ReadVelocitySurveyFile(DataPath("F03-4_survey.vs"));
    Project p = NewProject();
    ImportOptions o = Metric("F03-4_logs.las", "DT");
    o.information.applyVelocitySurvey = true;
    o.velocitySurvey = survey;
    ImportLogs(p, o, *std::make_unique<NoProgress>());

    EXPECT_EQ(p.datumType, kSpecifiedDatum);
    EXPECT_EQ(p.datumElevation, Value(0.0));
    EXPECT_EQ(p.velocitySurveyCount, 14);
    // Between any two survey points inside the log the calibrated log takes the survey's time.
    const double lastDepth = p.timeDepth[static_cast<std::size_t>(p.lastSampleIndex)];
    std::vector<std::pair<double, double>> inside;  // two-way ms from the log, from the survey
    for (int i = 2; i <= survey.count; ++i) {
        const double md = survey.depths[static_cast<std::size_t>(i)] + 30;
        if (md < lastDepth) {
            inside.emplace_back(2.0 * SampleAt(p, md),
                                1000 * survey.times[static_cast<std::size_t>(i)]);
        }
    }
    ASSERT_EQ(inside.size(), 11u);
    for (std::size_t k = 1; k < inside.size(); ++k) {
        EXPECT_NEAR(inside[k].first - inside[0].first, inside[k].second - inside[0].second, 0.3)
            << k;
    }
    // Uncalibrated, the sonic takes less time than the survey: about 8 ms down to 1858 m, where
    // the survey reads 1773 ms.
    Project plain = NewProject();
    ImportLogs(plain, Metric("F03-4_logs.las", "DT"), *std::make_unique<NoProgress>());
    EXPECT_EQ(p.lastSampleIndex - plain.lastSampleIndex, 4);
}

// The import fails with the program's message and leaves the record exactly as it was.
void ExpectRefused(const ImportOptions& options, const std::string& message,
                   const std::string& title) {
    Project p = NewProject();
    p.wellName = "kept";
    p.horizonCount = 2;
    const Project before = p;
    test::RecordingProgress progress;
    try {
        ImportLogs(p, options, progress);
        ADD_FAILURE() << "imported " << options.sonic.path;
    } catch (const ImportError& e) {
        EXPECT_EQ(e.what(), message) << options.sonic.path;
        EXPECT_EQ(e.Title(), title);
    }
    EXPECT_EQ(p, before) << options.sonic.path;
    EXPECT_EQ(progress.open, 0);  // the progress window is hidden again
}

TEST(ImportLogs, MalformedFilesLeaveTheProjectUnchanged) {
    const std::string wrapped =
        "LAS file is in the wrapped mode.\r\n\r\nTessarin does not support the LAS wrapped mode.   "
        "Please use an LAS utility, such as REFORMAT.EXE available from the Canadian Well Logging "
        "Society to format this LAS file in the unwrapped mode.";
    const std::string notStandard = "This file is not in standard LAS 1.2 or 2.0 format";
    ExpectRefused(Metric("sample_wrapped.las", "DT"), wrapped, "File Format Error");
    ExpectRefused(Metric("2.las", "DT"), wrapped, "File Format Error");
    ExpectRefused(Metric("missing_wrap.las", "DT"), notStandard, "File Format Error");
    ExpectRefused(Metric("missing_a_section.las", "DT"), notStandard, "File Format Error");
    // Three depths a quarter metre apart give no 2 ms sample.
    ExpectRefused(Metric("sample.las", "DT"), "The sonic log is shorter than one time sample.", "");
    ExpectRefused(Metric("sample.las", "GR"),
                  "The LAS file \"" + DataPath("sample.las") + "\" has no curve \"GR\".", "");
}

TEST(ImportLogs, AFailureAfterTheSonicLeavesTheProjectUnchanged) {
    ImportOptions density = Metric("F03-4_logs.las", "DT");
    density.information.impedanceType = kSonicDensity;
    density.density.path = DataPath("missing_wrap.las");
    ExpectRefused(density, "This file is not in standard LAS 1.2 or 2.0 format",
                  "File Format Error");

    ImportOptions survey = Metric("F03-4_logs.las", "DT");
    survey.information.applyVelocitySurvey = true;
    survey.velocitySurvey.emplace();  // no points
    ExpectRefused(survey,
                  "The velocity survey datum or the velocity survey depth-time values are not "
                  "consistent with the sonic log datum (KB) or the times derived from the sonic "
                  "log.\nThe velocity survey cannot be applied.",
                  "Warning");
}

TEST(ImportLogs, RebuildsTheHorizonTableAroundTheNewLog) {
    Project p = NewProject();
    const std::vector<std::pair<std::string, double>> horizons{
        {"start of log", 500}, {"Top A", 1000}, {"Deep", 5000}, {"end of log", 6000}};
    for (std::size_t k = 0; k < horizons.size(); ++k) {
        p.horizonNames[k + 1] = horizons[k].first;
        p.horizonDepths[k + 1] = Value(horizons[k].second);
    }
    p.horizonCount = 4;
    ImportLogs(p, Metric("F03-4_logs.las", "DT"), *std::make_unique<NoProgress>());
    ASSERT_EQ(p.horizonCount, 3);
    EXPECT_EQ(p.horizonNames[1], "start of log");
    EXPECT_EQ(p.horizonDepths[1], Value(30.15));
    EXPECT_EQ(p.horizonNames[2], "Top A");
    EXPECT_EQ(p.horizonNames[3], "end of log");
    EXPECT_NEAR(p.horizonDepths[3].Number(), p.timeDepth[885], 1e-12);
    EXPECT_EQ(p.horizonNames[4], "");  // "Deep" lies below the log
}

TEST(ProjectFileNameFor, ReplacesExtensionsOfTwoOrThreeCharacters) {
    EXPECT_EQ(ProjectFileNameFor("/wells/well.dt"), "/wells/well.tsp");
    EXPECT_EQ(ProjectFileNameFor("/wells/well.LAS"), "/wells/well.tsp");
    EXPECT_EQ(ProjectFileNameFor("/wells/well.den"), "/wells/well.tsp");
    EXPECT_EQ(ProjectFileNameFor("/wells/well.logs"), "/wells/well.logs");
}

}  // namespace
}  // namespace tessarin
