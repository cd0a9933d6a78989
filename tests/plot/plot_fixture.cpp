#include "plot_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tessarin::test {

namespace {

void FillLogs(Project& p) {
    const int n = 250;
    const int h = 25;  // wavelet half length
    p.lastSampleIndex = n;
    p.sampleRateIndex = 0;
    p.sampleIntervalUs = 1000;
    p.timeDepth.assign(n + 11, 0.0);
    p.timeSonic = p.timeDensity = p.timeDepth;
    p.intervalVelocity.assign(n + 1, 0.0);
    p.syntheticTrace = p.intervalVelocity;
    for (int i = 0; i <= n; ++i) {
        const double velocity = i < 100 ? 10000.0 : 12500.0;
        p.timeDepth[i] = i <= 100 ? 1100.0 + 10.0 * i : 2100.0 + 12.5 * (i - 100);
        p.timeSonic[i] = 1e6 / velocity;
        p.intervalVelocity[i] = velocity;
        p.timeDensity[i] = i < 40 ? kNoDensity : 2.3;
        p.syntheticTrace[i] = (i >= 60 && i <= 80) ? 1.0 : (i >= 140 && i <= 160) ? -1.0 : 0.0;
    }
    p.minVelocity = 10000.0;
    p.maxVelocity = 12500.0;
    p.minDensity = p.maxDensity = 2.3;
    p.reflectionCoefficients = OffsetArray(-h, n + 10 + h);
    p.reflectionCoefficients[99] = p.maxAbsReflection = 2500.0 / 22500.0;

    p.waveletType = kRickerWavelet;
    p.lowCut = Value::Text("25");
    p.phaseDegrees = Value(0);
    p.waveletLength = Value(0.1);
    p.wavelet = OffsetArray(-h, h + 1);
    const double pf = std::numbers::pi * 25.0;
    for (int j = -h; j <= h; ++j) {
        const double t = j * 0.002;
        p.wavelet[j] = (1 - 2 * pf * pf * t * t) * std::exp(-pf * pf * t * t);
    }
}

}  // namespace

Project MakeKnownWell() {
    Project p;
    p.wellName = "Known Well 1";
    p.wellLocation = {"Harris", "Texas", "12", "3N", "4W", "42-201-00000"};
    p.locationType = kTownshipRange;
    p.kbElevation = Value(100);
    p.glElevation = Value(90);
    p.datumType = kSpecifiedDatum;
    p.datumElevation = Value(0);
    p.datumVelocity = Value(8000);
    p.firstSampleTime = 0.25;
    p.measurementUnits = kEnglish;
    p.impedanceType = kSonicDensity;
    p.timeScale = Value::Text("5");
    p.tracesPerUnit = Value::Text("10");
    p.amplitudeScale = Value::Text("0.5");
    p.traceCount = 5;
    p.screenCorrection = Value(1);
    FillLogs(p);
    p.horizonCount = 3;
    SetHorizon(p, 1, "start of log", 1100, 0.0);
    SetHorizon(p, 2, "Top Chalk", 2100, 0.2);
    SetHorizon(p, 3, "end of log", 3975, 0.5);
    return p;
}

void SetHorizon(Project& p, int k, const char* name, double depth, double time) {
    p.horizonNames[k] = name;
    p.horizonDepths[k] = Value(depth);
    p.horizonTimes[k] = time;
}

const RecordedText& FakeSurface::Text(const std::string& text) const {
    static const RecordedText missing{std::nan(""), std::nan(""), "", {}, {}};
    const auto found = std::ranges::find(texts, text, &RecordedText::text);
    if (found == texts.end()) {
        ADD_FAILURE() << "no text \"" << text << "\" was drawn";
        return missing;
    }
    return *found;
}

int FakeSurface::Count(const std::string& text) const {
    return static_cast<int>(std::ranges::count(texts, text, &RecordedText::text));
}

}  // namespace tessarin::test
