// tessarin-cli tie on SEG-Y files written here from the F03-4 well's own synthetic, each trace
// later by a known lag: the lag found names the trace chosen. Also what -o writes, how a shift
// moves the exports, the refusals, and a batch of wells gathered by tie-summary.

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <sstream>

#include "cli/cli_runner.h"
#include "engine/synthetic.h"
#include "engine/synthetic_trace.h"
#include "engine/trace_value.h"
#include "files/open_project.h"
#include "files/project_file.h"
#include "model/settings.h"

namespace tessarin::test {
namespace {

namespace fs = std::filesystem;

const std::string kWell = std::string(TESSARIN_TEST_DATA_DIR) + "/f03_4_display.tsp";

Project Well() {
    Project p;
    OpenProjectFile(p, MemorySettingsStore(), kWell);
    EXPECT_EQ(RecomputeSynthetic(p), std::nullopt);
    return p;
}

void Put(std::string& bytes, std::size_t at, std::uint32_t value, int size) {
    for (int k = 0; k < size; ++k) {
        bytes[at + static_cast<std::size_t>(k)] = static_cast<char>(value >> 8 * (size - 1 - k));
    }
}

// Nine traces of IEEE floats at 4 ms, big-endian: trace k (from 0) at inline 5 + k / 3 and
// crossline 7 + k % 3 (also at bytes 17 and 21), CDP (1000 + 100 (k % 3), 2000 + 100 (k / 3)),
// holds the well's synthetic 12 + 8 (k - 4) ms later: the fifth, at inline 6 and crossline 8,
// 12 ms later.
std::string Survey(int binaryDt = 4000) {
    const SampledTrace synthetic = SyntheticTrace(Well());
    constexpr int kSamples = 450;
    std::string bytes(3600, '\0');
    Put(bytes, 3216, binaryDt, 2);
    Put(bytes, 3220, kSamples, 2);
    Put(bytes, 3224, 5, 2);
    for (int k = 0; k < 9; ++k) {
        std::string t(240 + 4 * kSamples, '\0');
        for (const int byte : {189, 17}) {
            Put(t, static_cast<std::size_t>(byte - 1), 5 + k / 3, 4);
            Put(t, static_cast<std::size_t>(byte + 3), 7 + k % 3, 4);
        }
        Put(t, 180, 1000 + 100 * (k % 3), 4);
        Put(t, 184, 2000 + 100 * (k / 3), 4);
        Put(t, 114, kSamples, 2);
        Put(t, 116, 4000, 2);
        const double lag = 0.012 + 0.008 * (k - 4);
        for (int i = 0; i < kSamples; ++i) {
            const auto value = TraceValueAt(synthetic, 0.004 * i - lag).value_or(0.0);
            Put(t, 240 + 4 * static_cast<std::size_t>(i),
                std::bit_cast<std::uint32_t>(static_cast<float>(value)), 4);
        }
        bytes += t;
    }
    return bytes;
}

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
        {"--x 1110 --y 2090",
         "trace 5 (inline 6, crossline 8), nearest X 1110, Y 2090: 14.1 m away"},
        {"--inline 5 --crossline 7", "trace 1 (inline 5, crossline 7)"},
        {"--x 1100 --y 2100 --interpolate",
         "the blend of the four traces around X 1100, Y 2100 at inline 6.00, crossline 8.00, "
         "nearest trace 5"},
        // The survey's source X/Y are all 0: the first trace is the nearest.
        {"--x 0 --y 0 --coordinates source",
         "trace 1 (inline 5, crossline 7), nearest X 0, Y 0 (source): 0.0 m away"},
    };
    for (const auto& [options, trace] : choices) {
        const CliResult r = Tie(options);
        ASSERT_EQ(r.status, 0) << options << "\n" << r.err;
        EXPECT_EQ(r.err, "");
        EXPECT_NE(r.out.find("Seismic:        " + Path("line.sgy").string() + ", " + trace + "\n"),
                  std::string::npos)
            << r.out;
        const double lag =
            options.find("--inline 5 ") == 0 || options.find("source") != std::string::npos ? -20.0
                                                                                            : 12.0;
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

// The statistical wavelet turned to a phase the user gives keeps it, and says so in its source.
TEST_F(TieCommand, TurnsTheStatisticalWaveletToTheGivenPhase) {
    const CliResult r =
        Tie("--trace 5 --window 0.4:1.5 --extract-wavelet statistical "
            "--wavelet-phase -40 -o " +
            Quoted(Path("tied.tsp")));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NEAR(Figure(r.out, "Constant phase"), -40, 1);
    Project tied;
    ReadProjectFile(tied, Path("tied.tsp"));
    EXPECT_NE(tied.extractedWavelet.value().source.find("statistical, phase -40 degrees"),
              std::string::npos);
}

TEST_F(TieCommand, RefusesOptionsThatDoNotGoTogether) {
    const std::pair<std::string, std::string> refused[] = {
        {"", "choose the trace of the SEG-Y file"},
        {"--inline 6", "--inline requires --crossline"},
        {"--trace 5 --inline 6 --crossline 8", "--inline excludes --trace"},
        {"--trace 0", "--trace: needs a whole number of at least 1, not \"0\""},
        {"--trace 5 --inline-byte 17", "--inline-byte requires --inline"},
        {"--trace 5 --interpolate", "--interpolate requires --x"},
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
        {"--trace 5 --extract-wavelet deterministic --wavelet-phase 30",
         "--wavelet-phase applies to the statistical wavelet"},
        {"--trace 5 --extract-wavelet statistical --wavelet-phase 30 --prewhitening 2",
         "--prewhitening applies to the deterministic wavelet"},
        {"--trace 5 --extract-wavelet statistical --wavelet-phase 200", "--wavelet-phase: needs"},
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

// Three wells tied side by side with xargs, as the README shows, and gathered by tessarin-cli
// tie-summary: best r first, the poor ties flagged, well names with a comma and quotes kept whole
// in the CSV. A file that is not a tie result is named.
class TieSummary : public TieCommand {
protected:
    // Wells A, B and C at traces 4, 12 and 20 ms away from their synthetic's times, listed (and
    // their results named) C, B, A: the order the summary prints is its own.
    void SetUp() override {
        TieCommand::SetUp();
        const std::pair<std::string, std::string> wells[] = {
            {"C \"deep\"", "5,7"}, {"B, north", "6,8"}, {"A-1", "6,7"}};
        std::ofstream list(Path("wells.csv"));
        for (int k = 0; k < 3; ++k) {
            Project p;
            OpenProjectFile(p, MemorySettingsStore(), kWell);
            p.wellName = wells[k].first;
            const std::string name = "well" + std::to_string(k + 1) + ".tsp";
            WriteProjectFile(p, Path(name));
            list << name << ",line.sgy," << wells[k].second << "\n";
        }
    }
};

TEST_F(TieSummary, TiesWellsSideBySideAndSortsThemByR) {
    const std::string ties =
        "cd " + Quoted(dir_) + " && PATH=" + Quoted(fs::path(TESSARIN_CLI_PATH).parent_path()) +
        ":$PATH && mkdir -p ties && xargs -d '\\n' -n 1 -P 2 sh -c 'IFS=,; set -f; set -- $1\n"
        "    tessarin-cli tie \"$1\" --seismic \"$2\" --inline \"$3\" --crossline \"$4\" --json "
        "\\\n"
        "        > \"ties/$(basename \"$1\" .tsp).json\"' _ < wells.csv";
    ASSERT_EQ(std::system(ties.c_str()), 0);
    const std::string results = Quoted(Path("ties")) + "/*.json";
    // At A's r to the digit: a tie at the threshold is not below it.
    const CliResult text = RunCli("tie-summary " + results + " --min-r 0.610894");
    ASSERT_EQ(text.status, 0) << text.err;
    std::istringstream lines(text.out);
    std::string heading, line;
    std::getline(lines, heading);
    // No stretch asked for: its columns are left out.
    EXPECT_EQ(heading.substr(heading.size() - 19), "  PEP  r < 0.610894") << heading;
    for (const auto& [well, flag] :
         {std::pair{"A-1 ", "no"}, {"C \"deep\" ", "yes"}, {"B, north ", "yes"}}) {
        ASSERT_TRUE(std::getline(lines, line));
        EXPECT_EQ(line.rfind(well, 0), 0u) << text.out;
        // Figures aligned right under their headings, the flag left.
        EXPECT_EQ(line.find("1.770") + 5, heading.find("to (s)") + 6) << text.out;
        EXPECT_EQ(line.substr(heading.find("r < ")), flag) << text.out;
    }
    const CliResult csv = RunCli("tie-summary " + results + " --csv");
    EXPECT_EQ(csv.out,
              "well,trace,window_start_s,window_end_s,r,best_lag_ms,best_lag_r,best_phase_degrees,"
              "best_phase_r,pep,stretch_r,stretch_strain,wavelet_phase_degrees,wavelet_pep,"
              "below_min_r\r\n"
              "A-1,\"line.sgy trace 4 (inline 6, crossline 7)\",0.000,1.770,0.611,4.0,1.000,0,"
              "1.000,0.373,,,,,no\r\n"
              "\"C \"\"deep\"\"\",\"line.sgy trace 1 (inline 5, crossline 7)\",0.000,1.770,0.029,"
              "-20.0,1.000,0,1.000,0.001,,,,,yes\r\n"
              "\"B, north\",\"line.sgy trace 5 (inline 6, crossline 8)\",0.000,1.770,-0.555,12.0,"
              "1.000,0,1.000,0.308,,,,,yes\r\n");
}

TEST_F(TieSummary, NamesAFileThatIsNotATieResult) {
    std::ofstream(Path("empty.json")) << "\n";
    std::ofstream(Path("other.json")) << "{\"zero_lag_r\": 0.5}";
    const std::pair<std::string, std::string> refused[] = {
        {"wells.csv", "not a tie result: not JSON ("},
        {"empty.json", "not a tie result: the file is empty (the tie that was to write it"},
        {"other.json", "not a tie result: it has no \"seismic\" (tessarin-cli tie --json"},
        {"missing.json", "cannot be read: No such file or directory\n"},
    };
    for (const auto& [name, reason] : refused) {
        const CliResult r = RunCli("tie-summary " + Quoted(Path(name)));
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(
            r.err.rfind("tessarin-cli tie-summary: " + Path(name).string() + ": " + reason, 0), 0u)
            << r.err;
        EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << r.err;
    }
}

}  // namespace
}  // namespace tessarin::test
