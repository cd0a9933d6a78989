#include "engine/datum.h"

#include <gtest/gtest.h>

#include <utility>

#include "model/error.h"

namespace tessarin {
namespace {

TEST(StartOfLogDatum, LiesAtTheFirstSampleWithoutBinaryNoise) {
    Project p;
    p.timeDepth = {30.15, 30.3};
    p.kbElevation = Value(30);
    p.datumType = kStartOfLog;
    ApplyStartOfLogDatum(p);
    EXPECT_EQ(p.datumElevation, Value(-0.15));
    EXPECT_EQ(p.datumElevation.ToText(), "-.15");
    EXPECT_EQ(FirstSampleTime(p), 0.0);

    // KB and first depths whose elevation difference leaves binary noise of either sign, and a
    // datum velocity that is not used.
    for (const auto& [kb, depth] : {std::pair{30.2, 812.4}, std::pair{25.3, 1000.7}}) {
        p.kbElevation = Value(kb);
        p.timeDepth = {depth, depth + 10};
        p.datumVelocity = Value::Text("abc");
        ApplyStartOfLogDatum(p);
        EXPECT_EQ(FirstSampleTime(p), 0.0) << kb << " " << depth;
    }

    p.datumType = kSpecifiedDatum;
    p.datumElevation = Value(12);
    ApplyStartOfLogDatum(p);
    EXPECT_EQ(p.datumElevation, Value(12));
}

TEST(FirstSampleTime, CrossesTheGapToTheDatumOrCountsSamplesAboveIt) {
    // Five samples, 10 ft apart, from 1000 ft below a KB at 1500 ft (elevation 500), at 2 ms.
    Project p;
    p.timeDepth = {1000, 1010, 1020, 1030, 1040};
    p.lastSampleIndex = 4;
    p.kbElevation = Value(1500);
    p.datumVelocity = Value(5000);
    p.datumType = kSpecifiedDatum;
    p.datumElevation = Value(475);  // 25 ft below the log's start: 2.5 samples in
    EXPECT_DOUBLE_EQ(FirstSampleTime(p), -2.5 * 0.002);
    p.datumElevation = Value(400);  // below the whole log
    EXPECT_THROW(FirstSampleTime(p), Error);

    p.datumElevation = Value(1000);  // 500 ft above the log, crossed at the datum velocity
    EXPECT_DOUBLE_EQ(FirstSampleTime(p), 2.0 * 500 / 5000);
    p.datumVelocity = Value(0);
    EXPECT_THROW(FirstSampleTime(p), Error);
}

}  // namespace
}  // namespace tessarin
