#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

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
};

TEST_F(ImportCommand, BuildsASonicDensityProjectWithTheChosenWavelet) {
    const CliResult r = ImportF03("--density " + DataFile("F03-4_logs.las") +
                                  " --density-curve RHOB --units metric --ricker 30 --agc 0.5");
    ASSERT_EQ(r.status, 0) << r.err;
    const Project p = ReadBack();
    EXPECT_EQ(p.impedanceType, kSonicDensity);
    EXPECT_EQ(p.lastSampleIndex, 885);
    EXPECT_NEAR(p.timeDensity[300], 2.108, 0.0005);  // kg/m3 in the file, g/cc here
    EXPECT_EQ(p.waveletType, kRickerWavelet);
    EXPECT_EQ(p.lowCut.Number(), 30);
    EXPECT_EQ(p.agcWindow, "0.5");
    EXPECT_EQ(p.kbElevation.Number(), 30);
}

TEST_F(ImportCommand, CalibratesToASurveyFile) {
    const CliResult r = ImportF03("--units metric --survey " + DataFile("F03-4_survey.vs"));
    ASSERT_EQ(r.status, 0) << r.err;
    const Project p = ReadBack();
    EXPECT_TRUE(p.applyVelocitySurvey);
    EXPECT_EQ(p.velocitySurveyCount, 14);
    EXPECT_EQ(p.datumType, kSpecifiedDatum);
    EXPECT_EQ(p.lastSampleIndex, 889);
}

TEST_F(ImportCommand, TakesSavedSettingsAndLetsOptionsOverrideTheHeader) {
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
    EXPECT_EQ(p.datumType, kSpecifiedDatum);
    EXPECT_EQ(p.datumElevation.Number(), 10);
    EXPECT_EQ(p.datumVelocity.Number(), 1800);
}

TEST_F(ImportCommand, OtherUnitsThanTheSavedOnesConvertTheSavedValues) {
    // Nothing saved: the program's defaults are English (datum velocity 7000 ft/s, 5 in/s, 10
    // traces per inch). Metric converts them as Synthetic Information does, options still win.
    ASSERT_EQ(ImportF03("--units metric --datum 0").status, 0);
    Project p = ReadBack();
    EXPECT_EQ(p.datumVelocity.Number(), 2133.6);
    EXPECT_EQ(p.timeScale.Number(), 12.7);
    EXPECT_EQ(p.tracesPerUnit.Number(), 3.94);

    ASSERT_EQ(ImportF03("--units metric --datum 0 --datum-velocity 1500 --time-scale 10").status,
              0);
    p = ReadBack();
    EXPECT_EQ(p.datumVelocity.Number(), 1500);
    EXPECT_EQ(p.timeScale.Number(), 10);

    // The saved units themselves convert nothing.
    ASSERT_EQ(ImportF03("--units english --datum 0").status, 0);
    EXPECT_EQ(ReadBack().datumVelocity.Number(), 7000);
}

TEST_F(ImportCommand, TakesTheScalesAndAGeneralLocation) {
    const CliResult r = ImportF03(
        "--units metric --time-scale 10 --traces-per-unit 4 --amplitude 2 --panel-traces 7"
        " --agc 0.3 --location \"F3 block, Dutch North Sea\" --location-2 \"X = 623256\"");
    ASSERT_EQ(r.status, 0) << r.err;
    const Project p = ReadBack();
    EXPECT_EQ(p.timeScale.ToText(), "10");
    EXPECT_EQ(p.tracesPerUnit.ToText(), "4");
    EXPECT_EQ(p.amplitudeScale.Number(), 2);
    EXPECT_EQ(p.traceCount, 7);
    EXPECT_EQ(p.agcWindow, "0.3");
    EXPECT_EQ(p.locationType, kGeneralLocation);
    EXPECT_EQ(p.wellLocation[0], "F3 block, Dutch North Sea");
    EXPECT_EQ(p.wellLocation[1], "X = 623256");

    // Scales the Set Scales and AGC dialog would refuse are refused with its reason.
    const std::pair<std::string, std::string> refused[] = {
        {"--panel-traces 0", "At least one trace must be drawn."},
        {"--time-scale -5", "The time scale must be greater than zero."},
        {"--traces-per-unit many", "number of traces per unit"},
    };
    for (const auto& [option, reason] : refused) {
        const CliResult bad = ImportF03(option);
        EXPECT_EQ(bad.status, 2) << option;
        EXPECT_NE(bad.err.find(reason), std::string::npos) << bad.err;
    }
}

TEST_F(ImportCommand, TakesTheFormationTopsOfAHorizonFile) {
    const CliResult r = ImportF03("--units metric --horizons " + DataFile("F03-4_tops.hor"));
    ASSERT_EQ(r.status, 0) << r.err;
    const Project p = ReadBack();
    ASSERT_EQ(p.horizonCount, 20);  // the log's two ends and 18 tops
    EXPECT_EQ(p.horizonNames[1], "start of log");
    EXPECT_NEAR(p.horizonDepths[1].Number(), p.timeDepth[0], 0.005);
    EXPECT_EQ(p.horizonNames[2], "MFS11");
    EXPECT_EQ(p.horizonDepths[2].Number(), 480);
    EXPECT_EQ(p.horizonNames[16], "NMRF (Mid_Mio_Unc)");
    EXPECT_EQ(p.horizonNames[18], "NLLFC (Base Tertiary)");
    EXPECT_EQ(p.horizonNames[20], "end of log");
    EXPECT_NEAR(p.horizonDepths[20].Number(), p.timeDepth[p.lastSampleIndex], 0.005);
    for (int k = 2; k <= 20; ++k) {
        EXPECT_LE(p.horizonDepths[k - 1].Number(), p.horizonDepths[k].Number()) << k;
    }
}

TEST_F(ImportCommand, LeavesOutTopsOutsideTheLogWithAWarning) {
    // 34 tops: one just above the first log depth, 18 inside the log, 15 below it.
    const CliResult r = ImportF03("--units metric --horizons " + DataFile("F03-4_all_tops.hor"));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.err.find("tessarin-cli import: warning: "), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("16 horizons lie outside the log (30.15 to "), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("\"Seasurface\" at 30 m, \"CKGR\" at 1970 m"), std::string::npos);
    EXPECT_NE(r.err.find("\"RNKPR\" at 3130 m."), std::string::npos);
    const Project p = ReadBack();
    ASSERT_EQ(p.horizonCount, 20);
    EXPECT_EQ(p.horizonNames[1], "start of log");
    EXPECT_EQ(p.horizonNames[2], "MFS11");
    EXPECT_EQ(p.horizonNames[19], "CKEK");
    EXPECT_EQ(p.horizonNames[20], "end of log");
}

TEST_F(ImportCommand, FailsWithTheProgramsMessageAndWritesNothing) {
    const std::string sample = DataFile("sample.las");
    const std::string data = std::string(TESSARIN_TEST_DATA_DIR) + "/";
    const std::pair<std::string, std::string> failures[] = {
        {"--sonic " + DataFile("sample_wrapped.las"),
         // The message box's two paragraphs arrive as one line.
         data +
             "sample_wrapped.las: LAS file is in the wrapped mode. Tessarin does not support the "
             "LAS wrapped mode.   Please use an LAS utility, such as REFORMAT.EXE available from "
             "the Canadian Well Logging Society to format this LAS file in the unwrapped mode.\n"},
        {"--sonic " + DataFile("missing_a_section.las"),
         data + "missing_a_section.las: This file is not in standard LAS 1.2 or 2.0 format: no "
                "NULL line in the header.\n"},
        // With a sonic and a density, the message names the file that failed.
        {"--density " + DataFile("missing_a_section.las"),
         data + "missing_a_section.las: This file is not in standard LAS 1.2 or 2.0 format: no "
                "NULL line in the header.\n"},
        {"--units metric --survey " + sample,
         data + "sample.las: This is not a valid Tessarin velocity survey file: line 1 holds "
                "\"~VERSION\" where a number should be.\n"},
        {"--units metric --horizons " + sample,
         data + "sample.las: This is not a valid Tessarin horizon file: line 1 holds \"~VERSION\" "
                "where a depth should be.\n"},
    };
    for (const auto& [options, message] : failures) {
        const CliResult r = options.rfind("--sonic", 0) == 0 ? Import(options) : ImportF03(options);
        EXPECT_EQ(r.status, 1) << options;
        EXPECT_EQ(r.err, "tessarin-cli import: " + message);
        EXPECT_FALSE(fs::exists(Out())) << options;
    }
    const CliResult r = Import("--sonic " + DataFile("F03-4_logs.las") + " --sonic-curve NPHI");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("has no curve \"NPHI\""), std::string::npos) << r.err;
    EXPECT_FALSE(fs::exists(Out()));
}

// A plain log of 100 us/m every 2 m from 1000 to 1200 m: one 2 ms sample every 10 m.
void WritePlainSonic(const fs::path& path) {
    std::ofstream out(path, std::ios::binary);
    out << "Depth Sonic\r\n";
    for (int d = 1000; d <= 1200; d += 2) {
        out << d << " 100\r\n";
    }
}

TEST_F(ImportCommand, TakesTheDepthRangeOfAPlainLog) {
    WritePlainSonic(Path("well.dt"));
    const CliResult r =
        Import("--sonic " + Quoted(Path("well.dt")) + " --units metric --depth-range 1050:1150");
    ASSERT_EQ(r.status, 0) << r.err;
    const Project p = ReadBack();
    EXPECT_EQ(p.timeDepth[0], 1050);
    ASSERT_EQ(p.lastSampleIndex, 10);
    EXPECT_NEAR(p.timeDepth[10], 1150, 1e-9);
}

// The project must never take the place of a file it is made from, however the path is spelt.
TEST_F(ImportCommand, RefusesToWriteOverAnInputFile) {
    WritePlainSonic(Path("well.dt"));
    fs::copy_file(fs::path(TESSARIN_TEST_DATA_DIR) / "F03-4_survey.vs", Path("survey.vs"));
    fs::copy_file(fs::path(TESSARIN_TEST_DATA_DIR) / "F03-4_tops.hor", Path("tops.hor"));
    fs::copy_file(Path("well.dt"), Path("density.den"));
    const std::string sonic = " --units metric --sonic " + Quoted(Path("well.dt"));
    const std::pair<std::string, fs::path> cases[] = {
        {sonic, Path("well.dt")},
        {sonic, dir_ / "." / "well.dt"},
        {sonic + " --density " + Quoted(Path("density.den")), Path("density.den")},
        {sonic + " --survey " + Quoted(Path("survey.vs")), Path("survey.vs")},
        {sonic + " --horizons " + Quoted(Path("tops.hor")), Path("tops.hor")},
    };
    for (const auto& [options, output] : cases) {
        const std::string before = ReadFile(output);
        const CliResult r = RunCli("import" + options + " -o " + Quoted(output));
        EXPECT_EQ(r.status, 2) << options << " -o " << output;
        EXPECT_NE(r.err.find("-o would overwrite the input file"), std::string::npos) << r.err;
        EXPECT_EQ(ReadFile(output), before) << output;
    }
}

TEST_F(ImportCommand, RefusesOptionsThatDoNotGoTogether) {
    WritePlainSonic(Path("well.dt"));
    for (const std::string& options :
         {std::string("--units metric"),  // no sonic
          "--gardner --sonic " + DataFile("sample.las"),
          "--sonic " + DataFile("sample.las") + " --units english --sonic-per-ft",
          "--sonic " + DataFile("sample.las") + " --rate 4",
          "--sonic " + DataFile("sample.las") + " --ricker 30 --phase 90",
          "--sonic " + DataFile("sample.las") + " --depth-range 900:100",
          "--sonic " + DataFile("sample.las") + " --survey x.vs --datum 10",
          // Curves are chosen in LAS files only.
          "--sonic " + Quoted(Path("well.dt")) + " --sonic-curve DT",
          "--sonic " + DataFile("F03-4_logs.las") + " --sonic-curve DT --density " +
              Quoted(Path("well.dt")) + " --density-curve RHOB"}) {
        const CliResult r = Import(options);
        EXPECT_EQ(r.status, 2) << options;
        EXPECT_EQ(r.err.rfind("tessarin-cli import: ", 0), 0u) << r.err;
    }
    EXPECT_FALSE(fs::exists(Out()));
}

// A value that cannot be right is refused before any file is read, naming the option and what it
// takes; the files named need not exist.
TEST_F(ImportCommand, RefusesAWrongValueWithTheOptionAndWhatItTakes) {
    const std::pair<std::string, std::string> refused[] = {
        {"--rate 4", "--rate: must be 2, 1 or 0.5 (milliseconds), not \"4\""},
        {"--units si", "--units: must be english or metric, not \"si\""},
        {"--kb high", "--kb: needs a number, not \"high\""},
        {"--datum-velocity -1500", "--datum-velocity: must be above 0"},
        {"--agc long", "--agc: must be a window in seconds or None, not \"long\""},
        {"--depth-range 1200",
         "--depth-range: needs TOP:BASE with TOP not below BASE, not \"1200\""},
        {"--bandpass 5,10,40",
         "--bandpass: needs four corner frequencies LC,LP,HP,HC, not \"5,10,40\""},
        {"--frob", "The following argument was not expected: --frob"},
        {"extra", "The following argument was not expected: extra"},
    };
    for (const auto& [option, reason] : refused) {
        const CliResult r = Import("--sonic missing.las " + option);
        EXPECT_EQ(r.status, 2) << option;
        EXPECT_EQ(r.err, "tessarin-cli import: " + reason + "\n") << option;
    }
    const std::pair<std::string, std::string> incomplete[] = {
        {"--units metric", "-o PROJECT.tsp is needed"},
        {"--well-name", "--well-name: 1 required TEXT missing"},
        {"-o", "-o: 1 required PROJECT.tsp missing"},
    };
    for (const auto& [options, reason] : incomplete) {
        const CliResult r = RunCli("import --sonic missing.las " + options);
        EXPECT_EQ(r.status, 2) << options;
        EXPECT_EQ(r.err, "tessarin-cli import: " + reason + "\n") << options;
    }
    EXPECT_EQ(FileCount(), 0);
}

TEST(ImportHelp, ListsEveryOptionUnderTheImportsSteps) {
    const CliResult r = RunCli("import --help");
    ASSERT_EQ(r.status, 0);
    const char* const options[] = {"--sonic FILE",
                                   "--sonic-curve MNEMONIC",
                                   "--density FILE",
                                   "--density-curve MNEMONIC",
                                   "--gardner",
                                   "--depth-range TOP:BASE",
                                   "--units english|metric",
                                   "--sonic-per-ft",
                                   "--rate MS",
                                   "--survey FILE.vs",
                                   "--horizons FILE.hor",
                                   "--well-name TEXT",
                                   "--location TEXT",
                                   "--location-2 TEXT",
                                   "--kb X",
                                   "--gl X",
                                   "--datum X",
                                   "--datum-velocity X",
                                   "--ricker HZ",
                                   "--bandpass LC,LP,HP,HC",
                                   "--phase DEGREES",
                                   "--length SECONDS",
                                   "--agc SECONDS|None",
                                   "--time-scale X",
                                   "--traces-per-unit X",
                                   "--amplitude X",
                                   "--panel-traces N",
                                   "-o PROJECT.tsp"};
    for (const std::string option : options) {
        EXPECT_NE(r.out.find("\n  " + option + " "), std::string::npos) << option;
    }
    // The options stand under headings that follow the import's steps.
    std::size_t at = 0;
    for (const std::string heading : {"Log files:", "Synthetic Information:", "Well and datum:",
                                      "Wavelet, AGC and scales:", "Project file:", "Examples:"}) {
        const std::size_t found = r.out.find("\n" + heading + "\n", at);
        EXPECT_NE(found, std::string::npos) << heading;
        at = found == std::string::npos ? at : found;
    }
}

}  // namespace
}  // namespace tessarin::test
