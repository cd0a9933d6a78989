#include "engine/datum.h"

#include <gtest/gtest.h>

#include "model/error.h"

namespace tessarin {
namespace {

// A log of five samples, 10 ft apart, starting 1000 ft below a KB at 1500 ft, at 2 ms.
Project FiveSampleLog() {
    Project p;
    p.timeDepth = {1000, 1010, 1020, 1030, 1040};
    p.lastSampleIndex = 4;
    p.sampleIntervalUs = 1000;
    p.kbElevation = Value(1500);
    p.datumVelocity = Value(5000);
    p.datumType = kSpecifiedDatum;
    return p;
}

TEST(StartOfLogDatum, LiesAtTheFirstSampleWithoutBinaryNoise) {
    Project p;
    p.timeDepth = {30.15, 30.3};
    p.kbElevation = Value(30);
    p.datumType = kStartOfLog;
    ApplyStartOfLogDatum(p);
    EXPECT_EQ(p.datumElevation, Value(-0.15));
    EXPECT_EQ(p.datumElevation.ToText(), "-.15");
    EXPECT_EQ(FirstSampleTime(p), 0.0);  // whatever the datum velocity

    p.datumType = kSpecifiedDatum;
    p.datumElevation = Value(12);
    ApplyStartOfLogDatum(p);
    EXPECT_EQ(p.datumElevation, Value(12));
}

TEST(FirstSampleTime, BelowTheDatumCrossesTheGapAtTheDatumVelocity) {
    Project p = FiveSampleLog();
    p.datumElevation = Value(1000);  // the log starts 500 ft below the datum (elevation 500)
    EXPECT_DOUBLE_EQ(FirstSampleTime(p), 2.0 * 500 / 5000);

    p.datumVelocity = Value(0);
    EXPECT_THROW(FirstSampleTime(p), Error);
}

TEST(FirstSampleTime, AboveTheDatumIsNegativeByTheFractionalSample) {
    Project p = FiveSampleLog();
    p.datumElevation = Value(475);  // 25 ft below the log's start: 2.5 samples in
    EXPECT_DOUBLE_EQ(FirstSampleTime(p), -2.5 * 0.002);

    p.datumElevation = Value(400);  // below the whole log
    EXPECT_THROW(FirstSampleTime(p), Error);
}

}  // namespace
}  // namespace tessarin
