// The project's seismic tie: the bulk shift moves every two-way time of the well by exactly its
// amount; the shift box, Apply Shift, Reset Shift and Apply Phase change the record as the tie
// window needs, and what a tie finds ties the well when applied.

#include "engine/project_tie.h"

#include <gtest/gtest.h>

#include <cmath>

#include "engine/datum.h"
#include "engine/engine_test_support.h"
#include "engine/synthetic.h"
#include "engine/tie_shift.h"
#include "engine/wavelet.h"
#include "files/export_fixture.h"
#include "files/open_project.h"
#include "model/settings.h"

namespace tessarin::test {
namespace {

Project Opened(const std::string& name) {
    Project p;
    OpenProjectFile(p, MemorySettingsStore(), TestData(name));
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

}  // namespace
}  // namespace tessarin::test
