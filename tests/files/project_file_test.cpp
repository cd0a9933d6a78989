// Project files: reading and writing the layout of the original program, saving to disk, and
// opening a project.

#include "files/project_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <cmath>
#include <csignal>
#include <functional>
#include <limits>
#include <tuple>

#include "core_test_support.h"
#include "files/open_project.h"
#include "files/project_file_check.h"
#include "import/las_reader.h"

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
    EXPECT_EQ(ranch.sampleRateIndex, 0);
    EXPECT_EQ(ranch.screenCorrection, Value(1));  // the stored 1.05 is not applied
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

// Every cut before the last value of the last row, and a non-number where a number is needed,
// fail with the one message and leave the record as it was.
TEST(ProjectFile, AFileThatEndsEarlyOrHoldsANonNumberFailsAndLeavesTheRecord) {
    std::vector<std::string> invalid;
    for (std::size_t length = 0; length <= kRanchFile.rfind("2.450"); ++length)
        invalid.push_back(kRanchFile.substr(0, length));
    const std::pair<std::string, std::string> corruptions[] = {
        {" 1  1  1 ", " 1  one  1 "},                  // a flag
        {"5            0.300", "five         0.300"},  // the number of traces
        {"0.180", "0.18s"},                            // a survey time
        {"100.25", "1OO.25"},                          // a sonic value
        {" 4 \r\nstart", " 22 \r\nstart"},             // more horizons than the table holds
        {" 6.1 ", " deep "},                           // a horizon depth
        {" 4 \r\n.50", " -1 \r\n.50"},                 // n
        {" 4 \r\n.50", " 5 \r\n.50"},                  // one row more than the file has
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
        // The message is followed by the cause, which the field reader's tests check.
        EXPECT_TRUE(ErrorOf([&] {
                        ReadProjectFile(p, in);
                    }).starts_with("This is not a valid Tessarin project file: "))
            << text;
        EXPECT_EQ(p, ranch);
    }
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

// A file dropped on the window opens as a project or starts a new one from a log, by its ending.
TEST(ProjectFile, ProjectAndLasFilesAreToldApartByTheirEnding) {
    const std::tuple<const char*, bool, bool> cases[] = {{"/w/F03-4.tsp", true, false},
                                                         {"WELL.TSP", true, false},
                                                         {"logs.LAS", false, true},
                                                         {"tsp", false, false},
                                                         {"a.tsp.bak", false, false}};
    for (const auto& [path, project, las] : cases) {
        EXPECT_EQ(IsProjectPath(path), project) << path;
        EXPECT_EQ(IsLasPath(path), las) << path;
    }
}

TEST(ProjectFileSave, CreatesOrReplacesTheFileAndTheFileALinkPointsTo) {
    TempDir dir;
    Project p = Changed();
    WriteWholeFile(dir.File("old.tsp"), "an older and much longer project file than the new one");
    for (const char* name : {"new.tsp", "old.tsp"}) {
        EXPECT_EQ(SaveFailure(p, dir.File(name)), "");
        EXPECT_EQ(ReadWholeFile(dir.File(name)), WriteText(p));
    }
    EXPECT_FALSE(p.projectChanged);
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
    EXPECT_EQ(SaveFailure(p, missing), CannotWrite(missing, "no file can be made in its folder \"" +
                                                                missing.parent_path().string() +
                                                                "\" (No such file or directory)"));

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
    EXPECT_EQ(dir.Count(), 1);
    EXPECT_TRUE(p.projectChanged);
}

// Values written bare, or rounded past the largest number, would make the file open as something
// else or not at all: the save is refused, naming the field, and the previous file stays.
TEST(ProjectFileSave, AFileThatWouldNotOpenAgainIsRefusedAndTheOldFileKept) {
    const std::string same = " would not read back the same from the file (it ";
    const double largest = std::numeric_limits<double>::max();
    const std::pair<std::function<void(Project&)>, std::string> rows[] = {
        {[](Project& p) { p.kbElevation = Value::Text(""); },
         "KB elevation \"\"" + same + "is empty)."},
        {[](Project& p) { p.agcWindow = ""; }, "AGC window length \"\"" + same + "is empty)."},
        {[](Project& p) { p.wellLocation[5] = "42-201\r\n"; },
         "UWI \"42-201\r\n\"" + same + "holds a line break)."},
        {[](Project& p) { p.horizonCount = 1, p.horizonDepths[1] = Value::Text("deep"); },
         "depth of horizon 1 \"deep\"" + same + "is not a number)."},
        {[&](Project& p) {
             p.applyVelocitySurvey = true, p.velocitySurveyCount = 2;
             p.velocitySurveyDepths[2] = largest;
         },
         "depth of velocity survey point 2 1.7976931348623157e+308" + same +
             "is too large to be written and read back)."},
        {[](Project& p) { p.timeSonic[0] = std::nan(""); },
         "sonic of log sample 0 NaN" + same + "is not a finite number)."},
    };
    TempDir dir;
    const fs::path path = dir.File("kept.tsp");
    for (const auto& [change, message] : rows) {
        Project p = Changed();
        WriteWholeFile(path, "old\r\n");
        change(p);
        EXPECT_EQ(SaveFailure(p, path), "The project was not saved: the " + message);
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
}

TEST(ProjectFileSave, AwkwardButFaithfulValuesAreSavedAndOpenAgain) {
    TempDir dir;
    Project p = Changed();
    p.kbElevation = Value::Text(" 30.50 ");
    p.datumVelocity = Value::Text("abc");
    p.glElevation = Value(0.1 + 0.2);
    p.agcWindow = "0 .5";
    p.wellName = "Ross 7, \"upper\"";
    p.screenCorrection = Value::Text("1");  // as the saved settings give it
    ASSERT_EQ(SaveFailure(p, dir.File("awkward.tsp")), "");
    Project back = p;
    ReadProjectFile(back, dir.File("awkward.tsp"));
    EXPECT_EQ(std::tuple(back.kbElevation, back.datumVelocity, back.agcWindow, back.wellName),
              std::tuple(Value(30.5), p.datumVelocity, p.agcWindow, p.wellName));

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

// Open Project: the file read into a record reset with the saved settings.

// The ranch project with one edit, saved where the test can open it.
std::string EditedRanch(const TempDir& dir, const std::string& from, const std::string& to) {
    std::string text = kRanchFile;
    EXPECT_NE(text.find(from), std::string::npos) << from;
    WriteWholeFile(dir.File("edited.tsp"), text.replace(text.find(from), from.size(), to));
    return dir.File("edited.tsp");
}

// A project with something in every part, as if another well had been worked on.
Project ProjectInUse() {
    Project p = FreshProject();
    p.wellName = "Previous well";
    p.lastSampleIndex = 30;
    p.timeDepth.assign(41, 5.0);
    p.horizonCount = 6;
    p.wavelet = OffsetArray(-3, 4);
    p.projectChanged = p.synthDisplayed = true;
    return p;
}

// Parameters that give no wavelet, out-of-order corners or an interval of no sample rate, do not
// stop the open: the record is read, kept for the user to correct, and the report says why.
TEST(OpenProject, ParametersThatGiveNoWaveletStillOpenTheProject) {
    TempDir dir;
    MemorySettingsStore store;
    store.Write("font", "Courier New");  // a saved setting the file does not hold
    Project p = ProjectInUse();
    OpenProjectReport report =
        OpenProjectFile(p, store, EditedRanch(dir, " 15            40 ", " 50            40 "));
    EXPECT_NE(report.waveletProblem, "");
    EXPECT_TRUE(p.wavelet.Empty() && !p.projectChanged);
    EXPECT_EQ(p.lowPass, Value(50));
    EXPECT_EQ(p.wellName + ", " + p.plotFontName, "Ranch 7-22, Sec. 22, Courier New");

    p = ProjectInUse();
    report = OpenProjectFile(p, store, EditedRanch(dir, " 1000 ", " 300 "));
    EXPECT_EQ(std::tuple(p.sampleIntervalUs, p.sampleRateIndex), std::tuple(300, -1));
    EXPECT_TRUE(p.wavelet.Empty());
    EXPECT_EQ(report.waveletProblem,
              "The sample interval of 300 microseconds is none of 2, 1 or 0.5 ms, so no wavelet "
              "was built.");
    p = ProjectInUse();
    EXPECT_EQ(OpenProjectFile(p, store, DataPath("ranch_7_22.tsp")).waveletProblem, "");
    EXPECT_EQ(p.wavelet.First(), -40);  // 0.16 s at 2 ms
}

// The window keeps the program's sentence whole and gives the file and the cause below it.
TEST(OpenProject, AFailureShowsTheSentenceThenTheFileAndTheCause) {
    TempDir dir;
    WriteWholeFile(dir.File("short.tsp"), kRanchFile.substr(0, kRanchFile.find(" 1000 ")));
    const std::pair<std::string, std::string> rows[] = {
        {dir.File("missing.tsp"), "The file cannot be opened (No such file or directory)."},
        {dir.File("short.tsp"), "The file ends early, on line 9."},
        {EditedRanch(dir, " 1000 ", " many "), "Line 9 holds \"many\" where a number should be."},
    };
    for (const auto& [path, cause] : rows) {
        Project p;
        const std::string failure =
            ErrorOf([&] { OpenProjectFile(p, MemorySettingsStore(), path); });
        EXPECT_EQ(OpenProjectFailureMessage(path, failure),
                  "This is not a valid Tessarin project file.\n\n" + path + "\n" + cause);
    }
}

TEST(OpenProject, KeepsATopSavedAtTheVeryEndOfTheLogButLeavesOutTheOthersOutsideIt) {
    // The file keeps sample depths to a hundredth: an end of log at 11.504 ft comes back as 11.5,
    // and a top saved at 11.504 must not then be judged below the log. One further down is.
    TempDir dir;
    Project p;
    OpenProjectFile(p, MemorySettingsStore(), DataPath("ranch_7_22.tsp"));
    p.timeDepth[static_cast<std::size_t>(p.lastSampleIndex)] = 11.504;
    p.horizonCount = 5;
    p.horizonNames[4] = "Top at the end";
    p.horizonDepths[4] = Value(11.504);
    p.horizonNames[5] = "end of log";
    p.horizonDepths[5] = Value(11.504);
    WriteProjectFile(p, dir.File("end.tsp"));
    Project reopened;
    OpenProjectFile(reopened, MemorySettingsStore(), dir.File("end.tsp"));
    EXPECT_EQ(reopened.horizonNames[4], "Top at the end");

    std::string text = ReadWholeFile(dir.File("end.tsp"));
    const std::string saved = "Top at the end\r\n 11.504 ";
    ASSERT_NE(text.find(saved), std::string::npos);
    WriteWholeFile(dir.File("below.tsp"),
                   text.replace(text.find(saved), saved.size(), "Top at the end\r\n 11.51 "));
    const OpenProjectReport report =
        OpenProjectFile(reopened, MemorySettingsStore(), dir.File("below.tsp"));
    EXPECT_EQ(report.horizonsLeftOut,
              (std::vector<HorizonEntry>{{"Top at the end", Value(11.51)}}));
    EXPECT_EQ(reopened.horizonNames[4], "end of log");
}

}  // namespace
}  // namespace tessarin::test
