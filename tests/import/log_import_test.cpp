// End-to-end imports of real LAS files. The expected numbers were worked out with a separate
// script (trapezium integration and linear resampling written out from the definitions), or
// come from the files themselves.

#include "import/log_import.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "import/import_test_support.h"
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
    o.sonic.path = sonicFile.empty() ? "" : DataPath(sonicFile);
    o.sonic.lasCurveMnemonic = curve;
    return o;
}

Project Imported(const ImportOptions& options, Project p = NewProject()) {
    NoProgress quiet;
    ImportLogs(p, options, quiet);
    return p;
}

// A file of the test's own in the temporary folder, removed when the test ends.
class TempFile {
public:
    TempFile(const std::string& name, const std::string& text)
        : path_(std::filesystem::temp_directory_path() / name) {
        std::ofstream(path_, std::ios::binary) << text;
    }
    ~TempFile() { std::filesystem::remove(path_); }
    std::string Path() const { return path_.string(); }

private:
    std::filesystem::path path_;
};

// A LAS 2.0 file of a constant sonic (300 us/m) and density (2.4 g/cc), every 0.5 m from 1000 to
// 1100 m, then `repeats` more lines at 1100 m.
std::string EvenLog(int repeats) {
    std::string text(*test::SmallLasWith("STOP .m  1002", "STOP .m  1100").InMemory());
    text = text.substr(0, text.find("~A")) + "~A\n";
    for (int i = 0; i <= 200; ++i) {
        text += std::to_string(1000 + 0.5 * i) + " 300 2.4\n";
    }
    for (int i = 0; i < repeats; ++i) {
        text += "1100.0 300 2.4\n";
    }
    return text;
}

// The value of a log at a depth, linearly interpolated.
double At(const DepthLog& log, double depth) {
    for (std::size_t i = 1; i < log.depth.size(); ++i) {
        if (log.depth[i] >= depth) {
            const double f = (depth - log.depth[i - 1]) / (log.depth[i] - log.depth[i - 1]);
            return log.value[i - 1] + f * (log.value[i] - log.value[i - 1]);
        }
    }
    return log.value.back();
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

    // Petrel's own two-way time curve agrees with the integrated sonic within 1.5 ms.
    const LasFile file = LoadLasFile(o.sonic.path);
    NoProgress quiet;
    const DepthLog twt = ReadLasCurve(file, ReadLasHeader(file), {3, 0, 5000}, quiet).log;
    for (std::size_t j = 0; p.timeDepth[j] < twt.depth.back(); j += 10) {
        const double twoWayMs = At(twt, p.timeDepth[j]) - At(twt, p.timeDepth[0]);
        EXPECT_NEAR(twoWayMs, 2.0 * static_cast<double>(j), 1.5) << j;
    }

    EXPECT_EQ(p.wellName, "P-135");  // its company line is empty
    EXPECT_EQ(p.projectFileName, DataPath("P-135_time.tsp"));
    EXPECT_EQ(p.datumType, kStartOfLog);
    EXPECT_NEAR(p.datumElevation.Number(), -262.2804, 1e-9);  // KB 0 minus the top of the log
    ASSERT_EQ(p.horizonCount, 2);
    EXPECT_EQ(p.horizonNames[1], "start of log");
    EXPECT_EQ(p.horizonNames[2], "end of log");
    EXPECT_NEAR(p.horizonDepths[2].Number(), 950.4068348634125, 1e-9);
    EXPECT_TRUE(p.projectChanged && !p.synthDisplayed && p.wavelet.Empty());
    EXPECT_EQ(progress.captions,
              (std::vector<std::string>{"Import Sonic Log | " + DataPath("P-135_time.LAS")}));
    EXPECT_EQ(progress.open, 0);
}

TEST(ImportLogs, SonicAndDensityInKilogramsPerCubicMetre) {
    ImportOptions o = Metric("F03-4_logs.las", "DT");
    o.information.impedanceType = kSonicDensity;
    o.density.path = DataPath("F03-4_logs.las");
    o.density.lasCurveMnemonic = "rhob";
    const Project p = Imported(o);

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
    ImportOptions o = Metric("", "");
    o.information.impedanceType = kSonicDensity;
    o.information.gardnerFromDensity = true;
    o.information.sampleRateIndex = 1;
    o.density.path = DataPath("example_1.las");
    o.density.lasCurveMnemonic = "RHOB";
    const Project p = Imported(o);

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
    ImportOptions o = Metric("example_1.las", "DT");
    o.information.sonicInMicrosecondsPerFoot = true;
    const Project p = Imported(o);
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
    ImportOptions o = Metric("", "");
    o.information.sonicInMicrosecondsPerFoot = true;
    o.sonic.path = path.string();
    const Project p = Imported(o);
    std::filesystem::remove(path);
    ASSERT_EQ(p.lastSampleIndex, 20);
    for (std::size_t j = 0; j <= 20; ++j) {
        EXPECT_NEAR(p.timeDepth[j], 1000 + 10.0 * static_cast<double>(j), 1e-9) << j;
        EXPECT_NEAR(p.timeSonic[j], 100, 1e-9) << j;
    }
    EXPECT_EQ(p.projectFileName, (path.parent_path() / "tessarin-bottom-up.tsp").string());
}

// The same pairs in plain files and in the LAS file they were taken from give the same time logs.
TEST(ImportLogs, PlainFilesAndTheirLasFileAgree) {
    ImportOptions plain = Metric("P-135_sonic.dt", "");
    plain.information.sonicInMicrosecondsPerFoot = true;
    plain.information.impedanceType = kSonicDensity;
    plain.density.path = DataPath("P-135_density.den");
    ImportOptions las = plain;
    las.sonic.path = las.density.path = DataPath("P-135_time.LAS");
    las.sonic.lasCurveMnemonic = "Sonic_despiked";
    las.density.lasCurveMnemonic = "RHOB_despiked";
    las.sonic.lasStartDepth = las.density.lasStartDepth = 262.2804;
    las.sonic.lasStopDepth = las.density.lasStopDepth = 323.088;
    const Project a = Imported(plain);
    const Project b = Imported(las);
    ASSERT_EQ(a.lastSampleIndex, 14);  // 60.8 m at about 230 us/m
    EXPECT_EQ(a.lastSampleIndex, b.lastSampleIndex);
    EXPECT_EQ(a.timeDepth, b.timeDepth);
    EXPECT_EQ(a.timeSonic, b.timeSonic);
    EXPECT_EQ(a.timeDensity, b.timeDensity);
}

TEST(ImportLogs, CalibratesToARealSurvey) {
    // F03-4's time picks below sea level (the survey datum, elevation 0; KB 30 from the header).
    const VelocitySurvey survey = ReadVelocitySurveyFile(DataPath("F03-4_survey.vs"));
    ImportOptions o = Metric("F03-4_logs.las", "DT");
    o.information.applyVelocitySurvey = true;
    o.velocitySurvey = survey;
    const Project p = Imported(o);

    EXPECT_EQ(p.datumType, kSpecifiedDatum);
    EXPECT_EQ(p.datumElevation, Value(0.0));
    EXPECT_EQ(p.velocitySurveyCount, 14);
    // Between any two survey points inside the log the calibrated log takes the survey's time:
    // the log read as depth against two-way time in ms.
    DepthLog twoWayMs;
    for (int j = 0; j <= p.lastSampleIndex; ++j) {
        twoWayMs.Add(p.timeDepth[static_cast<std::size_t>(j)], 2.0 * j);
    }
    std::vector<std::pair<double, double>> inside;  // two-way ms from the log, from the survey
    for (std::size_t i = 2; i <= static_cast<std::size_t>(survey.count); ++i) {
        const double md = survey.depths[i] + 30;
        if (md < twoWayMs.depth.back()) {
            inside.emplace_back(At(twoWayMs, md), 1000 * survey.times[i]);
        }
    }
    ASSERT_EQ(inside.size(), 11u);
    for (std::size_t k = 1; k < inside.size(); ++k) {
        EXPECT_NEAR(inside[k].first - inside[0].first, inside[k].second - inside[0].second, 0.3)
            << k;
    }
    // Uncalibrated, the sonic takes less time than the survey: about 8 ms down to 1858 m, where
    // the survey reads 1773 ms.
    EXPECT_EQ(p.lastSampleIndex - Imported(Metric("F03-4_logs.las", "DT")).lastSampleIndex, 4);
}

// A log that ends on the same depth six times has intervals of no length; without them the
// survey calibration divided by zero and blamed the survey. The repeats are dropped: the import
// is that of the log written once.
TEST(ImportLogs, DropsRepeatedDepthsBeforeIntegrating) {
    const TempFile repeated("tessarin-repeated-depths.las", EvenLog(5));
    const TempFile once("tessarin-depths-once.las", EvenLog(0));
    ImportOptions o = Metric("", "DT");
    o.information.impedanceType = kSonicDensity;
    o.density.lasCurveMnemonic = "RHOB";
    o.information.applyVelocitySurvey = true;
    VelocitySurvey survey;
    survey.datumElevation = Value(0.0);
    survey.count = 4;
    const double depths[] = {900, 1000, 1050, 1200}, times[] = {0.54, 0.6, 0.631, 0.72};
    std::copy(depths, depths + 4, survey.depths.begin() + 1);
    std::copy(times, times + 4, survey.times.begin() + 1);
    o.velocitySurvey = survey;

    o.sonic.path = o.density.path = repeated.Path();
    const Project a = Imported(o);
    o.sonic.path = o.density.path = once.Path();
    const Project b = Imported(o);
    ASSERT_GE(b.lastSampleIndex, 30);  // 100 m at 300 us/m, calibrated slower
    EXPECT_EQ(a.lastSampleIndex, b.lastSampleIndex);
    EXPECT_EQ(a.timeDepth, b.timeDepth);
    EXPECT_EQ(a.timeSonic, b.timeSonic);
    EXPECT_EQ(a.timeDensity, b.timeDensity);
    EXPECT_EQ(a.datumVelocity, b.datumVelocity);
}

// Malformed files, and failures after the sonic was read: the import fails with the program's
// message and leaves the record exactly as it was.
TEST(ImportLogs, FailuresLeaveTheProjectUnchanged) {
    ImportOptions badDensity = Metric("F03-4_logs.las", "DT");
    badDensity.information.impedanceType = kSonicDensity;
    badDensity.density.path = DataPath("missing_wrap.las");
    ImportOptions emptySurvey = Metric("F03-4_logs.las", "DT");
    emptySurvey.information.applyVelocitySurvey = true;
    emptySurvey.velocitySurvey.emplace();  // no points
    // A density log entirely below the sonic log (30.15 to 1858.92 m once resampled).
    const TempFile deep("tessarin-deep.den", "Depth Density\n3000 2.4\n3050.5 2.5\n3100.25 2.6\n");
    ImportOptions besideSonic = Metric("F03-4_logs.las", "DT");
    besideSonic.information.impedanceType = kSonicDensity;
    besideSonic.density.path = deep.Path();
    const std::string missingWrap =
        test::NotStandard(DataPath("missing_wrap.las"), "no WRAP line in the header");
    const struct {
        ImportOptions options;
        std::string message, title;
    } rows[] = {
        {Metric("sample_wrapped.las", "DT"), test::Wrapped(DataPath("sample_wrapped.las")),
         "File Format Error"},
        // WRAP says YES although the data is one line per depth: the flag decides.
        {Metric("2.las", "DT"), test::Wrapped(DataPath("2.las")), "File Format Error"},
        // A blank before the dot of the WRAP line.
        {Metric("wrapped_blank_before_dot.las", "DT"),
         test::Wrapped(DataPath("wrapped_blank_before_dot.las")), "File Format Error"},
        {Metric("missing_wrap.las", "DT"), missingWrap, "File Format Error"},
        {Metric("missing_a_section.las", "DT"),
         test::NotStandard(DataPath("missing_a_section.las"), "no NULL line in the header"),
         "File Format Error"},
        // Three depths a quarter metre apart give no 2 ms sample.
        {Metric("sample.las", "DT"), "The sonic log is shorter than one time sample.", ""},
        {Metric("sample.las", "GR"),
         "The LAS file \"" + DataPath("sample.las") + "\" has no curve \"GR\".", ""},
        {badDensity, missingWrap, "File Format Error"},
        {emptySurvey, test::kSurveyWarning, "Warning"},
        {besideSonic,
         "The density log (from 3000.00 to 3100.25) does not overlap the sonic log (from 30.15 "
         "to 1858.92).",
         "Import Density Log"},
    };
    for (const auto& row : rows) {
        Project p = NewProject();
        p.wellName = "kept";
        p.horizonCount = 2;
        const Project before = p;
        test::RecordingProgress progress;
        const std::string files = row.options.sonic.path + " " + row.options.density.path;
        test::ExpectImportError([&] { ImportLogs(p, row.options, progress); }, row.message,
                                row.title, files);
        EXPECT_EQ(p, before) << files;
        EXPECT_EQ(progress.open, 0) << files;  // the progress window is hidden again
    }
}

TEST(ImportLogs, RebuildsTheHorizonTableAroundTheNewLog) {
    Project p = NewProject();
    const std::pair<std::string, double> horizons[] = {
        {"start of log", 500}, {"Top A", 1000}, {"Deep", 5000}, {"end of log", 6000}};
    for (std::size_t k = 0; k < 4; ++k) {
        p.horizonNames[k + 1] = horizons[k].first;
        p.horizonDepths[k + 1] = Value(horizons[k].second);
    }
    p.horizonCount = 4;
    p = Imported(Metric("F03-4_logs.las", "DT"), p);
    ASSERT_EQ(p.horizonCount, 3);
    EXPECT_EQ(p.horizonDepths[1], Value(30.15));  // start of log
    EXPECT_EQ(p.horizonNames[2], "Top A");
    EXPECT_EQ(p.horizonNames[3], "end of log");
    EXPECT_NEAR(p.horizonDepths[3].Number(), p.timeDepth[885], 1e-12);
    EXPECT_EQ(p.horizonNames[4], "");  // "Deep" lies below the log
}

TEST(ProjectFileNameFor, KeepsExtensionsOfFourCharacters) {
    // The two- and three-character ones are replaced in the imports above.
    EXPECT_EQ(ProjectFileNameFor("/wells/well.logs"), "/wells/well.logs");
}

}  // namespace
}  // namespace tessarin
