#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>

#include "cli/cli_runner.h"
#include "files/project_file.h"
#include "model/reset.h"
#include "model/settings.h"

namespace tessarin::test {
namespace {

namespace fs = std::filesystem;

// Each test writes the imported project into its own folder; "F03-4_logs.las" is the log of
// most tests, its sonic in curve DT.
class ImportCommand : public CliTest {
protected:
    std::string Out() const { return Path("well.tsp").string(); }
    CliResult Import(const std::string& options) const {
        return RunCli("import " + options + " -o " + Quoted(Out()));
    }
    CliResult ImportF03(const std::string& options) const {
        return Import("--sonic " + DataFile("F03-4_logs.las") + " --sonic-curve DT " + options);
    }
    Project ReadBack() const {
        Project p;
        MemorySettingsStore store;
        ResetProject(p, store);
        ReadProjectFile(p, Out());
        return p;
    }
    // A plain log of 100 us/m every 2 m from 1000 to 1200 m: one 2 ms sample every 10 m.
    std::string PlainSonic() const {
        std::ofstream out(Path("well.dt"), std::ios::binary);
        out << "Depth Sonic\r\n";
        for (int d = 1000; d <= 1200; d += 2) {
            out << d << " 100\r\n";
        }
        return Quoted(Path("well.dt"));
    }
};

TEST_F(ImportCommand, EachOptionReachesTheProject) {
    // Depths in metres read as feet go ahead, with a warning naming the option that switches.
    const std::string feet = "tessarin-cli import: warning: " +
                             (fs::path(TESSARIN_TEST_DATA_DIR) / "F03-4_logs.las").string() +
                             ": The depths of this file are in metres, but the project is in "
                             "feet.  Imported as it stands, its depths and its KB and GL "
                             "elevations would be taken as feet.  Give --units metric to read "
                             "them so.\n";
    const struct {
        std::string options;
        std::function<void(const Project&)> check;
    } cases[] = {
        {"--density " + DataFile("F03-4_logs.las") +
             " --density-curve RHOB --units metric --ricker 30 --agc 0.5",
         [](const Project& p) {
             EXPECT_EQ(p.impedanceType, kSonicDensity);
             EXPECT_EQ(p.lastSampleIndex, 885);
             EXPECT_NEAR(p.timeDensity[300], 2.108, 0.0005);  // kg/m3 in the file, g/cc here
             EXPECT_EQ(p.waveletType, kRickerWavelet);
             EXPECT_EQ(p.lowCut.Number(), 30);
             EXPECT_EQ(p.agcWindow, "0.5");
             EXPECT_EQ(p.kbElevation.Number(), 30);
         }},
        {"--units metric --survey " + DataFile("F03-4_survey.vs"),
         [](const Project& p) {
             EXPECT_TRUE(p.applyVelocitySurvey);
             EXPECT_EQ(p.velocitySurveyCount, 14);
             EXPECT_EQ(p.datumType, kSpecifiedDatum);
             EXPECT_EQ(p.lastSampleIndex, 889);
         }},
        {"--units metric --time-scale 10 --traces-per-unit 4 --amplitude 2 --panel-traces 7"
         " --location \"F3 block, Dutch North Sea\" --location-2 \"X = 623256\"",
         [](const Project& p) {
             EXPECT_EQ(p.timeScale.ToText(), "10");
             EXPECT_EQ(p.tracesPerUnit.ToText(), "4");
             EXPECT_EQ(p.amplitudeScale.Number(), 2);
             EXPECT_EQ(p.traceCount, 7);
             EXPECT_EQ(p.locationType, kGeneralLocation);
             EXPECT_EQ(p.wellLocation[0], "F3 block, Dutch North Sea");
             EXPECT_EQ(p.wellLocation[1], "X = 623256");
         }},
        // Nothing saved: the program's defaults are English (datum velocity 7000 ft/s, 5 in/s,
        // 10 traces per inch). Metric converts them as Synthetic Information does.
        {"--units metric --datum 0",
         [](const Project& p) {
             EXPECT_EQ(p.datumVelocity.Number(), 2133.6);
             EXPECT_EQ(p.timeScale.Number(), 12.7);
             EXPECT_EQ(p.tracesPerUnit.Number(), 3.94);
         }},
        // Options still win over the converted values; the saved units convert nothing.
        {"--units metric --datum 0 --datum-velocity 1500 --time-scale 10",
         [](const Project& p) {
             EXPECT_EQ(p.datumVelocity.Number(), 1500);
             EXPECT_EQ(p.timeScale.Number(), 10);
         }},
        {"--units metric --horizons " + DataFile("F03-4_tops.hor"),
         [](const Project& p) {
             ASSERT_EQ(p.horizonCount, 20);  // the log's two ends and 18 tops
             EXPECT_EQ(p.horizonNames[1], "start of log");
             EXPECT_NEAR(p.horizonDepths[1].Number(), p.timeDepth[0], 0.005);
             EXPECT_EQ(p.horizonNames[2], "MFS11");
             EXPECT_EQ(p.horizonDepths[2].Number(), 480);
             EXPECT_EQ(p.horizonNames[16], "NMRF (Mid_Mio_Unc)");
             EXPECT_EQ(p.horizonNames[20], "end of log");
             EXPECT_NEAR(p.horizonDepths[20].Number(), p.timeDepth[p.lastSampleIndex], 0.005);
             for (int k = 2; k <= 20; ++k) {
                 EXPECT_LE(p.horizonDepths[k - 1].Number(), p.horizonDepths[k].Number()) << k;
             }
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.options);
        const CliResult r = ImportF03(c.options);
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.err, "");
        c.check(ReadBack());
    }
    const CliResult english = ImportF03("--units english --datum 0");
    ASSERT_EQ(english.status, 0) << english.err;
    EXPECT_EQ(english.err, feet);
    EXPECT_EQ(ReadBack().datumVelocity.Number(), 7000);
}

TEST_F(ImportCommand, SavedSettingsAreTakenAndOptionsOverrideTheLasHeader) {
    fs::create_directories(Path("config/Tessarin"));
    std::ofstream(Path("config/Tessarin/Tessarin.conf"))
        << "[Startup]\nSample%20Rate=2\nMeasurement%20Units=0\n";
    const CliResult r = ImportF03(
        "--kb 40 --gl 2 --well-name \"F03-4 re-logged\""
        " --depth-range 500:1000 --datum 10 --datum-velocity 1800");
    ASSERT_EQ(r.status, 0) << r.err;
    const Project p = ReadBack();
    EXPECT_EQ(p.sampleIntervalUs, 250);
    EXPECT_EQ(p.measurementUnits, kMetric);
    EXPECT_EQ(p.kbElevation.Number(), 40);
    EXPECT_EQ(p.glElevation.Number(), 2);
    EXPECT_EQ(p.wellName, "F03-4 re-logged");
    EXPECT_GE(p.timeDepth[0], 500);
    EXPECT_LE(p.timeDepth[static_cast<std::size_t>(p.lastSampleIndex)], 1000);
    EXPECT_EQ(p.datumElevation.Number(), 10);
    EXPECT_EQ(p.datumVelocity.Number(), 1800);

    // The depth range applies to a plain log too: 100 m at 100 us/m, 20 ms two-way, 40 samples
    // at the saved rate of 0.5 ms.
    ASSERT_EQ(Import("--sonic " + PlainSonic() + " --units metric --depth-range 1050:1150").status,
              0);
    const Project plain = ReadBack();
    EXPECT_EQ(plain.timeDepth[0], 1050);
    ASSERT_EQ(plain.lastSampleIndex, 40);
    EXPECT_NEAR(plain.timeDepth[40], 1150, 1e-9);
}

TEST_F(ImportCommand, LeavesOutTopsOutsideTheLogWithAWarning) {
    // 34 tops: one just above the first log depth, 18 inside the log, 15 below it.
    const CliResult r = ImportF03("--units metric --horizons " + DataFile("F03-4_all_tops.hor"));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err.rfind("tessarin-cli import: warning: ", 0), 0u) << r.err;
    EXPECT_NE(r.err.find("16 horizons lie outside the log (30.15 to "), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("\"Seasurface\" at 30 m, \"CKGR\" at 1970 m"), std::string::npos);
    EXPECT_NE(r.err.find("\"RNKPR\" at 3130 m."), std::string::npos);
    const Project p = ReadBack();
    ASSERT_EQ(p.horizonCount, 20);
    EXPECT_EQ(p.horizonNames[2], "MFS11");
    EXPECT_EQ(p.horizonNames[19], "CKEK");
}

TEST_F(ImportCommand, FailsWithTheProgramsMessageAndWritesNothing) {
    const std::string sample = DataFile("sample.las");
    const std::string data = std::string(TESSARIN_TEST_DATA_DIR) + "/";
    std::ofstream(Path("bad.txt")) << "0 1\n0.002 x\n";
    const std::pair<std::string, std::string> failures[] = {
        {"--sonic " + DataFile("sample_wrapped.las"),
         // The message box's two paragraphs arrive as one line.
         data + "sample_wrapped.las: LAS file is in the wrapped mode. Tessarin does not support "
                "the LAS wrapped "
                "mode.   Please use an LAS utility, such as REFORMAT.EXE available from the "
                "Canadian Well Logging Society to format this LAS file in the unwrapped mode.\n"},
        {"--sonic " + DataFile("missing_a_section.las"),
         data + "missing_a_section.las: This file is not in standard LAS 1.2 or 2.0 format: no "
                "NULL line in the "
                "header.\n"},
        {"--sonic " + DataFile("F03-4_logs.las") + " --units metric --survey " + sample,
         data + "sample.las: This is not a valid Tessarin velocity survey file: line 1 holds "
                "\"~VERSION\" where a number should be.\n"},
        {"--sonic " + DataFile("F03-4_logs.las") + " --units metric --horizons " + sample,
         data + "sample.las: This is not a valid Tessarin horizon file: line 1 holds "
                "\"~VERSION\" where a depth should be.\n"},
        {"--sonic " + DataFile("F03-4_logs.las") + " --units metric --wavelet-file " +
             Quoted(Path("bad.txt")),
         "The wavelet file \"" + Path("bad.txt").string() +
             "\", line 2: two numbers are expected, the two-way time and the amplitude.\n"},
        {"--sonic " + DataFile("F03-4_logs.las") + " --sonic-curve NPHI", ""},
    };
    for (const auto& [options, message] : failures) {
        const CliResult r = Import(options);
        EXPECT_EQ(r.status, 1) << options;
        if (message.empty()) {
            EXPECT_NE(r.err.find("has no curve \"NPHI\""), std::string::npos) << r.err;
        } else {
            EXPECT_EQ(r.err, "tessarin-cli import: " + message);
        }
        EXPECT_FALSE(fs::exists(Out())) << options;
    }
    // Curves are chosen in LAS files only.
    const std::string plain = PlainSonic();
    for (const std::string& options :
         {"--sonic " + plain + " --sonic-curve DT", "--sonic " + DataFile("F03-4_logs.las") +
                                                        " --sonic-curve DT --density " + plain +
                                                        " --density-curve RHOB"}) {
        EXPECT_EQ(Import(options).status, 2) << options;
    }
    EXPECT_FALSE(fs::exists(Out()));
}

// The project must never take the place of a file it is made from, however the path is spelt.
TEST_F(ImportCommand, RefusesToWriteOverAnInputFile) {
    const std::string sonic = " --units metric --sonic " + PlainSonic();
    fs::copy_file(fs::path(TESSARIN_TEST_DATA_DIR) / "F03-4_survey.vs", Path("survey.vs"));
    fs::copy_file(fs::path(TESSARIN_TEST_DATA_DIR) / "F03-4_tops.hor", Path("tops.hor"));
    fs::copy_file(Path("well.dt"), Path("density.den"));
    const std::pair<std::string, fs::path> cases[] = {
        {sonic, Path("well.dt")},
        {sonic, dir_ / "." / "well.dt"},
        {sonic + " --density " + Quoted(Path("density.den")), Path("density.den")},
        {sonic + " --survey " + Quoted(Path("survey.vs")), Path("survey.vs")},
        {sonic + " --horizons " + Quoted(Path("tops.hor")), Path("tops.hor")},
        {sonic + " --wavelet-file " + Quoted(Path("density.den")), Path("density.den")},
    };
    for (const auto& [options, output] : cases) {
        const std::string before = ReadFile(output);
        const CliResult r = RunCli("import" + options + " -o " + Quoted(output));
        EXPECT_EQ(r.status, 2) << options << " -o " << output;
        EXPECT_NE(r.err.find("-o would overwrite the input file"), std::string::npos) << r.err;
        EXPECT_EQ(ReadFile(output), before) << output;
    }
}

}  // namespace
}  // namespace tessarin::test
