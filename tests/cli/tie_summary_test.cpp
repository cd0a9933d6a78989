// Three wells tied side by side with xargs, as the README shows, and gathered by tessarin-cli
// tie-summary: best r first, the poor tie flagged, well names with a comma and quotes kept whole
// in the CSV. A file that is not a tie result is named.

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "cli/cli_runner.h"
#include "cli/test_survey.h"
#include "files/open_project.h"
#include "files/project_file.h"
#include "model/settings.h"

namespace tessarin::test {
namespace {

namespace fs = std::filesystem;

class TieSummary : public CliTest {
protected:
    // Wells A, B and C at traces 4, 12 and 20 ms away from their synthetic's times, listed (and
    // their results named) C, B, A: the order the summary prints is its own.
    void SetUp() override {
        CliTest::SetUp();
        std::ofstream(Path("line.sgy"), std::ios::binary) << Survey();
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
    std::string line;
    std::getline(lines, line);
    const std::string heading = line;
    EXPECT_EQ(heading.substr(heading.size() - 19), "  PEP  r < 0.610894")
        << heading;  // unstretched
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
        {"empty.json",
         "not a tie result: the file is empty (the tie that was to write it "
         "failed, or has not finished)\n"},
        {"other.json",
         "not a tie result: it has no \"seismic\" (tessarin-cli tie --json "
         "writes one)\n"},
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
