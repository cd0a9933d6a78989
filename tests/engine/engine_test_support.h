#pragma once

// Records and checks shared by the engine tests.

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "model/error.h"
#include "model/project.h"

namespace tessarin::test {

// The message of the Error `action` throws; "" when it throws none.
template <class Action>
std::string ErrorOf(Action&& action) {
    try {
        action();
    } catch (const Error& e) {
        return e.what();
    }
    return "";
}

// Checks values[first], values[first + 1], ... against `expected` (to a few ulps by default).
template <class Values>
void ExpectValues(const Values& values, int first, std::initializer_list<double> expected,
                  double tolerance = 0) {
    int i = first;
    for (const double e : expected) {
        if (tolerance == 0) {
            EXPECT_DOUBLE_EQ(values[i], e) << "at " << i;
        } else {
            EXPECT_NEAR(values[i], e, tolerance) << "at " << i;
        }
        ++i;
    }
}

inline Project Ricker(double hz, double length, int rateIndex = 0) {
    Project p;
    p.waveletType = kRickerWavelet;
    p.sampleRateIndex = rateIndex;
    p.lowCut = Value(hz);
    p.waveletLength = Value(length);
    return p;
}

inline Project Bandpass(int lc, int lp, int hp, int hc, const std::string& phase, double length) {
    Project p;
    p.waveletType = kBandpassWavelet;
    p.sampleRateIndex = 0;
    p.lowCut = Value(lc);
    p.lowPass = Value(lp);
    p.highPass = Value(hp);
    p.highCut = Value(hc);
    p.phaseDegrees = Value::Text(phase);
    p.waveletLength = Value(length);
    return p;
}

}  // namespace tessarin::test
