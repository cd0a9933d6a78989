// The SEG-Y trace and the text export must put every sample of the synthetic at the same two-way
// time below the seismic datum: that is what lets the trace be loaded beside real seismic.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>

#include "engine/datum.h"
#include "files/export_fixture.h"
#include "files/segy_export.h"
#include "files/text_export.h"

namespace tessarin::test {
namespace {

// A sample read back from its four bytes: the IBM float is N / 256 with N = Int(v x 1 000 000).
double DecodeSample(const std::string& bytes, std::size_t at) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(bytes[at + k]); };
    const double fraction = ((byte(1) << 16) | (byte(2) << 8) | byte(3)) / 16777216.0;
    const double magnitude = fraction * std::pow(16.0, (byte(0) & 0x7F) - 64);
    return (byte(0) & 0x80 ? -magnitude : magnitude) * 256.0 / 1000000.0;
}

// The first trace's samples of a written SEG-Y file.
std::vector<double> FirstTrace(const std::string& file) {
    const auto count = static_cast<std::size_t>((static_cast<unsigned char>(file[3220]) << 8) |
                                                static_cast<unsigned char>(file[3221]));
    std::vector<double> samples;
    for (std::size_t slot = 0; slot < count; ++slot)
        samples.push_back(DecodeSample(file, 3600 + 240 + 4 * slot));
    return samples;
}

// The DatTime column of the text export, one per sample.
std::vector<double> DatTimes(const std::string& text) {
    std::istringstream lines(text);
    std::string line;
    for (int header = 0; header < 5; ++header)
        std::getline(lines, line);
    std::vector<double> times;
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        std::string uwi;
        double logTime = 0, datTime = 0;
        fields >> uwi >> logTime >> datTime;
        times.push_back(datTime);
    }
    return times;
}

TEST(SegyTimeZero, EverySampleLiesAtItsDatTimeWithinAHundredthOfASample) {
    // Samples every 10 ft from 1000 ft below a KB at 1500 ft: sample j lies at elevation
    // 500 - 10 j. A datum above the log is crossed at 8000 ft/s. The start times are chosen so
    // that every DatTime is exact in the text's four decimals.
    const struct {
        const char* where;
        double datum;
        int sampleIntervalUs;
    } rows[] = {
        {"below, 10 samples", 580, 1000},               // 80 ft: 0.02 s
        {"below, 6.25 samples", 550, 1000},             // 50 ft: 0.0125 s
        {"below, 25.2 samples at 0.5 ms", 550.4, 250},  // 50.4 ft: 0.0126 s
        {"at the first sample", 500, 1000},
        {"above, 3 samples", 470, 1000},  // between samples 2 and 4
        {"above, 2.25 samples", 477.5, 1000},
        {"above, 2.4 samples at 0.5 ms", 476, 250},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.where);
        // A ramp: the value of each slot tells the sample position it lies at.
        std::vector<double> ramp;
        for (int j = 0; j <= 60; ++j)
            ramp.push_back(1.0 + 0.01 * j);
        Project p = ComputedProject(ramp);
        p.sampleIntervalUs = static_cast<std::int16_t>(row.sampleIntervalUs);
        p.kbElevation = Value(1500);
        p.datumType = kSpecifiedDatum;
        p.datumElevation = Value(row.datum);
        p.datumVelocity = Value(8000);
        p.firstSampleTime = FirstSampleTime(p);

        std::ostringstream text;
        WriteTextExport(p, text);
        const std::vector<double> datTimes = DatTimes(text.str());
        ASSERT_EQ(datTimes.size(), ramp.size());
        std::ostringstream segy;
        WriteSegy(p, Polarity::kNormal, 1, segy);
        const std::vector<double> trace = FirstTrace(segy.str());

        // Slot i lies at i x dt below the datum and holds the log at sample position x(i).
        const double dt = 2.0 * p.sampleIntervalUs / 1000000.0;
        int compared = 0;
        for (std::size_t j = 0; j < ramp.size(); ++j) {
            if (datTimes[j] < 0) {
                continue;  // above the datum: not in the trace
            }
            // The slot nearest to sample j, and from it the time at which sample j lies.
            double nearest = 1e9;
            double segyTime = 0;
            for (std::size_t i = 0; i < trace.size(); ++i) {
                if (trace[i] == 0.0) {
                    continue;  // a slot before the first sample
                }
                const double x = (trace[i] - 1.0) / 0.01;
                if (std::fabs(x - j) < std::fabs(nearest)) {
                    nearest = x - j;
                    segyTime = (i - nearest) * dt;
                }
            }
            ASSERT_LE(std::fabs(nearest), 1.0) << "sample " << j << " has no slot near it";
            // A hundredth of a sample, and the 10^-6 steps in which samples are stored.
            EXPECT_NEAR(segyTime, datTimes[j], 0.0101 * dt) << "sample " << j;
            ++compared;
        }
        // Every sample at or below the datum was found.
        const int belowDatum = static_cast<int>(
            std::count_if(datTimes.begin(), datTimes.end(), [](double t) { return t >= 0; }));
        EXPECT_EQ(compared, belowDatum);
        EXPECT_GE(compared, 55);
    }
}

}  // namespace
}  // namespace tessarin::test
