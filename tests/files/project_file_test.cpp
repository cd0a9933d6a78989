#include "files/project_file.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <sstream>
#include <string>

#include "model/error.h"
#include "model/reset.h"

namespace tessarin {
namespace {

std::string ReadBytes(const std::string& name) {
    std::ifstream in(std::string(TESSARIN_TEST_DATA_DIR) + "/" + name, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

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
    p.horizonCount = 4;
    p.horizonNames[1] = "start of log";
    p.horizonDepths[1] = Value(0.5);
    p.horizonNames[2] = "Top Reef, upper";
    p.horizonDepths[2] = Value(6.1);
    p.horizonNames[3] = "  Base  Salt, lower ";
    p.horizonDepths[3] = Value(8);
    p.horizonNames[4] = "end of log";
    p.horizonDepths[4] = Value(11.5);
    p.velocitySurveyDatumElevation = Value(1230);
    p.velocitySurveyCount = 3;
    p.velocitySurveyDepths[1] = 100;
    p.velocitySurveyTimes[1] = 0.05;
    p.velocitySurveyDepths[2] = 500;
    p.velocitySurveyTimes[2] = 0.18;
    p.velocitySurveyDepths[3] = 1000;
    p.velocitySurveyTimes[3] = 0.31;
    p.lastSampleIndex = 4;
    p.timeDepth = Samples({0.5, 3.25, 6, 8.75, 11.5});
    p.timeSonic = Samples({95.5, 100.25, 88, 110.5, 92.75});
    p.timeDensity = Samples({-1, 2.15, 2.3, -1, 2.45});
    p.intervalVelocity = Samples({0, 0, 0, 0, 0});
    p.syntheticTrace = Samples({0, 0, 0, 0, 0});
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
    p.horizonCount = 2;
    p.horizonNames[1] = "start of log";
    p.horizonDepths[1] = Value(1000.75);
    p.horizonNames[2] = "end of log";
    p.horizonDepths[2] = Value(1001.5);
    p.lastSampleIndex = 3;
    p.timeDepth = Samples({1000.75, 1001, 1001.25, 1001.5});
    p.timeSonic = Samples({350, 352.5, 348.25, 351});
    p.timeDensity = Samples({0, 0, 0, 0});
    p.intervalVelocity = Samples({0, 0, 0, 0});
    p.syntheticTrace = Samples({0, 0, 0, 0});
    return p;
}

TEST(ProjectFile, ReadsAFileOfTheOriginalProgram) {
    const std::string file = ReadBytes("ranch_7_22.tsp");
    ASSERT_FALSE(file.empty());
    const Project read = ReadText(file);
    EXPECT_EQ(read, RanchRecord());
    // Spot checks of what the comparison covers, as a reader of the file sees them.
    EXPECT_EQ(read.timeDepth[0], 0.5);           // ".50"
    EXPECT_EQ(read.timeDensity[0], -1.0);        // "-1.000": no density
    EXPECT_EQ(read.screenCorrection, Value(1));  // the stored 1.05 is not applied
    EXPECT_EQ(read.horizonNames[3], "  Base  Salt, lower ");
}

TEST(ProjectFile, ReadsASonicOnlyMetricFileWithoutSurvey) {
    EXPECT_EQ(ReadText(ReadBytes("mesa_federal_1.tsp")), MesaRecord());
}

TEST(ProjectFile, WritesTheBytesOfTheOriginalProgram) {
    Project ranch = RanchRecord();
    ranch.screenCorrection = Value(1.05);  // the user's screen factor is written out
    EXPECT_EQ(WriteText(ranch), ReadBytes("ranch_7_22.tsp"));
    EXPECT_EQ(WriteText(MesaRecord()), ReadBytes("mesa_federal_1.tsp"));
}

TEST(ProjectFile, ReadsLineFeedsAsWellAsCarriageReturnLineFeeds) {
    std::string file = ReadBytes("ranch_7_22.tsp");
    for (auto at = file.find("\r\n"); at != std::string::npos; at = file.find("\r\n", at)) {
        file.erase(at, 1);
    }
    EXPECT_EQ(ReadText(file), RanchRecord());
}

TEST(ProjectFile, ValueFieldsTypedAsTextAreWrittenUnchanged) {
    Project p = MesaRecord();
    p.datumVelocity = Value::Text("3000");
    p.glElevation = Value::Text("n/a");
    const std::string file = WriteText(p);
    // A text has no sign position and no trailing blank: "n/a" starts its zone at column 14.
    const std::string line9 = " 1650.25" + std::string(6, ' ') + "n/a" + std::string(12, ' ') +
                              "250" + std::string(11, ' ') + "1600" + std::string(9, ' ') + "3000";
    EXPECT_NE(file.find("\r\n" + line9 + "\r\n"), std::string::npos) << file;
    // Read back, a number stays a number and other text stays text.
    const Project read = ReadText(file);
    EXPECT_EQ(read.datumVelocity, Value(3000));
    EXPECT_EQ(read.glElevation, Value::Text("n/a"));
}

TEST(ProjectFile, FlagsWithoutAValidChoiceLeaveTheirFieldsAndSkipTheRows) {
    std::string file = ReadBytes("ranch_7_22.tsp");
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

TEST(ProjectFile, AnUnknownSampleIntervalSelectsNoRate) {
    std::string file = ReadBytes("mesa_federal_1.tsp");
    file.replace(file.find(" 250 "), 5, " 300 ");
    const Project read = ReadText(file);
    EXPECT_EQ(read.sampleIntervalUs, 300);
    EXPECT_EQ(read.sampleRateIndex, -1);
}

// A project with logs of `n` + 1 samples, every field that the file keeps differing from a reset.
Project GeneratedProject(int impedanceType, bool withSurvey) {
    Project p = FreshProject();
    p.measurementUnits = kMetric;
    p.gardnerCoefficient = 108.2812;
    p.locationType = kGeneralLocation;
    p.datumType = kSpecifiedDatum;
    p.impedanceType = impedanceType;
    p.waveletType = kRickerWavelet;
    p.plotDepthType = kSubseaDepth;
    p.gardnerFromDensity = true;
    p.wellName = "Generated, well #3";
    p.wellLocation = {"  one", "two, three", "", "4", "", "uwi 5"};
    p.kbElevation = Value(-12.25);
    p.glElevation = Value(1e-7);
    p.sampleIntervalUs = 500;
    p.sampleRateIndex = 1;
    p.datumElevation = Value(123456.789);
    p.datumVelocity = Value(2750.5);
    p.timeScale = Value(12);
    p.tracesPerUnit = Value(3);
    p.amplitudeScale = Value(-0.75);
    p.traceCount = -3;
    p.agcWindow = "0.100";
    p.lowCut = Value(25);
    p.lowPass = Value(8);
    p.highPass = Value(1e20);
    p.highCut = Value(65.5);
    p.phaseDegrees = Value(-180);
    p.waveletLength = Value(0.096);
    p.horizonCount = 21;
    for (int k = 1; k <= 21; ++k) {
        p.horizonNames[k] = "horizon " + std::to_string(k) + (k % 2 ? ", odd" : "");
        p.horizonDepths[k] = Value((10000 + 105 * k) / 10.0);
    }
    p.horizonNames[7] = "";
    if (withSurvey) {
        p.applyVelocitySurvey = true;
        p.velocitySurveyDatumElevation = Value(-30.5);
        p.velocitySurveyCount = 21;
        for (int k = 1; k <= 21; ++k) {
            p.velocitySurveyDepths[k] = 100 * k;
            p.velocitySurveyTimes[k] = 37 * k / 1000.0;
        }
    }
    const int n = 1200;
    p.lastSampleIndex = n;
    p.timeDepth.assign(n + 11, 0.0);
    p.timeSonic.assign(n + 11, 0.0);
    p.timeDensity.assign(n + 11, 0.0);
    p.intervalVelocity.assign(n + 11, 0.0);
    p.syntheticTrace.assign(n + 11, 0.0);
    for (int i = 0; i <= n; ++i) {
        // Decimal values divided out exactly as reading the digits gives them.
        p.timeDepth[i] = (25 * i + i % 3) / 100.0;  // starts below 1: ".00", ".26", ...
        p.timeSonic[i] = (400 + i * 37 % 1500) / 10.0;
        if (impedanceType == kSonicDensity) {
            p.timeDensity[i] = i % 7 == 0 ? -1.0 : (1900 + i % 600) / 1000.0;
        }
    }
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

TEST(ProjectFile, WritesTwoColumnsForSonicOnlyAndThreeForSonicDensity) {
    const std::string sonicOnly = WriteText(GeneratedProject(kSonicOnly, false));
    const std::string sonicDensity = WriteText(GeneratedProject(kSonicDensity, false));
    EXPECT_EQ(sonicOnly.substr(0, 16), " 0  0  1  0  0  ");
    EXPECT_EQ(sonicDensity.substr(0, 16), " 0  0  1  0  1  ");
    EXPECT_NE(sonicOnly.find("\r\n.00 40.00\r\n.26 43.70\r\n"), std::string::npos);
    EXPECT_NE(sonicDensity.find("\r\n.00 40.00 -1.000\r\n.26 43.70 1.901\r\n"), std::string::npos);
}

void ExpectInvalid(const std::string& file, const std::string& what) {
    const Project before = RanchRecord();
    Project p = before;
    std::istringstream in(file);
    try {
        ReadProjectFile(p, in);
        ADD_FAILURE() << what << ": read without failure";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "This is not a valid Tessarin project file.") << what;
    }
    EXPECT_EQ(p, before) << what << ": the record changed";
}

TEST(ProjectFile, AFileThatEndsEarlyFailsAndLeavesTheRecord) {
    const std::string file = ReadBytes("ranch_7_22.tsp");
    // Every cut before the last value of the last row leaves something needed unread.
    const std::size_t lastValue = file.rfind("2.450");
    for (std::size_t length = 0; length <= lastValue; ++length) {
        ExpectInvalid(file.substr(0, length), "cut after " + std::to_string(length) + " bytes");
    }
}

TEST(ProjectFile, ANonNumberWhereANumberIsNeededFails) {
    const std::string file = ReadBytes("ranch_7_22.tsp");
    const auto corrupt = [&](const std::string& from, const std::string& to) {
        std::string text = file;
        const auto at = text.find(from);
        ASSERT_NE(at, std::string::npos) << from;
        text.replace(at, from.size(), to);
        ExpectInvalid(text, "\"" + from + "\" as \"" + to + "\"");
    };
    corrupt(" 1  1  1 ", " 1  one  1 ");                  // a flag
    corrupt(" 1000 ", " 1ms ");                           // the sample interval
    corrupt(" 1000 ", " 40000 ");                         // beyond 16 bits
    corrupt("5            0.300", "five         0.300");  // the number of traces
    corrupt(" 4 \r\nstart", " four \r\nstart");           // the horizon count
    corrupt(" 4 \r\nstart", " 22 \r\nstart");             // more horizons than the table holds
    corrupt(" 4 \r\nstart", " 2.5 \r\nstart");
    corrupt(" 6.1 ", " deep ");            // a horizon depth
    corrupt(" 3 \r\n100", " 30 \r\n100");  // survey points
    corrupt("0.180", "0.18s");             // a survey time
    corrupt(" 4 \r\n.50", " -1 \r\n.50");  // n
    corrupt(" 4 \r\n.50", " 40000 \r\n.50");
    corrupt(" 4 \r\n.50", " 5 \r\n.50");          // one row more than the file has
    corrupt("100.25", "1OO.25");                  // a sonic value
    corrupt("-1.000\r\n11.50", "none\r\n11.50");  // a density
}

TEST(ProjectFile, AMissingFileFailsWithTheSameMessage) {
    Project p = RanchRecord();
    try {
        ReadProjectFile(p, std::filesystem::path("/nonexistent/folder/none.tsp"));
        FAIL() << "a missing file was read";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), kInvalidProjectFileMessage);
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
}  // namespace tessarin
