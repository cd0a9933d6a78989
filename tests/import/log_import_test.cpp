// End-to-end imports of real LAS files. The expected numbers were worked out with a separate
// script (trapezium integration and linear resampling written out from the definitions), or
// come from the files themselves.

#include "import/log_import.h"

#include <gtest/gtest.h>

#include "core_test_support.h"

namespace tessarin::test {
namespace {

ImportOptions Metric(const std::string& sonicFile, const std::string& curve) {
    ImportOptions o;
    o.information.measurementUnits = kMetric;
    o.sonic.path = sonicFile.empty() ? "" : DataPath(sonicFile);
    o.sonic.lasCurveMnemonic = curve;
    return o;
}

ImportOptions WithDensity(ImportOptions o, const std::string& file, const std::string& curve) {
    o.information.impedanceType = kSonicDensity;
    o.density.path = file;
    o.density.lasCurveMnemonic = curve;
    return o;
}

Project Imported(const ImportOptions& options, Project p = FreshProject()) {
    NoProgress quiet;
    ImportLogs(p, options, quiet);
    return p;
}

// The value of a log at a depth, linearly interpolated.
double At(const DepthLog& log, double depth) {
    std::size_t i = 1;
    while (i + 1 < log.depth.size() && log.depth[i] < depth)
        ++i;
    const double f = (depth - log.depth[i - 1]) / (log.depth[i] - log.depth[i - 1]);
    return log.value[i - 1] + f * (log.value[i] - log.value[i - 1]);
}

TEST(ImportLogs, SonicOnlyFromAPetrelExport) {
    Project p = FreshProject();
    ImportOptions o = Metric("P-135_time.LAS", "Sonic_despiked");
    o.information.sonicInMicrosecondsPerFoot = true;  // the curve is in us/ft
    RecordingProgress progress;
    ImportLogs(p, o, progress);

    ASSERT_EQ(p.lastSampleIndex, 143);
    EXPECT_EQ(p.timeDepth[0], 262.2804);
    EXPECT_NEAR(p.timeDepth[50], 484.76427850707097, 1e-9);
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
    EXPECT_NEAR(p.horizonDepths[2].Number(), 950.4068348634125, 1e-9);
    EXPECT_TRUE(p.projectChanged && !p.synthDisplayed && p.wavelet.Empty());
    EXPECT_EQ(progress.captions,
              (std::vector<std::string>{"Import Sonic Log | " + DataPath("P-135_time.LAS")}));
    EXPECT_EQ(progress.open, 0);
}

TEST(ImportLogs, ConvertsTheUnitsAndOrderOfRealLogs) {
    ImportOptions perFoot = Metric("example_1.las", "DT");
    perFoot.information.sonicInMicrosecondsPerFoot = true;
    // Gardner in metric units: 1000000 / (108.2812 x rho^4) us/m, resampled every 500 us.
    ImportOptions gardner = WithDensity(Metric("", ""), DataPath("example_1.las"), "RHOB");
    gardner.information.gardnerFromDensity = true;
    gardner.information.sampleRateIndex = 1;
    const struct {
        const char* what;
        ImportOptions options;
        int n;
        double firstDepth;
        std::size_t j;
        double depth, sonic, density, lastDensity;  // no densities: 0
    } rows[] = {
        // RHOB is in kg/m3; the time log holds g/cc.
        {"kg/m3", WithDensity(Metric("F03-4_logs.las", "DT"), DataPath("F03-4_logs.las"), "rhob"),
         885, 30.15, 300, 645.591767479342, 491.49947724333117, 2.1077172509931743,
         2.187115119320637},
        // The file starts at the bottom: reversed.
        {"us/ft, bottom up", perFoot, 85, 1719.2222, 50, 1909.60065476188, 418.43511230643713, 0,
         0},
        {"Gardner", gardner, 216, 1719.2222, 100, 1887.172124908472, 252.80126544539695,
         2.461531208403256, 2.1148540974191965},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        const Project p = Imported(row.options);
        ASSERT_EQ(p.lastSampleIndex, row.n);
        EXPECT_EQ(p.timeDepth[0], row.firstDepth);
        EXPECT_NEAR(p.timeDepth[row.j], row.depth, 1e-9);
        EXPECT_NEAR(p.timeSonic[row.j], row.sonic, 1e-9);
        if (row.density == 0)
            continue;
        EXPECT_NEAR(p.timeDensity[row.j], row.density, 1e-9);
        EXPECT_NEAR(p.timeDensity[row.n], row.lastDensity, 1e-9);
        EXPECT_EQ(std::count(p.timeDensity.begin(), p.timeDensity.begin() + row.n + 1, -1), 0);
    }
    const Project gardnerProject = Imported(gardner);
    EXPECT_EQ(gardnerProject.gardnerCoefficient, 108.2812);
    EXPECT_EQ(gardnerProject.sampleIntervalUs, 500);
    EXPECT_EQ(gardnerProject.projectFileName, DataPath("example_1.tsp"));
    const Project f03 = Imported(rows[0].options);
    EXPECT_EQ(f03.kbElevation, Value(30.0));  // EKB
    EXPECT_NEAR(f03.datumElevation.Number(), 30 - 30.15, 1e-12);
    EXPECT_EQ(ProjectFileNameFor("/wells/well.logs"), "/wells/well.logs");
}

// The same pairs in plain files and in the LAS file they were taken from give the same time logs;
// a plain file listed from the bottom up in us/ft gives the times of its constant sonic.
TEST(ImportLogs, PlainFilesAndTheirLasFileAgree) {
    ImportOptions plain =
        WithDensity(Metric("P-135_sonic.dt", ""), DataPath("P-135_density.den"), "");
    plain.information.sonicInMicrosecondsPerFoot = true;
    ImportOptions las = WithDensity(plain, DataPath("P-135_time.LAS"), "RHOB_despiked");
    las.sonic.path = DataPath("P-135_time.LAS");
    las.sonic.lasCurveMnemonic = "Sonic_despiked";
    las.sonic.lasStartDepth = las.density.lasStartDepth = 262.2804;
    las.sonic.lasStopDepth = las.density.lasStopDepth = 323.088;
    const Project a = Imported(plain);
    const Project b = Imported(las);
    ASSERT_EQ(a.lastSampleIndex, 14);  // 60.8 m at about 230 us/m
    EXPECT_EQ(a.lastSampleIndex, b.lastSampleIndex);
    EXPECT_EQ(a.timeDepth, b.timeDepth);
    EXPECT_EQ(a.timeSonic, b.timeSonic);
    EXPECT_EQ(a.timeDensity, b.timeDensity);

    // 30.48 us/ft is 100 us/m: 200 m take 20000 one-way microseconds, 20 samples 10 m apart.
    TempDir dir;
    std::string text = "Sonic of well 7, listed from the bottom\r\n";
    for (int d = 1200; d >= 1000; d -= 2)
        text += std::to_string(d) + " 30.48\r\n";
    WriteWholeFile(dir.File("bottom-up.dt"), text);
    plain = Metric("", "");
    plain.information.sonicInMicrosecondsPerFoot = true;
    plain.sonic.path = dir.File("bottom-up.dt");
    const Project p = Imported(plain);
    ASSERT_EQ(p.lastSampleIndex, 20);
    for (std::size_t j = 0; j <= 20; ++j) {
        EXPECT_NEAR(p.timeDepth[j], 1000 + 10.0 * static_cast<double>(j), 1e-9) << j;
        EXPECT_NEAR(p.timeSonic[j], 100, 1e-9) << j;
    }
    EXPECT_EQ(p.projectFileName, dir.File("bottom-up.tsp"));
}

// A log that ends on the same depth six times has intervals of no length; without them the
// survey calibration divided by zero and blamed the survey. The repeats are dropped: the import
// is that of the log written once.
TEST(ImportLogs, DropsRepeatedDepthsBeforeIntegrating) {
    // A constant sonic (300 us/m) and density (2.4 g/cc), every 0.5 m from 1000 to 1100 m, then
    // `repeats` more lines at 1100 m.
    TempDir dir;
    const auto evenLog = [&](int repeats) {
        std::string text = kSmallLas.substr(0, kSmallLas.find("~A")) + "~A\n";
        text.replace(text.find("1002 :"), 4, "1100");
        for (int i = 0; i <= 200; ++i)
            text += std::to_string(1000 + 0.5 * i) + " 300 2.4\n";
        for (int i = 0; i < repeats; ++i)
            text += "1100.0 300 2.4\n";
        const std::string path = dir.File(std::to_string(repeats) + ".las");
        WriteWholeFile(path, text);
        return path;
    };
    ImportOptions o = Metric("", "DT");
    o.information.applyVelocitySurvey = true;
    VelocitySurvey survey;
    survey.datumElevation = Value(0.0);
    survey.count = 4;
    const double depths[] = {900, 1000, 1050, 1200}, times[] = {0.54, 0.6, 0.631, 0.72};
    std::copy(depths, depths + 4, survey.depths.begin() + 1);
    std::copy(times, times + 4, survey.times.begin() + 1);
    o.velocitySurvey = survey;
    o.sonic.path = evenLog(5);
    const Project a = Imported(WithDensity(o, o.sonic.path, "RHOB"));
    o.sonic.path = evenLog(0);
    const Project b = Imported(WithDensity(o, o.sonic.path, "RHOB"));
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
    ImportOptions emptySurvey = Metric("F03-4_logs.las", "DT");
    emptySurvey.information.applyVelocitySurvey = true;
    emptySurvey.velocitySurvey.emplace();  // no points
    // A density log entirely below the sonic log (30.15 to 1858.92 m once resampled).
    TempDir dir;
    WriteWholeFile(dir.File("deep.den"), "Depth Density\n3000 2.4\n3050.5 2.5\n3100.25 2.6\n");
    const std::string format = "File Format Error: ";
    const std::pair<ImportOptions, std::string> rows[] = {
        {Metric("sample_wrapped.las", "DT"), format + kWrapped},
        // WRAP says YES although the data is one line per depth: the flag decides.
        {Metric("2.las", "DT"), format + kWrapped},
        // A blank before the dot of the WRAP line.
        {Metric("wrapped_blank_before_dot.las", "DT"), format + kWrapped},
        {Metric("missing_wrap.las", "DT"), format + kNotStandard},
        {Metric("missing_a_section.las", "DT"), format + kNotStandard},
        // Three depths a quarter metre apart give no 2 ms sample.
        {Metric("sample.las", "DT"), "The sonic log is shorter than one time sample."},
        {Metric("sample.las", "GR"),
         "The LAS file \"" + DataPath("sample.las") + "\" has no curve \"GR\"."},
        {WithDensity(Metric("F03-4_logs.las", "DT"), DataPath("missing_wrap.las"), "RHOB"),
         format + kNotStandard},
        {emptySurvey, "Warning: " + kSurveyWarning},
        {WithDensity(Metric("F03-4_logs.las", "DT"), dir.File("deep.den"), ""),
         "Import Density Log: The density log (from 3000.00 to 3100.25) does not overlap the "
         "sonic log (from 30.15 to 1858.92)."},
    };
    for (const auto& [options, message] : rows) {
        Project p = FreshProject();
        p.wellName = "kept";
        p.horizonCount = 2;
        const Project before = p;
        RecordingProgress progress;
        EXPECT_EQ(ErrorOf([&] { ImportLogs(p, options, progress); }), message);
        EXPECT_EQ(p, before) << message;
        EXPECT_EQ(progress.open, 0) << message;  // the progress window is hidden again
    }
}

// The horizon table after an import: the tops above the end of the new log, between its ends.
TEST(ImportLogs, RebuildsTheHorizonTableAroundTheNewLog) {
    Project p = FreshProject();
    p.horizonCount = 4;
    p.horizonNames = {"", "start of log", "Top A", "Deep", "end of log"};
    p.horizonDepths = {Value(), Value(500), Value(1000), Value(5000), Value(6000)};
    p = Imported(Metric("F03-4_logs.las", "DT"), p);
    ASSERT_EQ(p.horizonCount, 3);
    EXPECT_EQ(p.horizonDepths[1], Value(30.15));  // start of log
    EXPECT_EQ(p.horizonNames[2], "Top A");
    EXPECT_EQ(p.horizonNames[3], "end of log");
    EXPECT_NEAR(p.horizonDepths[3].Number(), p.timeDepth[885], 1e-12);
    EXPECT_EQ(p.horizonNames[4], "");  // "Deep" lies below the log
}

}  // namespace
}  // namespace tessarin::test
