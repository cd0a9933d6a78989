#include "import/depth_to_time.h"

#include <gtest/gtest.h>

#include <tuple>

#include "core_test_support.h"
#include "import/spline.h"

namespace tessarin::test {
namespace {

// A log sampled every half foot from `top` to `base` with a value from the depth.
template <class ValueAt>
DepthLog LogOf(double top, double base, ValueAt valueAt) {
    DepthLog log;
    for (double d = top; d <= base + 1e-9; d += 0.5)
        log.Add(d, valueAt(d));
    return log;
}

DepthLog ConstantSonic(double top, double base, double microseconds) {
    return LogOf(top, base, [=](double) { return microseconds; });
}

Project ProjectAt(int sampleRateIndex) {
    Project p;
    p.sampleRateIndex = sampleRateIndex;
    p.sampleIntervalUs = SampleIntervalForRate(sampleRateIndex);
    p.kbElevation = Value(100.0);
    return p;
}

TEST(Spline, ReproducesACubicFromItsEndSlopesAndALineFromNaturalEnds) {
    // y = x^3 through x = 0..4 with the true end slopes 0 and 48: the spline is the cubic itself.
    const std::vector<double> x{0, 1, 2, 3, 4}, y{0, 1, 8, 27, 64};
    const auto y2 = SplineSecondDerivatives(x, y, 0.0, 48.0);
    EXPECT_NEAR(SplineValue(x, y, y2, 2.5).value(), 15.625, 1e-12);
    EXPECT_NEAR(SplineValue(x, y, y2, 0.5).value(), 0.125, 1e-12);
    EXPECT_NEAR(y2[3], 18.0, 1e-12);  // 6x
    const std::vector<double> line{1, 3, 5, 7, 9};
    const auto natural = SplineSecondDerivatives(x, line, 1e31, 1e31);
    EXPECT_NEAR(SplineValue(x, line, natural, 3.7).value(), 8.4, 1e-12);
    EXPECT_FALSE(SplineValue({1, 1}, {1, 1}, {0, 0}, 1.0));  // no interval width: no value
}

TEST(DepthToTime, ConstantAndLayeredSonicsGiveTheirLayerTimes) {
    // 100 us/ft over 1000 ft is 100000 one-way microseconds: at 2 ms (1000 one-way us) that is
    // samples 0 to 100, ten feet apart.
    const DepthLog sonic = ConstantSonic(1000, 2000, 100);
    NoProgress quiet;
    Project p = ProjectAt(0);
    ConvertSonicToTime(sonic, p, quiet);
    ASSERT_EQ(p.lastSampleIndex, 100);
    for (std::size_t j = 0; j <= 100; ++j) {
        EXPECT_NEAR(p.timeDepth[j], 1000 + 10.0 * static_cast<double>(j), 1e-9) << j;
        EXPECT_NEAR(p.timeSonic[j], 100, 1e-9) << j;
    }
    // One depth, or 500 one-way microseconds: no time sample at 2 ms.
    for (const auto& [base, message] :
         {std::pair<double, const char*>{1000,
                                         "The sonic log holds fewer than two depth-value pairs."},
          {1005, "The sonic log is shorter than one time sample."}})
        EXPECT_EQ(ErrorOf([&] { ConvertSonicToTime(ConstantSonic(1000, base, 100), p, quiet); }),
                  message);

    // 100 us/ft from 1000 to 1500 ft (50 ms one-way), then 50 us/ft to 2000 ft (25 ms), the
    // boundary given twice so that no interval straddles it; 1 ms is 500 one-way us.
    DepthLog layered = ConstantSonic(1000, 1500, 100);
    for (double d = 1500; d <= 2000; d += 0.5)
        layered.Add(d, 50);
    p = ProjectAt(1);
    RecordingProgress progress;
    ConvertSonicToTime(layered, p, progress);
    ASSERT_EQ(p.lastSampleIndex, 150);
    ExpectValues(p.timeDepth, 49, {1245, 1250, 1255}, 1e-9);  // 5 ft per sample above
    ExpectValues(p.timeDepth, 99, {1495, 1500, 1510}, 1e-9);  // 10 ft per sample below
    ExpectValues(p.timeSonic, 99, {100, 50}, 1e-9);
    EXPECT_EQ(progress.steps,
              (std::vector<std::string>{"Integrating sonic log", "Resampling sonic log at 1 msec",
                                        "Completed"}));
}

// A survey from a datum at the KB (elevation 100), so that survey depths are depths below KB,
// through rock of the given slowness, its times counted from `zeroDepth`.
Project SurveyProject(const std::vector<double>& depths, double slowness, double zeroDepth = 0) {
    Project p = ProjectAt(0);
    p.applyVelocitySurvey = true;
    p.velocitySurveyDatumElevation = Value(100.0);
    p.velocitySurveyCount = static_cast<int>(depths.size());
    for (std::size_t i = 0; i < depths.size(); ++i) {
        p.velocitySurveyDepths[i + 1] = depths[i];
        p.velocitySurveyTimes[i + 1] = 2 * (depths[i] - zeroDepth) * slowness / 1e6;
    }
    return p;
}

TEST(VelocitySurveyCalibration, ScalesTheTimesToTheSurveyOrWarnsWhenItCannot) {
    // A 100 us/ft sonic from 1000 to 2000 ft. Where the survey says 90, every ratio is 90/100
    // and the log takes 90 ms, samples 0 to 90, each 1000/90 ft. The first point (500 ft, above
    // the log) is never a ratio point; the 1000 ft point lies at the top of the log, the 2400 ft
    // point below it. A survey that agrees leaves the times alone. The datum becomes the survey
    // datum, with the survey's velocity down to the log, or 8000 where the survey gives no time
    // to the top of the log.
    // Rows: the survey depths, the slowness they were timed through and the depth of time zero,
    // n and the datum velocity.
    const std::tuple<std::vector<double>, double, double, int, double> rows[] = {
        {{500, 1000, 1200, 1500, 1800, 2400}, 90, 0, 90, 1e6 / 90},
        {{500, 1000, 1200, 1500}, 90, 0, 90, 1e6 / 90},
        {{0, 1000, 1600, 1900}, 100, 0, 100, 1e4},
        {{1000, 1500, 2000}, 90, 1000, 90, 8000}};
    NoProgress quiet;
    for (const auto& [depths, slowness, zeroDepth, n, datumVelocity] : rows) {
        Project p = SurveyProject(depths, slowness, zeroDepth);
        ConvertSonicToTime(ConstantSonic(1000, 2000, 100), p, quiet);
        ASSERT_EQ(p.lastSampleIndex, n) << depths.size();
        EXPECT_NEAR(p.timeDepth[static_cast<std::size_t>(n / 2)], 1500, 1e-6);
        for (std::size_t j = 0; j < static_cast<std::size_t>(n); ++j)
            EXPECT_NEAR(p.timeSonic[j], slowness, 1e-6) << j;
        EXPECT_EQ(std::tuple(p.datumType, p.datumElevation), std::tuple(1, Value(100.0)));
        EXPECT_NEAR(p.datumVelocity.Number(), datumVelocity, 1e-6) << depths.size();
    }

    std::vector<Project> bad{
        SurveyProject({1500}, 90),                   // one point
        SurveyProject({500, 1500, 1500, 1800}, 90),  // a repeated depth
        SurveyProject({100, 500, 900}, 90),          // nothing below the top of the log
        SurveyProject({500, 1500, 1800}, 90)};
    bad.back().kbElevation = Value::Text("high");  // a KB that is no number
    for (Project& p : bad) {
        EXPECT_EQ(ErrorOf([&] { ConvertSonicToTime(ConstantSonic(1000, 2000, 100), p, quiet); }),
                  "Warning: " + kSurveyWarning)
            << p.velocitySurveyCount;
    }
}

TEST(DensityToTime, AveragesDensityOverEachSampleInterval) {
    NoProgress quiet;
    Project p = ProjectAt(0);
    ConvertSonicToTime(ConstantSonic(1000, 2000, 100), p, quiet);
    // A density in kg/m3 rising by 1 kg/m3 per foot from 1200 to 1800 ft. Sample 20 lies at
    // 1200 ft: the interval to 1210 ft averages 2005 kg/m3. Sample 80 at 1800 ft is the last
    // inside: it keeps the density of the interval above. Outside the log: -1.
    ResampleDensity(LogOf(1200, 1800, [](double d) { return 2000 + (d - 1200); }), p, quiet);
    ExpectValues(p.timeDensity, 19, {-1, 2.005, 2.015}, 1e-12);
    ExpectValues(p.timeDensity, 79, {2.595, 2.595, -1}, 1e-12);

    // Gardner: 2.0 g/cc is 1000000 / (357.3458 x 16) us/ft, whatever the density unit.
    for (double rho : {2.0, 2000.0}) {
        const DepthLog density = LogOf(1000, 1100, [=](double) { return rho; });
        const DepthLog sonic = GardnerSonic(density, 357.3458);
        EXPECT_NEAR(sonic.value.front(), 174.90061, 1e-5);
    }
}

}  // namespace
}  // namespace tessarin::test
