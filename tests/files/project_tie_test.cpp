// The project's seismic tie: the bulk shift moves every two-way time of the well by exactly its
// amount; the shift box, Apply Shift, Reset Shift and Apply Phase change the record as the tie
// window needs, and what a tie finds ties the well when applied. In the project file every kind
// of source and window comes back to the last digit behind the unchanged original layout, a
// damaged block is dropped with the reason while the rest opens, and a save that would not read
// back is refused.

#include "engine/project_tie.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core_test_support.h"
#include "engine/datum.h"
#include "engine/synthetic.h"
#include "engine/synthetic_trace.h"
#include "engine/tie_shift.h"
#include "engine/wavelet.h"
#include "files/open_project.h"
#include "files/project_file.h"
#include "model/settings.h"

namespace tessarin::test {
namespace {

constexpr const char* kDropped =
    "The seismic trace stored in the project could not be read, so the project was opened "
    "without it: ";

Project Opened(const std::string& name) {
    Project p;
    OpenProjectFile(p, MemorySettingsStore(), DataPath(name));
    return p;
}

// F03-4 with its bandpass wavelet turned to `phase`, computed.
Project Well(const std::string& phase = "0") {
    Project p = Opened("f03_4_display.tsp");
    p.phaseDegrees = Value::Text(phase);
    MakeBandpassWavelet(p);
    EXPECT_EQ(RecomputeSynthetic(p), std::nullopt);
    return p;
}

Project WithTie(Project p, double shift) {
    p.tie = SeismicTie{};
    p.tie->trace = {0.0, 0.002, p.syntheticTrace};  // the well's own synthetic as its seismic
    p.tie->shiftSeconds = shift;
    return p;
}

TEST(TieShift, MovesEveryTwoWayTimeOfTheWellByExactlyItsAmount) {
    // The datum at the start of the log, 100 m above sea level, or inside the log.
    for (const auto& [type, elevation] :
         {std::pair{kStartOfLog, 0}, {kSpecifiedDatum, 100}, {kSpecifiedDatum, -200}}) {
        Project plain = Well();
        plain.datumType = type;
        plain.datumElevation = Value(elevation);
        const TieWindow tops = HorizonWindow(plain, 2, 3);
        for (const double shift : {0.012, -0.0071, 0.0}) {
            const Project shifted = WithTie(plain, shift);
            EXPECT_NEAR(FirstSampleTime(shifted) - FirstSampleTime(plain), shift, 1e-12);
            EXPECT_NEAR(HorizonWindow(shifted, 2, 3).start - tops.start, shift, 1e-12);
            EXPECT_NEAR(HorizonWindow(shifted, 2, 3).end - tops.end, shift, 1e-12);
        }
        EXPECT_EQ(FirstSampleTime(WithTie(plain, 0.0)), FirstSampleTime(plain));
    }
}

TEST(TieShift, BoxApplyAndResetKeepTenthsOfAMillisecondAndMarkTheProjectChanged) {
    enum Step { kSet, kApply, kReset };
    struct Case {
        Step step;
        double seconds;
        double shift;  // afterwards
        bool changed;
    };
    Project p = WithTie(Project{}, 0.0);
    for (const Case c : {Case{kSet, 0.01234, 0.0123, true},
                         {kSet, 0.01226, 0.0123, false},
                         {kApply, -0.00051, 0.0118, true},
                         {kApply, 0.00004, 0.0118, false},
                         {kReset, 0, 0, true},
                         {kReset, 0, 0, false}}) {
        p.projectChanged = false;
        c.step == kSet     ? SetTieShift(p, c.seconds)
        : c.step == kApply ? ApplyTieShift(p, c.seconds)
                           : ResetTieShift(p);
        EXPECT_EQ(p.tie->shiftSeconds, c.shift) << c.seconds;
        EXPECT_EQ(p.projectChanged, c.changed) << c.seconds;
    }
    EXPECT_EQ(ErrorOf([&] { SetTieShift(p, NAN); }), "The shift must be a number of milliseconds.");

    Project none;
    EXPECT_EQ(ErrorOf([&] { ApplyTieShift(none, 0.01); }),
              "The project holds no seismic trace to tie to: load one first.");
    ResetTieShift(none);
    EXPECT_EQ(none, Project{});
}

TEST(TiePhase, TurnsTheBandpassWaveletByTheBestPhaseAndRefusesARicker) {
    struct Case {
        const char* present;
        double best;
        const char* phase;  // afterwards
    };
    for (const Case c : {Case{"30", 40.4, "70"}, {"170", 20, "-170"}, {"-90", -90.6, "179"}}) {
        Project p = Bandpass(5, 10, 50, 60, c.present, 0.2);
        TieMeasures m;
        m.bestPhase.phaseDegrees = c.best;
        EXPECT_EQ(ApplyTiePhase(p, m), std::nullopt);
        EXPECT_EQ(p.phaseDegrees.ToText(), c.phase);
        EXPECT_TRUE(p.projectChanged);
        Project expected = Bandpass(5, 10, 50, 60, c.phase, 0.2);
        MakeBandpassWavelet(expected);
        EXPECT_EQ(p.wavelet, expected.wavelet) << c.phase;
    }

    Project ricker = Ricker(30, 0.1);
    MakeRickerWavelet(ricker);
    const Project before = ricker;
    TieMeasures m;
    m.bestPhase.phaseDegrees = 40;
    EXPECT_EQ(ApplyTiePhase(ricker, m),
              "A Ricker wavelet is always zero phase. To tie with a phase, choose a bandpass "
              "wavelet in Select Wavelet.");
    EXPECT_EQ(ricker, before);
}

TEST(ProjectTie, ThePhaseAndShiftItFindsTieTheWellWhenApplied) {
    // The seismic: the synthetic of a wavelet turned by 40 degrees, 12 ms later, at 4 ms.
    const SampledTrace turned = SyntheticTrace(Well("40"));
    SampledTrace seismic{turned.firstTime + 0.012, 0.004, {}};
    for (std::size_t i = 0; i < turned.values.size(); i += 2) {
        seismic.values.push_back(turned.values[i]);
    }
    Project p = Well();
    SetTieTrace(p, SeismicSource{}, seismic);
    SetTieWindow(p, {TieWindowChoice::By::kHorizons, 0, 0, "NLFF", "MFS11"});
    const TieMeasures found = MeasureProjectTie(p);
    EXPECT_NEAR(found.window.end, HorizonWindow(p, 2, 19).end, 0.002);
    EXPECT_EQ(ApplyTiePhase(p, found), std::nullopt);
    ApplyTieShift(p, found.bestPhase.lag);
    EXPECT_NEAR(p.phaseDegrees.Number(), 40, 2);
    EXPECT_NEAR(p.tie->shiftSeconds, 0.012, 0.0003);

    ASSERT_EQ(RecomputeSynthetic(p), std::nullopt);
    const TieMeasures tied = MeasureProjectTie(p);
    EXPECT_NEAR(tied.bestPhase.phaseDegrees, 0, 2);
    EXPECT_NEAR(tied.bestPhase.lag, 0, 0.0003);
    EXPECT_GT(tied.zeroLagR, 0.99);
    EXPECT_LT(found.zeroLagR, 0.5);

    SetTieWindow(p, {TieWindowChoice::By::kHorizons, 0, 0, "MFS11", "Top C"});
    EXPECT_EQ(ErrorOf([&] { MeasureProjectTie(p); }),
              "The tie window's horizon \"Top C\" is not in the horizon table.");
}

SeismicTie Tie(TraceChoice choice, TieWindowChoice window) {
    SeismicTie tie;
    tie.source = {" /surveys/line 7.sgy ", choice, 1234, -1190, 1155, 9, 21, 612300.25, -4.5, 0.1};
    if (choice != TraceChoice::kNearest) {
        tie.source.wellX = tie.source.wellY = tie.source.distance = 0;
    }
    if (choice == TraceChoice::kInterpolated) {  // placed by source X/Y among the lines
        tie.source = {"/v.sgy", choice, 5, 7, 8, 9, 21, 61.5, -4.5, 0};
        tie.source.coordinates = TraceCoordinates::kSource;
        tie.source.inlinePosition = 6.25;
        tie.source.crosslinePosition = -7.125;
    }
    if (choice == TraceChoice::kTextFile) {
        tie.source = {"/traces/at well.txt", choice};
    }
    tie.trace = {-0.016, 0.004, {0.1, -1.0 / 3.0, 2.5e-7, 0, -12345.678, 1e-300}};
    tie.window = window;
    tie.shiftSeconds = -0.0123;
    return tie;
}

TEST(ProjectTieFile, EverySourceAndWindowComesBackToTheLastDigit) {
    using By = TieWindowChoice::By;
    const SeismicTie ties[] = {
        Tie(TraceChoice::kLines, {By::kTimes, 0.25, 1.125, {}, {}}),
        Tie(TraceChoice::kNumber, {By::kHorizons, 0, 0, "Top, with comma", " Base B "}),
        Tie(TraceChoice::kNearest, {}),
        Tie(TraceChoice::kTextFile, {}),
        Tie(TraceChoice::kInterpolated, {}),
    };
    std::ostringstream plain;
    WriteProjectFile(Opened("ranch_7_22.tsp"), plain);
    const TempDir dir;
    for (const SeismicTie& tie : ties) {
        Project saved = Opened("ranch_7_22.tsp");
        saved.tie = tie;
        WriteProjectFile(saved, dir.File("tied.tsp"));  // through the save's read-back check
        Project opened;
        EXPECT_EQ(OpenProjectFile(opened, MemorySettingsStore(), dir.File("tied.tsp")).tieProblem,
                  "");
        ASSERT_TRUE(opened.tie);
        EXPECT_EQ(*opened.tie, tie) << tie.source.path;
        // The original layout comes first, unchanged, so its readers stop before the block.
        const std::string file = ReadWholeFile(dir.File("tied.tsp"));
        EXPECT_EQ(file.substr(0, plain.str().size() + 7), plain.str() + "[Tie]\r\n");
    }
}

TEST(ProjectTieFile, ADamagedBlockIsLeftOutWithTheReasonAndTheRestOpens) {
    struct Case {
        const char* line;         // a line of the block, replaced by
        std::string replacement;  // this ("" removes it; the text ends with the file there)
        bool endsFile;
        const char* reason;
    };
    const Case cases[] = {
        {"interval (s) = 0.004", "interval (s) = fast", false,
         "its interval (s) \"fast\" is not a number"},
        {"samples = 6", "samples = 60", false, "the block ends after 6 of the trace's 60 samples"},
        {"-12345.678", "", true, "the file ends after 4 of the trace's 6 samples"},
        {"window = overlap", "", false, "it has no \"window\" line"},
        {"inline byte = 9", "inline byte = 238", false,
         "its inline byte \"238\" is not a whole number from 1 to 237"},
        {"[End Tie]", "0.5", false,
         "after its 6 samples it holds \"0.5\" where [End Tie] should stand"},
        {"[End Tie]", "", true, "the file ends after the trace's samples, before [End Tie]"},
        {"window = overlap", std::string(70000, 'w'), false,
         "a line is longer than 65536 characters"},
        {"[Tie]", "[Notes]", false, ""},  // not a tie block: skipped, as anything after the rows
    };
    Project saved = Opened("ranch_7_22.tsp");
    saved.tie = Tie(TraceChoice::kLines, {});
    std::ostringstream out;
    WriteProjectFile(saved, out);
    Project plain = Opened("ranch_7_22.tsp");
    const TempDir dir;
    for (const Case& c : cases) {
        std::string text = out.str();
        const std::size_t at = text.find(std::string("\r\n") + c.line + "\r\n") + 2;
        ASSERT_NE(at, std::string::npos + 2) << c.line;
        const std::string replaced = c.replacement.empty() ? "" : c.replacement + "\r\n";
        text = text.substr(0, at) + replaced +
               (c.endsFile ? "" : text.substr(at + std::string(c.line).size() + 2));
        WriteWholeFile(dir.File("damaged.tsp"), text);
        Project opened;
        const OpenProjectReport report =
            OpenProjectFile(opened, MemorySettingsStore(), dir.File("damaged.tsp"));
        EXPECT_EQ(report.tieProblem, *c.reason ? kDropped + std::string(c.reason) + "." : "");
        plain.projectFileName = opened.projectFileName;
        EXPECT_EQ(opened, plain) << c.line;
    }
}

TEST(ProjectTieFile, ASaveWhoseTieWouldNotReadBackKeepsThePreviousFile) {
    const TempDir dir;
    WriteWholeFile(dir.File("kept.tsp"), "the project saved before\r\n");
    Project p = Opened("ranch_7_22.tsp");
    p.tie = Tie(TraceChoice::kNumber, {});
    p.tie->source.path = "/surveys/a\nb.sgy";
    std::string message;
    try {
        WriteProjectFile(p, dir.File("kept.tsp"));
    } catch (const Error& e) {
        message = e.what();
    }
    EXPECT_EQ(message,
              "The project was not saved: the seismic trace from \"/surveys/a\nb.sgy\" would not "
              "read back the same from the file (the block holding it would not open again and "
              "would be left out).");
    EXPECT_EQ(ReadWholeFile(dir.File("kept.tsp")), "the project saved before\r\n");
}

}  // namespace
}  // namespace tessarin::test
