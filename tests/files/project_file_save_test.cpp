// Saving a project to disk: the previous file survives every failure, and the caller is told why.

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <csignal>
#include <functional>
#include <limits>

#include "files/export_fixture.h"
#include "files/project_file.h"
#include "files/project_file_check.h"
#include "model/error.h"
#include "model/reset.h"

namespace tessarin::test {
namespace {
namespace fs = std::filesystem;

class ProjectFileSave : public ::testing::Test {
protected:
    void SetUp() override {
        ResetProject(project_, MemorySettingsStore());
        project_.wellName = "Save Test 1";
        project_.projectChanged = true;
    }
    // The names in the folder, to see that no temporary file is left behind.
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir_.Path()))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    std::string Expected() const {
        std::ostringstream out;
        WriteProjectFile(project_, out);
        return out.str();
    }
    // Saves and returns the failure message, or "" when the save succeeded.
    std::string SaveFailure(const fs::path& path) {
        try {
            WriteProjectFile(project_, path);
        } catch (const Error& e) {
            return e.what();
        }
        return "";
    }
    std::string CannotWrite(const fs::path& path, const std::string& reason) {
        return "The file \"" + path.string() + "\" could not be written: " + reason + ".";
    }

    TempDir dir_;
    const fs::path folder_ = dir_.Path();
    Project project_;
};

TEST_F(ProjectFileSave, CreatesOrReplacesTheFileKeepingItsPermissions) {
    EXPECT_EQ(SaveFailure(folder_ / "new.tsp"), "");
    EXPECT_EQ(ReadWholeFile(folder_ / "new.tsp"), Expected());
    EXPECT_FALSE(project_.projectChanged);

    const fs::path path = folder_ / "old.tsp";
    WriteWholeFile(path, "an older and much longer project file than the new one will be .....");
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(SaveFailure(path), "");
    EXPECT_EQ(ReadWholeFile(path), Expected());
    EXPECT_EQ(fs::status(path).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(Names(), (std::vector<std::string>{"new.tsp", "old.tsp"}));
}

TEST_F(ProjectFileSave, ThroughASymbolicLinkReplacesTheFileItPointsTo) {
    fs::create_directories(folder_ / "real");
    WriteWholeFile(folder_ / "real" / "project.tsp", "old\r\n");
    fs::create_symlink(fs::path("real") / "project.tsp", folder_ / "link.tsp");
    EXPECT_EQ(SaveFailure(folder_ / "link.tsp"), "");
    EXPECT_TRUE(fs::is_symlink(folder_ / "link.tsp"));
    EXPECT_EQ(ReadWholeFile(folder_ / "real" / "project.tsp"), Expected());
}

TEST_F(ProjectFileSave, AMissingFolderIsReportedWithTheReason) {
    const fs::path path = folder_ / "no such folder" / "p.tsp";
    EXPECT_EQ(SaveFailure(path), CannotWrite(path, "no file can be made in its folder \"" +
                                                       path.parent_path().string() +
                                                       "\" (No such file or directory)"));
    EXPECT_TRUE(project_.projectChanged);
}

TEST_F(ProjectFileSave, AFolderInTheWayLeavesItAndNoTemporaryFile) {
    fs::create_directories(folder_ / "busy.tsp" / "inside");
    const std::string failure = SaveFailure(folder_ / "busy.tsp");
    EXPECT_NE(failure.find("could not be written: "), std::string::npos) << failure;
    EXPECT_TRUE(fs::is_directory(folder_ / "busy.tsp" / "inside"));
    EXPECT_EQ(Names(), std::vector<std::string>{"busy.tsp"});
    EXPECT_TRUE(project_.projectChanged);
}

// A disk that fills up while writing: the file size limit makes the write itself fail, which
// works even for a user whom permissions do not stop.
TEST_F(ProjectFileSave, AWriteThatFailsHalfwayLeavesTheOldFileIntact) {
    const fs::path path = folder_ / "full.tsp";
    WriteWholeFile(path, "old\r\n");
    project_.wellName = std::string(5000, 'w');  // well past the limit below

    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit previousLimit{};
    ::getrlimit(RLIMIT_FSIZE, &previousLimit);
    rlimit small = previousLimit;
    small.rlim_cur = 1024;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const std::string failure = SaveFailure(path);
    ::setrlimit(RLIMIT_FSIZE, &previousLimit);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_EQ(failure, CannotWrite(path, "File too large"));
    EXPECT_EQ(ReadWholeFile(path), "old\r\n");
    EXPECT_EQ(Names(), std::vector<std::string>{"full.tsp"});
    EXPECT_TRUE(project_.projectChanged);
}

TEST_F(ProjectFileSave, AFolderThatCannotBeWrittenLeavesTheOldFileIntact) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "permissions do not stop the superuser";
    const fs::path path = folder_ / "locked.tsp";
    WriteWholeFile(path, "old\r\n");
    fs::permissions(folder_, fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_EQ(SaveFailure(path),
              CannotWrite(path, "no file can be made in its folder \"" + folder_.string() +
                                    "\" (Permission denied)"));
    EXPECT_EQ(ReadWholeFile(path), "old\r\n");
    EXPECT_TRUE(project_.projectChanged);
}

TEST_F(ProjectFileSave, ARecordThatCannotBeWrittenLeavesTheOldFileIntact) {
    const fs::path path = folder_ / "kept.tsp";
    WriteWholeFile(path, "old\r\n");
    project_.lastSampleIndex = 50;  // the arrays hold 11 samples
    EXPECT_NE(SaveFailure(path), "");
    EXPECT_EQ(ReadWholeFile(path), "old\r\n");
    EXPECT_EQ(Names(), std::vector<std::string>{"kept.tsp"});
    EXPECT_TRUE(project_.projectChanged);
}

// Values written bare, or rounded past the largest number, would make the file open as something
// else or not at all: the save is refused, naming the field, and the previous file stays.
TEST_F(ProjectFileSave, AFileThatWouldNotOpenAgainIsRefusedAndTheOldFileKept) {
    const std::string refused = "The project was not saved: the ";
    const std::string sameFromFile = " would not read back the same from the file (";
    const struct {
        std::function<void(Project&)> change;
        std::string message;
    } rows[] = {
        {[](Project& p) { p.kbElevation = Value::Text(""); },
         "KB elevation \"\"" + sameFromFile + "it is empty)."},
        {[](Project& p) { p.kbElevation = Value::Text("1 10"); },
         "KB elevation \"1 10\"" + sameFromFile + "it holds a blank or a comma)."},
        {[](Project& p) { p.datumVelocity = Value(std::numeric_limits<double>::max()); },
         "seismic datum velocity 1.7976931348623157e+308" + sameFromFile +
             "it would be written rounded to 1.79769313486232E+308, beyond the largest number a "
             "file can hold)."},
        {[](Project& p) { p.agcWindow = ""; },
         "AGC window length \"\"" + sameFromFile + "it is empty)."},
        {[](Project& p) { p.wellLocation[5] = "42-201\r\n00000"; },
         "UWI \"42-201\r\n00000\"" + sameFromFile + "it holds a line break)."},
        {[](Project& p) {
             p.horizonCount = 1;
             p.horizonNames[1] = "Top Chalk";
             p.horizonDepths[1] = Value::Text("deep");
         },
         "depth of horizon 1 \"deep\"" + sameFromFile + "it is not a number)."},
        {[](Project& p) {
             p.applyVelocitySurvey = true;
             p.velocitySurveyCount = 2;
             p.velocitySurveyDepths[2] = std::numeric_limits<double>::max();
         },
         "depth of velocity survey point 2 1.7976931348623157e+308" + sameFromFile +
             "it is too large to be written and read back)."},
        {[](Project& p) { p.timeSonic[0] = std::nan(""); },
         "sonic of log sample 0 NaN" + sameFromFile + "it is not a finite number)."},
    };
    const fs::path path = folder_ / "kept.tsp";
    for (const auto& row : rows) {
        SCOPED_TRACE(row.message);
        SetUp();
        WriteWholeFile(path, "old\r\n");
        row.change(project_);
        EXPECT_EQ(SaveFailure(path), refused + row.message);
        EXPECT_EQ(ReadWholeFile(path), "old\r\n");
        EXPECT_EQ(Names(), std::vector<std::string>{"kept.tsp"});
        EXPECT_TRUE(project_.projectChanged);
    }
}

TEST_F(ProjectFileSave, AwkwardButFaithfulValuesAreSavedAndOpenAgain) {
    project_.kbElevation = Value::Text(" 30.50 ");
    project_.datumVelocity = Value::Text("abc");
    project_.glElevation = Value(0.1 + 0.2);
    project_.agcWindow = "0 .5";
    project_.wellName = "Ross 7, \"upper\"";
    project_.horizonCount = 1;
    project_.horizonNames[1] = "Top Chalk, upper";
    project_.horizonDepths[1] = Value::Text("1500.0");
    project_.screenCorrection = Value::Text("1");  // as the saved settings give it
    const fs::path path = folder_ / "awkward.tsp";
    ASSERT_EQ(SaveFailure(path), "");
    Project back = project_;
    ReadProjectFile(back, path);
    EXPECT_EQ(back.kbElevation, Value(30.5));
    EXPECT_EQ(back.datumVelocity, Value::Text("abc"));
    EXPECT_EQ(back.agcWindow, "0 .5");
    EXPECT_EQ(back.wellName, "Ross 7, \"upper\"");
    EXPECT_EQ(back.horizonNames[1], "Top Chalk, upper");
}

// The comparison itself: a file that differs from the record is caught at its first field.
TEST_F(ProjectFileSave, TheReadBackNamesTheFirstFieldThatDiffers) {
    const fs::path path = folder_ / "other.tsp";
    project_.glElevation = Value(90);
    project_.timeScale = Value::Text("7");
    WriteWholeFile(path, Expected());
    Project record = project_;
    record.glElevation = Value(1090);
    record.timeScale = Value::Text("5");
    try {
        CheckProjectFileReadsBack(record, path);
        FAIL() << "a file that differs from the record passed";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(),
                     "The project was not saved: the GL elevation 1090 would not read back the "
                     "same from the file (it would read back as 90).");
    }
    record.glElevation = Value(90);
    record.timeScale = Value::Text("7");
    EXPECT_NO_THROW(CheckProjectFileReadsBack(record, path));

    WriteWholeFile(path, "no project at all");
    EXPECT_THROW(CheckProjectFileReadsBack(record, path), Error);
}

}  // namespace
}  // namespace tessarin::test
