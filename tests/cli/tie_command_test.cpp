// tessarin-cli tie on SEG-Y files written here from the F03-4 well's own synthetic, each trace
// later by a known lag: the lag found names the trace chosen. Also what -o writes, how a shift
// moves the exports, and the refusals.

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>

#include "cli/cli_runner.h"
#include "cli/test_survey.h"
#include "engine/synthetic.h"
#include "files/open_project.h"
#include "files/project_file.h"
#include "model/settings.h"

namespace tessarin::test {
namespace {

namespace fs = std::filesystem;

// The number after `label` in the text report ("Best lag:       +12.0 ms" gives 12).
double Figure(const std::string& out, const std::string& label) {
    const std::size_t at = out.find(label + ":");
    return at == std::string::npos
               ? NAN
               : std::stod(out.substr(out.find_first_not_of(' ', at + label.size() + 1)));
}

class TieCommand : public CliTest {
protected:
    void SetUp() override {
        CliTest::SetUp();
        std::ofstream(Path("line.sgy"), std::ios::binary) << Survey();
    }
    CliResult Tie(const std::string& options, const std::string& project = kWell) const {
        return RunCli("tie " + Quoted(project) + " --seismic " + Quoted(Path("line.sgy")) + " " +
                      options);
    }
};

TEST_F(TieCommand, FindsTheLagOfTheTraceChosenEveryWay) {
    const std::pair<std::string, std::string> choices[] = {
        {"--inline 6 --crossline 8", "trace 5 (inline 6, crossline 8)"},
        {"--inline 6 --crossline 8 --inline-byte 17 --crossline-byte 21",
         "trace 5 (inline 6, crossline 8)"},
        {"--trace 5", "trace 5 (inline 6, crossline 8)"},
        {"--x 1110 --y 2090", "trace 5 (inline 6, crossline 8), nearest X 1110, Y 2090: 14.1 away"},
        {"--inline 5 --crossline 7", "trace 1 (inline 5, crossline 7)"},
    };
    for (const auto& [options, trace] : choices) {
        const CliResult r = Tie(options);
        ASSERT_EQ(r.status, 0) << options << "\n" << r.err;
        EXPECT_EQ(r.err, "");
        EXPECT_NE(r.out.find("Seismic:        " + Path("line.sgy").string() + ", " + trace + "\n"),
                  std::string::npos)
            << r.out;
        const double lag = options.find("--inline 5 ") == 0 ? -20.0 : 12.0;
        EXPECT_NEAR(Figure(r.out, "Best lag"), lag, 0.2) << options;
        EXPECT_EQ(r.out.find("Wavelet phase:"), std::string::npos);  // changed only when asked
    }
    const CliResult r = Tie("--trace 5 --horizons MFS11 NLFF");
    EXPECT_NE(r.out.find(" s, from \"MFS11\" to \"NLFF\"\n"), std::string::npos) << r.out;
}

TEST_F(TieCommand, WritesTheTraceAndTheShiftItFoundIntoTheProject) {
    const CliResult r =
        Tie("--inline 6 --crossline 8 --apply-shift --json -o " + Quoted(Path("tied.tsp")));
    ASSERT_EQ(r.status, 0) << r.err;
    std::ofstream(Path("tie.json")) << r.out;
    const std::string check =
        "/usr/bin/python3 -c \"import json, sys; d = json.load(open(sys.argv[1])); "
        "sys.exit(abs(d['best_lag']['lag_ms'] - 12) > 0.2 or "
        "d['seismic']['crossline'] != 8)\" " +
        Quoted(Path("tie.json"));
    EXPECT_EQ(std::system(check.c_str()), 0) << r.out;

    Project reopened;
    EXPECT_EQ(ReadProjectFile(reopened, Path("tied.tsp")), "");
    ASSERT_TRUE(reopened.tie);
    EXPECT_NEAR(reopened.tie->shiftSeconds, 0.012, 0.0002);
    EXPECT_EQ(reopened.tie->shiftSeconds, std::round(reopened.tie->shiftSeconds * 1e4) / 1e4);
    EXPECT_NE(RunCli("info " + Quoted(Path("tied.tsp")))
                  .out.find("Seismic tie:      " + Path("line.sgy").string() +
                            ", trace 5 (inline 6, crossline 8); 450 samples from 0 s every 4 ms; "
                            "bulk shift 12"),
              std::string::npos);
}

// A shift of +12 ms moves the text export's DatTime and the SEG-Y trace by exactly 12 ms, 24
// samples at 0.5 ms, and nothing else. (The Mesa Federal well's datum lies at the start of its
// log, so its times carry no binary noise that the shift could round away.)
TEST_F(TieCommand, AShiftMovesTheExportsByExactlyItsAmount) {
    const std::string mesa = std::string(TESSARIN_TEST_DATA_DIR) + "/mesa_federal_1.tsp";
    Project p;
    OpenProjectFile(p, MemorySettingsStore(), mesa);
    p.tie = SeismicTie{};
    p.tie->trace = {0, 0.004, std::vector<double>(10, 1.0)};
    p.tie->shiftSeconds = 0.012;
    WriteProjectFile(p, Path("shifted.tsp"));
    for (const std::string name : {"plain", "shifted"}) {
        const std::string project = name == "plain" ? mesa : Path("shifted.tsp").string();
        const CliResult r =
            RunCli("export " + Quoted(project) + " --dat " + Quoted(Path(name + ".dat")) +
                   " --segy " + Quoted(Path(name)) + " --traces 1");
        ASSERT_EQ(r.status, 0) << r.err;
    }
    std::istringstream plain(ReadFile(Path("plain.dat")));
    std::istringstream shifted(ReadFile(Path("shifted.dat")));
    int rows = 0;
    for (std::string a, b; std::getline(plain, a) && std::getline(shifted, b); ++rows) {
        if (rows >= 5) {  // past the header lines: DatTime stands in columns 31 to 38
            EXPECT_NEAR(std::stod(b.substr(30, 8)) - std::stod(a.substr(30, 8)), 0.012, 1e-9) << b;
            a.erase(30, 8);
            b.erase(30, 8);
        }
        EXPECT_EQ(a, b);
    }
    EXPECT_EQ(rows, 5 + p.lastSampleIndex + 1);
    const std::string a = ReadFile(Path("plainnormal.sgy"));
    const std::string b = ReadFile(Path("shiftednormal.sgy"));
    ASSERT_EQ(b.size(), a.size() + 24 * 4);
    EXPECT_EQ(b.substr(3600 + 240, 96), std::string(96, '\0'));
    EXPECT_EQ(b.substr(3600 + 240 + 96), a.substr(3600 + 240));
}

// The wavelet of trace 5, extracted once its 12 ms shift is applied, kept with -o: the trace
// ties the project's new synthetic at zero lag as the extraction measured; its file makes the
// same wavelet in an import.
TEST_F(TieCommand, ExtractsAWaveletThatTheProjectKeepsAndTheImportReads) {
    const std::string file = Quoted(Path("w.txt")), options = "--trace 5 --window 0.4:1.5 --json ";
    const std::string extract = "--apply-shift --extract-wavelet deterministic --wavelet-out " +
                                file + " --check-window 1.5:1.7 -o " + Quoted(Path("tied.tsp"));
    std::ofstream(Path("x.json")) << Tie(options + extract).out;
    std::ofstream(Path("again.json")) << Tie(options, Path("tied.tsp").string()).out;
    const std::string check =
        "/usr/bin/python3 -c \"import json, sys; w = json.load(open(sys.argv[1]))['wavelet']; "
        "r = json.load(open(sys.argv[2]))['zero_lag_r']; c = w['check']; sys.exit(not ("
        "w['r'] > 0.95 and abs(w['r'] - r) < 0.01 and c['window'] == 'given' and c['r'] > 0.9 "
        "and abs(w['phase_degrees']) < 10 and 20 < w['dominant_frequency_hz'] < 60))\" " +
        Quoted(Path("x.json")) + " " + Quoted(Path("again.json"));
    EXPECT_EQ(std::system(check.c_str()), 0) << ReadFile(Path("x.json"));
    EXPECT_NE(RunCli("info " + Quoted(Path("tied.tsp")))
                  .out.find("Wavelet:          Extracted, line.sgy trace 5, 0.400-1.498 s, "
                            "deterministic, length 0.128 s\n"),
              std::string::npos);
    const CliResult r =
        RunCli("import --sonic " + DataFile("F03-4_logs.las") + " --units metric -o " +
               Quoted(Path("i.tsp")) + " --wavelet-file " + file);
    ASSERT_EQ(r.status, 0) << r.err;
    Project tied, imported;
    ReadProjectFile(tied, Path("tied.tsp"));
    ReadProjectFile(imported, Path("i.tsp"));
    EXPECT_EQ(imported.extractedWavelet,
              (ExtractedWavelet{tied.extractedWavelet.value().samples, "w.txt"}));
}

TEST_F(TieCommand, RefusesOptionsThatDoNotGoTogether) {
    const std::pair<std::string, std::string> refused[] = {
        {"", "choose the trace of the SEG-Y file"},
        {"--inline 6", "--inline requires --crossline"},
        {"--trace 5 --inline 6 --crossline 8", "--inline excludes --trace"},
        {"--trace 0", "--trace: needs a whole number of at least 1, not \"0\""},
        {"--trace 5 --inline-byte 17", "--inline-byte requires --inline"},
        {"--trace 5 --window 0.9:0.5", "--window: needs T0:T1 in seconds with T0 before T1"},
        {"--trace 5 --window 0.5:0.9 --horizons MFS11 NLFF", "--window excludes --horizons"},
        {"--trace 5 --horizons MFS11 Nowhere",
         "--horizons: the project has no horizon \"Nowhere\""},
        {"--trace 5 --apply-shift", "--apply-shift requires -o"},
        {"--trace 5 -o " + Quoted(Path("line.sgy")), "-o would overwrite the seismic file"},
        {"--trace 5 --taper 10", "--taper requires --extract-wavelet"},
        {"--trace 5 --extract-wavelet deterministic --apply-phase -o " + Quoted(Path("out.tsp")),
         "--apply-phase does not go with --extract-wavelet"},
        {"--trace 5 --extract-wavelet deterministic --wavelet-out " + Quoted(Path("line.sgy")),
         "--wavelet-out would overwrite"},
    };
    const int files = FileCount();
    for (const auto& [options, reason] : refused) {
        const CliResult r = Tie(options);
        EXPECT_EQ(r.status, 2) << options;
        EXPECT_EQ(r.err.rfind("tessarin-cli tie: ", 0), 0u) << r.err;
        EXPECT_NE(r.err.find(reason), std::string::npos) << r.err;
        EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << r.err;
    }
    const CliResult ricker = Tie("--trace 5 --apply-phase -o " + Quoted(Path("out.tsp")),
                                 std::string(TESSARIN_TEST_DATA_DIR) + "/mesa_federal_1.tsp");
    EXPECT_EQ(ricker.status, 2);
    EXPECT_EQ(
        ricker.err,
        "tessarin-cli tie: --apply-phase: A Ricker wavelet is always zero phase. To tie with a "
        "phase, choose a bandpass wavelet in Select Wavelet.\n");
    const CliResult core = Tie("--trace 5 --window 0.4:0.6 --extract-wavelet deterministic");
    EXPECT_EQ(core.status, 1);
    EXPECT_EQ(core.err.rfind("tessarin-cli tie: The extraction window holds 100 samples", 0), 0u);
    EXPECT_EQ(Tie("--trace 5", Path("none.tsp").string()).err,
              "tessarin-cli tie: " + Path("none.tsp").string() +
                  ": This is not a valid Tessarin project file: it cannot be opened (No such "
                  "file or directory).\n");  // named once
    EXPECT_EQ(FileCount(), files);
}

TEST_F(TieCommand, HeadersThatDisagreeOnTheIntervalNeedDt) {
    std::ofstream(Path("line.sgy"), std::ios::binary) << Survey(2000);
    const CliResult r = Tie("--trace 5");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "tessarin-cli tie: The file \"" + Path("line.sgy").string() +
                         "\" gives two sample intervals: 2 ms in its binary header and 4 ms in "
                         "its first trace header; give the interval to use.\n");
    const CliResult dt = Tie("--trace 5 --dt 4");
    EXPECT_EQ(dt.status, 0) << dt.err;
    EXPECT_NEAR(Figure(dt.out, "Best lag"), 12, 0.2);
}

}  // namespace
}  // namespace tessarin::test
