#include "files/project_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <cmath>
#include <csignal>
#include <functional>
#include <limits>

#include "core_test_support.h"
#include "files/project_file_check.h"

namespace tessarin::test {
namespace {
namespace fs = std::filesystem;

Project ReadText(const std::string& text, Project p = FreshProject()) {
    std::istringstream in(text);
    ReadProjectFile(p, in);
    return p;
}

std::string WriteText(const Project& p) {
    std::ostringstream out;
    WriteProjectFile(p, out);
    return out.str();
}

const std::string kRanchFile = ReadWholeFile(DataPath("ranch_7_22.tsp"));
const std::string kMesaFile = ReadWholeFile(DataPath("mesa_federal_1.tsp"));

// Time arrays as reading leaves them: the samples, then zeros up to n + 10.
std::vector<double> Samples(std::vector<double> values) {
    values.resize(values.size() + 10, 0.0);
    return values;
}

TEST(ProjectFile, ReadsAndWritesTheFilesOfTheOriginalProgramByteForByte) {
    Project ranch = ReadText(kRanchFile);
    // What the file holds, as a reader of it sees it; the flags, the values and the tables are
    // seen again when the record is written back byte for byte.
    EXPECT_EQ(ranch.gardnerCoefficient, 357.3458);
    EXPECT_EQ(ranch.kbElevation, Value(1250.5));
    EXPECT_EQ(ranch.sampleRateIndex, 0);
    EXPECT_EQ(ranch.screenCorrection, Value(1));  // the stored 1.05 is not applied
    EXPECT_EQ(ranch.horizonNames[3], "  Base  Salt, lower ");
    EXPECT_EQ(ranch.velocitySurveyTimes[3], 0.31);
    EXPECT_EQ(ranch.timeDepth, Samples({0.5, 3.25, 6, 8.75, 11.5}));
    EXPECT_EQ(ranch.timeDensity, Samples({-1, 2.15, 2.3, -1, 2.45}));
    EXPECT_EQ(ranch.syntheticTrace, Samples({0, 0, 0, 0, 0}));
    ranch.screenCorrection = Value(1.05);  // the user's screen factor is written out
    EXPECT_EQ(WriteText(ranch), kRanchFile);

    // Metric, General location, Sonic Only, Ricker, 0.5 ms, no survey.
    const Project mesa = ReadText(kMesaFile);
    EXPECT_EQ(mesa.gardnerCoefficient, 108.2812);
    EXPECT_EQ(mesa.sampleRateIndex, 2);
    EXPECT_EQ(mesa.timeDensity, Samples({0, 0, 0, 0}));
    EXPECT_EQ(WriteText(mesa), kMesaFile);

    std::string lineFeeds = kRanchFile;
    std::erase(lineFeeds, '\r');
    EXPECT_EQ(ReadText(lineFeeds), ReadText(kRanchFile));
}

TEST(ProjectFile, FlagsWithoutAValidChoiceLeaveTheirFieldsAndSkipTheRows) {
    std::string file = kRanchFile;
    file.replace(0, 30, " 7  7  7  1  5  7  9  1  0  0 ");
    Project before = FreshProject();
    before.plotDepthType = kSeismicDepth;
    const Project read = ReadText(file, before);
    EXPECT_EQ(read.measurementUnits, kEnglish);
    EXPECT_EQ(read.locationType, kTownshipRange);
    EXPECT_EQ(read.datumType, kStartOfLog);
    EXPECT_EQ(read.impedanceType, kSonicOnly);
    EXPECT_EQ(read.waveletType, kBandpassWavelet);
    EXPECT_EQ(read.plotDepthType, kSeismicDepth);
    EXPECT_TRUE(read.gardnerFromDensity);
    EXPECT_EQ(read.lastSampleIndex, 4);
    EXPECT_EQ(read.timeDepth, Samples({0, 0, 0, 0, 0}));  // the rows are not read
}

TEST(ProjectFile, FullTablesAndAwkwardValuesComeBackTheSame) {
    Project p = ReadText(kRanchFile);
    p.wellLocation = {"  one", "two, three", "", "4", "", "uwi 5"};
    p.glElevation = Value(1e-7);
    p.highPass = Value(1e20);
    p.traceCount = -3;
    p.horizonCount = p.velocitySurveyCount = 21;
    for (int k = 1; k <= 21; ++k) {
        p.horizonNames[k] = k == 7 ? "" : "horizon " + std::to_string(k) + (k % 2 ? ", odd" : "");
        p.horizonDepths[k] = Value((10000 + 105 * k) / 10.0);
        p.velocitySurveyDepths[k] = 100 * k;
        p.velocitySurveyTimes[k] = 37 * k / 1000.0;
    }
    const std::string file = WriteText(p);
    EXPECT_EQ(ReadText(file), p);
    EXPECT_NE(file.find("horizon 21, odd\r\n 1220.5 \r\n 1230 \r\n 21 \r\n100           0.037\r\n"),
              std::string::npos);
}

// Every cut before the last value of the last row, and a non-number where a number is needed,
// fail with the one message and leave the record as it was.
TEST(ProjectFile, AFileThatEndsEarlyOrHoldsANonNumberFailsAndLeavesTheRecord) {
    std::vector<std::string> invalid;
    for (std::size_t length = 0; length <= kRanchFile.rfind("2.450"); ++length)
        invalid.push_back(kRanchFile.substr(0, length));
    const std::pair<std::string, std::string> corruptions[] = {
        {" 1  1  1 ", " 1  one  1 "},                  // a flag
        {"5            0.300", "five         0.300"},  // the number of traces
        {" 4 \r\nstart", " 22 \r\nstart"},             // more horizons than the table holds
        {" 6.1 ", " deep "},                           // a horizon depth
        {"0.180", "0.18s"},                            // a survey time
        {" 4 \r\n.50", " -1 \r\n.50"},                 // n
        {" 4 \r\n.50", " 5 \r\n.50"},                  // one row more than the file has
        {"100.25", "1OO.25"},                          // a sonic value
        {"-1.000\r\n11.50", "none\r\n11.50"},          // a density
    };
    for (const auto& [from, to] : corruptions) {
        std::string text = kRanchFile;
        ASSERT_NE(text.find(from), std::string::npos) << from;
        invalid.push_back(text.replace(text.find(from), from.size(), to));
    }
    const Project ranch = ReadText(kRanchFile);
    for (const std::string& text : invalid) {
        Project p = ranch;
        std::istringstream in(text);
        EXPECT_EQ(ErrorOf([&] { ReadProjectFile(p, in); }),
                  "This is not a valid Tessarin project file.")
            << text;
        EXPECT_EQ(p, ranch);
    }
    Project p = ranch;
    EXPECT_EQ(ErrorOf([&] { ReadProjectFile(p, fs::path("/nonexistent/none.tsp")); }),
              "This is not a valid Tessarin project file.");
    EXPECT_EQ(p, ranch);
}

// Saving to disk: the previous file survives every failure, and the caller is told why.
std::string SaveFailure(Project& p, const fs::path& path) {
    return ErrorOf([&] { WriteProjectFile(p, path); });
}

std::string CannotWrite(const fs::path& path, const std::string& reason) {
    return "The file \"" + path.string() + "\" could not be written: " + reason + ".";
}

Project Changed() {
    Project p = FreshProject();
    p.wellName = "Save Test 1";
    p.projectChanged = true;
    return p;
}

TEST(ProjectFileSave, CreatesOrReplacesTheFileKeepingItsPermissionsAndLinks) {
    TempDir dir;
    Project p = Changed();
    EXPECT_EQ(SaveFailure(p, dir.File("new.tsp")), "");
    EXPECT_EQ(ReadWholeFile(dir.File("new.tsp")), WriteText(p));
    EXPECT_FALSE(p.projectChanged);

    const fs::path path = dir.File("old.tsp");
    WriteWholeFile(path, "an older and much longer project file than the new one will be .....");
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(SaveFailure(p, path), "");
    EXPECT_EQ(ReadWholeFile(path), WriteText(p));
    EXPECT_EQ(fs::status(path).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);

    fs::create_directories(dir.Path() / "real");
    WriteWholeFile(dir.Path() / "real" / "project.tsp", "old\r\n");
    fs::create_symlink(fs::path("real") / "project.tsp", dir.Path() / "link.tsp");
    EXPECT_EQ(SaveFailure(p, dir.File("link.tsp")), "");
    EXPECT_TRUE(fs::is_symlink(dir.Path() / "link.tsp"));
    EXPECT_EQ(ReadWholeFile(dir.Path() / "real" / "project.tsp"), WriteText(p));
    EXPECT_EQ(dir.Count(), 4);
}

TEST(ProjectFileSave, AFailedWriteLeavesTheOldFileAndNoTemporaryFile) {
    TempDir dir;
    Project p = Changed();
    const fs::path missing = dir.Path() / "no such folder" / "p.tsp";
    EXPECT_EQ(SaveFailure(p, missing), CannotWrite(missing, "No such file or directory"));
    fs::create_directories(dir.Path() / "busy.tsp" / "inside");
    EXPECT_NE(SaveFailure(p, dir.File("busy.tsp")).find("could not be written: "),
              std::string::npos);
    EXPECT_TRUE(fs::is_directory(dir.Path() / "busy.tsp" / "inside"));

    // A disk that fills up while writing: the file size limit makes the write itself fail,
    // which works even for a user whom permissions do not stop.
    const fs::path path = dir.File("full.tsp");
    WriteWholeFile(path, "old\r\n");
    p.wellName = std::string(5000, 'w');
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit previousLimit{};
    ::getrlimit(RLIMIT_FSIZE, &previousLimit);
    rlimit small = previousLimit;
    small.rlim_cur = 1024;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const std::string failure = SaveFailure(p, path);
    ::setrlimit(RLIMIT_FSIZE, &previousLimit);
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_EQ(failure, CannotWrite(path, "File too large"));
    EXPECT_EQ(ReadWholeFile(path), "old\r\n");
    EXPECT_EQ(dir.Count(), 2);
    EXPECT_TRUE(p.projectChanged);
}

// Values written bare, or rounded past the largest number, would make the file open as something
// else or not at all: the save is refused, naming the field, and the previous file stays.
TEST(ProjectFileSave, AFileThatWouldNotOpenAgainIsRefusedAndTheOldFileKept) {
    const std::string same = " would not read back the same from the file (";
    const struct {
        std::function<void(Project&)> change;
        std::string message;
    } rows[] = {
        {[](Project& p) { p.kbElevation = Value::Text(""); },
         "KB elevation \"\"" + same + "it is empty)."},
        {[](Project& p) { p.datumVelocity = Value(std::numeric_limits<double>::max()); },
         "seismic datum velocity 1.7976931348623157e+308" + same +
             "it would be written rounded to 1.79769313486232E+308, beyond the largest number a "
             "file can hold)."},
        {[](Project& p) { p.agcWindow = ""; }, "AGC window length \"\"" + same + "it is empty)."},
        {[](Project& p) { p.wellLocation[5] = "42-201\r\n00000"; },
         "UWI \"42-201\r\n00000\"" + same + "it holds a line break)."},
        {[](Project& p) {
             p.horizonCount = 1;
             p.horizonDepths[1] = Value::Text("deep");
         },
         "depth of horizon 1 \"deep\"" + same + "it is not a number)."},
        {[](Project& p) {
             p.applyVelocitySurvey = true;
             p.velocitySurveyCount = 2;
             p.velocitySurveyDepths[2] = std::numeric_limits<double>::max();
         },
         "depth of velocity survey point 2 1.7976931348623157e+308" + same +
             "it is too large to be written and read back)."},
        {[](Project& p) { p.timeSonic[0] = std::nan(""); },
         "sonic of log sample 0 NaN" + same + "it is not a finite number)."},
    };
    TempDir dir;
    const fs::path path = dir.File("kept.tsp");
    for (const auto& row : rows) {
        Project p = Changed();
        WriteWholeFile(path, "old\r\n");
        row.change(p);
        EXPECT_EQ(SaveFailure(p, path), "The project was not saved: the " + row.message);
        EXPECT_EQ(ReadWholeFile(path), "old\r\n");
        EXPECT_EQ(dir.Count(), 1);
        EXPECT_TRUE(p.projectChanged);
    }
    Project p = Changed();
    p.impedanceType = kSonicDensity;
    p.lastSampleIndex = 5;  // the logs hold 11 samples, the density only 3
    p.timeDensity.resize(3);
    EXPECT_EQ(
        SaveFailure(p, path),
        "The project's logs hold fewer samples than its sample count, so it cannot be saved.");
    p.impedanceType = kSonicOnly;  // the density column is then not written
    EXPECT_EQ(SaveFailure(p, path), "");
    p.horizonCount = 22;
    EXPECT_EQ(SaveFailure(p, path),
              "The project holds more horizons than a project file can keep.");
}

TEST(ProjectFileSave, AwkwardButFaithfulValuesAreSavedAndOpenAgain) {
    TempDir dir;
    Project p = Changed();
    p.kbElevation = Value::Text(" 30.50 ");
    p.datumVelocity = Value::Text("abc");
    p.glElevation = Value(0.1 + 0.2);
    p.agcWindow = "0 .5";
    p.wellName = "Ross 7, \"upper\"";
    p.horizonCount = 1;
    p.horizonNames[1] = "Top Chalk, upper";
    p.horizonDepths[1] = Value::Text("1500.0");
    p.screenCorrection = Value::Text("1");  // as the saved settings give it
    ASSERT_EQ(SaveFailure(p, dir.File("awkward.tsp")), "");
    Project back = p;
    ReadProjectFile(back, dir.File("awkward.tsp"));
    EXPECT_EQ(back.kbElevation, Value(30.5));
    EXPECT_EQ(back.datumVelocity, Value::Text("abc"));
    EXPECT_EQ(back.agcWindow, "0 .5");
    EXPECT_EQ(back.wellName, "Ross 7, \"upper\"");
    EXPECT_EQ(back.horizonNames[1], "Top Chalk, upper");

    // The comparison itself: a file that differs from the record is caught at its first field.
    p.glElevation = Value(90);
    p.timeScale = Value::Text("7");
    WriteWholeFile(dir.File("other.tsp"), WriteText(p));
    EXPECT_NO_THROW(CheckProjectFileReadsBack(p, dir.File("other.tsp")));
    p.glElevation = Value(1090);
    p.timeScale = Value::Text("5");
    EXPECT_EQ(ErrorOf([&] { CheckProjectFileReadsBack(p, dir.File("other.tsp")); }),
              "The project was not saved: the GL elevation 1090 would not read back the same "
              "from the file (it would read back as 90).");
}

}  // namespace
}  // namespace tessarin::test
