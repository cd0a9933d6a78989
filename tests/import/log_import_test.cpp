// End-to-end imports of real LAS files. The expected numbers were worked out with a separate
// script (trapezium integration and linear resampling written out from the definitions), or
// come from the files themselves.

#include "import/log_import.h"

#include <gtest/gtest.h>

#include <tuple>

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

// The time logs of a record, to compare two imports.
auto TimeLogs(const Project& p) {
    return std::tuple(p.lastSampleIndex, p.timeDepth, p.timeSonic, p.timeDensity);
}

TEST(ImportLogs, SonicOnlyFromAPetrelExport) {
    Project p = FreshProject();
    // The curve is in us/ft: it is read so without the box ticked.
    ImportOptions o = Metric("P-135_time.LAS", "Sonic_despiked");
    RecordingProgress progress;
    ImportLogs(p, o, progress);

    ASSERT_EQ(p.lastSampleIndex, 143);
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
    EXPECT_NEAR(p.datumElevation.Number(), -262.2804, 1e-9);  // KB 0 minus the top of the log
    EXPECT_NEAR(p.horizonDepths[2].Number(), 950.4068348634125, 1e-9);  // the end of the log
    EXPECT_TRUE(p.projectChanged && !p.synthDisplayed && p.wavelet.Empty());
    EXPECT_EQ(progress.captions,
              (std::vector<std::string>{"Import Sonic Log | " + DataPath("P-135_time.LAS")}));
    EXPECT_EQ(progress.open, 0);
}

// A re-import with a shorter log names the tops it leaves out below its end, in depth order.
TEST(ImportLogs, TopsBelowAShorterLogAreLeftOutAndNamed) {
    Project p = FreshProject();
    const std::pair<const char*, double> tops[] = {{"start of log", 100}, {"Deep", 2000},
                                                   {"Shallow", 500},      {"Deeper", 1500},
                                                   {"At the end", 950.9}, {"end of log", 2500}};
    for (const auto& [name, depth] : tops) {
        p.horizonNames[static_cast<std::size_t>(++p.horizonCount)] = name;
        p.horizonDepths[static_cast<std::size_t>(p.horizonCount)] = Value(depth);
    }
    ImportOptions o = Metric("P-135_time.LAS", "Sonic_despiked");  // ends at 950.4 m
    o.information.sonicInMicrosecondsPerFoot = true;
    NoProgress quiet;
    const std::vector<HorizonEntry> left = ImportLogs(p, o, quiet);
    EXPECT_EQ(left, (std::vector<HorizonEntry>{{"Deeper", Value(1500)}, {"Deep", Value(2000)}}));
    EXPECT_EQ(p.horizonCount, 4);
    EXPECT_EQ(p.horizonNames[4], "At the end");  // its whole metres lie within the log
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
    EXPECT_EQ(a.lastSampleIndex, 14);  // 60.8 m at about 230 us/m
    EXPECT_EQ(TimeLogs(a), TimeLogs(b));

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
    ExpectValues(p.timeDepth, 0, {1000, 1010, 1020}, 1e-9);
    ExpectValues(p.timeDepth, 19, {1190, 1200}, 1e-9);
    ExpectValues(p.timeSonic, 0, {100, 100}, 1e-9);
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
        for (int i = 0; i <= 200 + repeats; ++i)
            text += std::to_string(1000 + 0.5 * std::min(i, 200)) + " 300 2.4\n";
        WriteWholeFile(dir.File(std::to_string(repeats) + ".las"), text);
        return dir.File(std::to_string(repeats) + ".las");
    };
    ImportOptions o = Metric("", "DT");
    o.information.applyVelocitySurvey = true;
    o.velocitySurvey =
        VelocitySurvey{Value(0.0), 4, {0, 900, 1000, 1050, 1200}, {0, 0.54, 0.6, 0.631, 0.72}};
    o.sonic.path = evenLog(5);
    const Project a = Imported(WithDensity(o, o.sonic.path, "RHOB"));
    o.sonic.path = evenLog(0);
    const Project b = Imported(WithDensity(o, o.sonic.path, "RHOB"));
    EXPECT_GE(b.lastSampleIndex, 30);  // 100 m at 300 us/m, calibrated slower
    EXPECT_EQ(TimeLogs(a), TimeLogs(b));
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
    const auto In = [](const char* name) { return "File Format Error: " + DataPath(name) + ": "; };
    const std::pair<ImportOptions, std::string> rows[] = {
        {Metric("sample_wrapped.las", "DT"), In("sample_wrapped.las") + kWrapped},
        // WRAP says YES although the data is one line per depth: the flag decides.
        {Metric("2.las", "DT"), In("2.las") + kWrapped},
        {Metric("wrapped_blank_before_dot.las", "DT"),
         In("wrapped_blank_before_dot.las") + kWrapped},
        {Metric("missing_a_section.las", "DT"),
         In("missing_a_section.las") + kNotStandard + ": no NULL line in the header."},
        // Three depths a quarter metre apart give no 2 ms sample.
        {Metric("sample.las", "DT"), "The sonic log is shorter than one time sample."},
        {Metric("sample.las", "GR"),
         "The LAS file \"" + DataPath("sample.las") + "\" has no curve \"GR\"."},
        // With a sonic and a density, the message names the file that failed.
        {WithDensity(Metric("F03-4_logs.las", "DT"), DataPath("missing_wrap.las"), "RHOB"),
         In("missing_wrap.las") + kNotStandard + ": no WRAP line in the header."},
        {emptySurvey, "Warning: " + kSurveyWarning},
        {WithDensity(Metric("F03-4_logs.las", "DT"), dir.File("deep.den"), ""),
         "Import Density Log: The density log (from 3000.00 to 3100.25) does not overlap the "
         "sonic log (from 30.15 to 1858.92)."},
    };
    for (const auto& [options, message] : rows) {
        Project p = FreshProject();
        p.wellName = "kept";
        const Project before = p;
        RecordingProgress progress;
        EXPECT_EQ(ErrorOf([&] { ImportLogs(p, options, progress); }), message);
        EXPECT_EQ(p, before) << message;
        EXPECT_EQ(progress.open, 0) << message;  // the progress window is hidden again
    }
}

}  // namespace
}  // namespace tessarin::test
