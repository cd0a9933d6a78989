#include "files/project_file.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "files/export_fixture.h"
#include "model/error.h"
#include "model/reset.h"

namespace tessarin::test {
namespace {

Project FreshProject() {
    Project p;
    ResetProject(p, MemorySettingsStore());
    return p;
}

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

// Time arrays as reading leaves them: the samples, then zeros up to n + 10.
std::vector<double> Samples(std::vector<double> values) {
    values.resize(values.size() + 10, 0.0);
    return values;
}

void SetHorizons(Project& p, const std::vector<std::pair<std::string, double>>& horizons) {
    p.horizonCount = static_cast<int>(horizons.size());
    for (int k = 1; k <= p.horizonCount; ++k) {
        p.horizonNames[k] = horizons[k - 1].first;
        p.horizonDepths[k] = Value(horizons[k - 1].second);
    }
}

void SetLogs(Project& p, const std::vector<double>& depth, const std::vector<double>& sonic,
             const std::vector<double>& density) {
    p.lastSampleIndex = static_cast<std::int16_t>(depth.size() - 1);
    p.timeDepth = Samples(depth);
    p.timeSonic = Samples(sonic);
    p.timeDensity = Samples(density);
    p.intervalVelocity = p.syntheticTrace = Samples(std::vector<double>(depth.size(), 0.0));
}

// What ranch_7_22.tsp holds, on a project reset with nothing saved.
Project RanchRecord() {
    Project p = FreshProject();
    p.measurementUnits = kEnglish;
    p.locationType = kTownshipRange;
    p.datumType = kSpecifiedDatum;
    p.applyVelocitySurvey = true;
    p.impedanceType = kSonicDensity;
    p.waveletType = kBandpassWavelet;
    p.plotDepthType = kSubseaDepth;
    p.gardnerFromDensity = false;
    p.gardnerCoefficient = 357.3458;
    p.wellName = "Ranch 7-22, Sec. 22";
    p.wellLocation = {"Kern", "California", "22", "29S", "27E", "04-029-12345"};
    p.kbElevation = Value(1250.5);
    p.glElevation = Value(1235);
    p.sampleIntervalUs = 1000;
    p.sampleRateIndex = 0;
    p.datumElevation = Value(1200);
    p.datumVelocity = Value(6000);
    p.timeScale = Value(5);
    p.tracesPerUnit = Value(10);
    p.amplitudeScale = Value(0.5);
    p.traceCount = 5;
    p.agcWindow = "0.300";
    p.lowCut = Value(5);
    p.lowPass = Value(15);
    p.highPass = Value(40);
    p.highCut = Value(60);
    p.phaseDegrees = Value(0);
    p.waveletLength = Value(0.16);
    SetHorizons(p, {{"start of log", 0.5},
                    {"Top Reef, upper", 6.1},
                    {"  Base  Salt, lower ", 8},
                    {"end of log", 11.5}});
    p.velocitySurveyDatumElevation = Value(1230);
    p.velocitySurveyCount = 3;
    p.velocitySurveyDepths = {0, 100, 500, 1000};
    p.velocitySurveyTimes = {0, 0.05, 0.18, 0.31};
    SetLogs(p, {0.5, 3.25, 6, 8.75, 11.5}, {95.5, 100.25, 88, 110.5, 92.75},
            {-1, 2.15, 2.3, -1, 2.45});
    return p;
}

// What mesa_federal_1.tsp holds.
Project MesaRecord() {
    Project p = FreshProject();
    p.measurementUnits = kMetric;
    p.locationType = kGeneralLocation;
    p.datumType = kStartOfLog;
    p.applyVelocitySurvey = false;
    p.impedanceType = kSonicOnly;
    p.waveletType = kRickerWavelet;
    p.plotDepthType = kSeismicDepth;
    p.gardnerCoefficient = 108.2812;
    p.wellName = "Mesa Federal 1";
    p.wellLocation = {"Lot 4, north of the mesa", "San Juan Basin", "", "", "", "30-045-00001"};
    p.kbElevation = Value(1650.25);
    p.glElevation = Value(1645);
    p.sampleIntervalUs = 250;
    p.sampleRateIndex = 2;
    p.datumElevation = Value(1600);
    p.datumVelocity = Value(3000);
    p.timeScale = Value(10);
    p.tracesPerUnit = Value(4);
    p.amplitudeScale = Value(1.25);
    p.traceCount = 8;
    p.agcWindow = "None";
    p.lowCut = Value(30);
    p.lowPass = Value(15);
    p.highPass = Value(40);
    p.highCut = Value(60);
    p.phaseDegrees = Value(0);
    p.waveletLength = Value(0.08);
    SetHorizons(p, {{"start of log", 1000.75}, {"end of log", 1001.5}});
    SetLogs(p, {1000.75, 1001, 1001.25, 1001.5}, {350, 352.5, 348.25, 351}, {0, 0, 0, 0});
    return p;
}

const std::string kRanchFile = ReadWholeFile(TestData("ranch_7_22.tsp"));
const std::string kMesaFile = ReadWholeFile(TestData("mesa_federal_1.tsp"));

TEST(ProjectFile, ReadsFilesOfTheOriginalProgram) {
    ASSERT_FALSE(kRanchFile.empty());
    const Project read = ReadText(kRanchFile);
    EXPECT_EQ(read, RanchRecord());
    // Spot checks of what the comparison covers, as a reader of the file sees them.
    EXPECT_EQ(read.timeDepth[0], 0.5);             // ".50"
    EXPECT_EQ(read.timeDensity[0], -1.0);          // "-1.000": no density
    EXPECT_EQ(read.screenCorrection, Value(1));    // the stored 1.05 is not applied
    EXPECT_EQ(ReadText(kMesaFile), MesaRecord());  // Sonic Only, metric, no survey
}

TEST(ProjectFile, WritesTheBytesOfTheOriginalProgram) {
    Project ranch = RanchRecord();
    ranch.screenCorrection = Value(1.05);  // the user's screen factor is written out
    EXPECT_EQ(WriteText(ranch), kRanchFile);
    EXPECT_EQ(WriteText(MesaRecord()), kMesaFile);
}

TEST(ProjectFile, ReadsLineFeedsAsWellAsCarriageReturnLineFeeds) {
    std::string file = kRanchFile;
    std::erase(file, '\r');
    EXPECT_EQ(ReadText(file), RanchRecord());
}

TEST(ProjectFile, ValueFieldsTypedAsTextAreWrittenUnchanged) {
    Project p = MesaRecord();
    p.datumVelocity = Value::Text("3000");
    p.glElevation = Value::Text("n/a");
    const std::string file = WriteText(p);
    // A text has no sign position and no trailing blank: "n/a" starts its zone at column 14.
    EXPECT_NE(file.find("\r\n 1650.25      n/a            250           1600         3000\r\n"),
              std::string::npos)
        << file;
    // Read back, a number stays a number and other text stays text.
    const Project read = ReadText(file);
    EXPECT_EQ(read.datumVelocity, Value(3000));
    EXPECT_EQ(read.glElevation, Value::Text("n/a"));
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
    EXPECT_TRUE(read.applyVelocitySurvey);
    EXPECT_EQ(read.lastSampleIndex, 4);
    EXPECT_EQ(read.timeDepth, Samples({0, 0, 0, 0, 0}));  // the rows are not read
}

// A project with logs of 1201 samples, full horizon and survey tables and awkward values.
Project GeneratedProject(int impedanceType, bool withSurvey) {
    Project p = MesaRecord();
    p.datumType = kSpecifiedDatum;
    p.impedanceType = impedanceType;
    p.plotDepthType = kSubseaDepth;
    p.wellName = "Generated, well #3";
    p.wellLocation = {"  one", "two, three", "", "4", "", "uwi 5"};
    p.kbElevation = Value(-12.25);
    p.glElevation = Value(1e-7);
    p.sampleIntervalUs = 500;
    p.sampleRateIndex = 1;
    p.datumElevation = Value(123456.789);
    p.amplitudeScale = Value(-0.75);
    p.traceCount = -3;
    p.highPass = Value(1e20);
    p.phaseDegrees = Value(-180);
    p.horizonCount = 21;
    for (int k = 1; k <= 21; ++k) {
        p.horizonNames[k] = k == 7 ? "" : "horizon " + std::to_string(k) + (k % 2 ? ", odd" : "");
        p.horizonDepths[k] = Value((10000 + 105 * k) / 10.0);
    }
    if (withSurvey) {
        p.applyVelocitySurvey = true;
        p.velocitySurveyDatumElevation = Value(-30.5);
        p.velocitySurveyCount = 21;
        for (int k = 1; k <= 21; ++k) {
            p.velocitySurveyDepths[k] = 100 * k;
            p.velocitySurveyTimes[k] = 37 * k / 1000.0;
        }
    }
    std::vector<double> depth, sonic, density(1201, 0.0);
    for (int i = 0; i <= 1200; ++i) {
        // Decimal values divided out exactly as reading the digits gives them.
        depth.push_back((25 * i + i % 3) / 100.0);  // starts below 1: ".00", ".26", ...
        sonic.push_back((400 + i * 37 % 1500) / 10.0);
        if (impedanceType == kSonicDensity)
            density[i] = i % 7 == 0 ? -1.0 : (1900 + i % 600) / 1000.0;
    }
    SetLogs(p, depth, sonic, density);
    return p;
}

TEST(ProjectFile, RoundTripGivesTheSameRecord) {
    for (int impedance : {kSonicOnly, kSonicDensity}) {
        for (bool survey : {false, true}) {
            const Project original = GeneratedProject(impedance, survey);
            const std::string file = WriteText(original);
            EXPECT_EQ(ReadText(file), original)
                << "impedance " << impedance << " survey " << survey;
            // The survey block comes between the horizons and n, and only when applied.
            const std::string afterHorizons =
                survey ? "-30.5 \r\n 21 \r\n100           0.037\r\n" : " 1200 \r\n.00 40.00";
            EXPECT_NE(file.find("horizon 21, odd\r\n 1220.5 \r\n" + afterHorizons),
                      std::string::npos);
        }
    }
}

void ExpectInvalid(const std::string& file, const std::string& what) {
    Project p = RanchRecord();
    std::istringstream in(file);
    try {
        ReadProjectFile(p, in);
        ADD_FAILURE() << what << ": read without failure";
    } catch (const Error& e) {
        // The message is followed by the cause, which the field reader's tests check.
        EXPECT_TRUE(
            std::string(e.what()).starts_with("This is not a valid Tessarin project file: "))
            << what;
    }
    EXPECT_EQ(p, RanchRecord()) << what << ": the record changed";
}

TEST(ProjectFile, AFileThatEndsEarlyFailsAndLeavesTheRecord) {
    // Every cut before the last value of the last row leaves something needed unread.
    const std::size_t lastValue = kRanchFile.rfind("2.450");
    for (std::size_t length = 0; length <= lastValue; ++length) {
        ExpectInvalid(kRanchFile.substr(0, length), "cut after " + std::to_string(length));
    }
}

TEST(ProjectFile, ANonNumberWhereANumberIsNeededFails) {
    const std::pair<std::string, std::string> corruptions[] = {
        {" 1  1  1 ", " 1  one  1 "},                  // a flag
        {" 1000 ", " 1ms "},                           // the sample interval
        {" 1000 ", " 40000 "},                         // beyond 16 bits
        {"5            0.300", "five         0.300"},  // the number of traces
        {" 4 \r\nstart", " four \r\nstart"},           // the horizon count
        {" 4 \r\nstart", " 22 \r\nstart"},             // more horizons than the table holds
        {" 4 \r\nstart", " 2.5 \r\nstart"},
        {" 6.1 ", " deep "},            // a horizon depth
        {" 3 \r\n100", " 30 \r\n100"},  // survey points
        {"0.180", "0.18s"},             // a survey time
        {" 4 \r\n.50", " -1 \r\n.50"},  // n
        {" 4 \r\n.50", " 40000 \r\n.50"},
        {" 4 \r\n.50", " 5 \r\n.50"},          // one row more than the file has
        {"100.25", "1OO.25"},                  // a sonic value
        {"-1.000\r\n11.50", "none\r\n11.50"},  // a density
    };
    for (const auto& [from, to] : corruptions) {
        std::string text = kRanchFile;
        const auto at = text.find(from);
        ASSERT_NE(at, std::string::npos) << from;
        ExpectInvalid(text.replace(at, from.size(), to), "\"" + from + "\" as \"" + to + "\"");
    }
}

TEST(ProjectFile, AMissingFileFailsWithTheMessageTheFileAndTheReason) {
    Project p = RanchRecord();
    try {
        ReadProjectFile(p, std::filesystem::path("/nonexistent/folder/none.tsp"));
        FAIL() << "a missing file was read";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(),
                     "/nonexistent/folder/none.tsp: This is not a valid Tessarin project file: it "
                     "cannot be opened (No such file or directory).");
    }
    EXPECT_EQ(p, RanchRecord());
}

TEST(ProjectFile, ARecordWhoseCountsRunPastItsArraysIsNotWritten) {
    Project p = RanchRecord();
    p.lastSampleIndex = 20;  // the arrays hold 15
    EXPECT_THROW(WriteText(p), Error);
    p = RanchRecord();
    p.timeDensity.resize(3);
    EXPECT_THROW(WriteText(p), Error);
    p.impedanceType = kSonicOnly;  // the density column is then not written
    EXPECT_NO_THROW(WriteText(p));
    p.horizonCount = 22;
    EXPECT_THROW(WriteText(p), Error);
}

}  // namespace
}  // namespace tessarin::test
