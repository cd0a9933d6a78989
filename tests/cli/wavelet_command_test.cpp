#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>
#include <utility>
#include <vector>

#include "cli/cli_runner.h"

namespace tessarin::test {
namespace {

// The printed "time amplitude" lines.
std::vector<std::pair<double, double>> Samples(const std::string& out) {
    std::vector<std::pair<double, double>> samples;
    std::istringstream in(out);
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        double t = 0;
        double a = 0;
        std::string rest;
        EXPECT_TRUE(fields >> t >> a) << line;
        EXPECT_FALSE(fields >> rest) << line;
        samples.emplace_back(t, a);
    }
    return samples;
}

TEST(WaveletCommand, PrintsARickerWaveletSampleBySample) {
    const CliResult r = RunCli("wavelet --ricker 30");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    const auto s = Samples(r.out);
    ASSERT_EQ(s.size(), 41u);  // 0.08 s at 2 ms
    for (std::size_t k = 0; k < s.size(); ++k) {
        EXPECT_NEAR(s[k].first, -0.04 + 0.002 * static_cast<double>(k), 1e-9);
    }
    EXPECT_EQ(r.out.substr(0, 8), "-0.0400 ");
    EXPECT_EQ(s[20].second, 1);
    EXPECT_NEAR(s[21].second, 0.8965126, 1e-6);   // at least six significant digits
    EXPECT_NEAR(s[27].second, -0.4352064, 1e-6);  // 14 ms
    EXPECT_EQ(s[13].second, s[27].second);
}

TEST(WaveletCommand, RateSetsTheSampling) {
    const CliResult r = RunCli("wavelet --ricker 25 --rate 0.5");
    ASSERT_EQ(r.status, 0) << r.err;
    const auto s = Samples(r.out);
    ASSERT_EQ(s.size(), 193u);  // 0.096 s at 0.5 ms
    EXPECT_NEAR(s[1].first - s[0].first, 0.0005, 1e-9);
    EXPECT_EQ(Samples(RunCli("wavelet --ricker 25 --rate 1").out).size(), 97u);
}

TEST(WaveletCommand, BandpassWithDefaultsPhaseAndLength) {
    const CliResult plain = RunCli("wavelet --bandpass 5,10,40,55");
    ASSERT_EQ(plain.status, 0) << plain.err;
    const auto zero = Samples(plain.out);
    ASSERT_EQ(zero.size(), 81u);  // 0.16 s at 2 ms
    EXPECT_EQ(zero[40], std::make_pair(0.0, 1.0));

    const auto inverted = Samples(RunCli("wavelet --bandpass 5,10,40,55 --phase 180").out);
    ASSERT_EQ(inverted.size(), zero.size());
    for (std::size_t k = 0; k < zero.size(); ++k) {
        EXPECT_NEAR(inverted[k].second, -zero[k].second, 1e-5) << k;
    }

    EXPECT_EQ(Samples(RunCli("wavelet --bandpass 5,10,40,55 --length 0.21").out).size(), 105u);
    EXPECT_EQ(Samples(RunCli("wavelet --bandpass 5,10,40,55 --length 0.3").out).size(), 121u);
}

TEST(WaveletCommand, RefusedInputExitsWithStatusTwoAndOneLine) {
    const char* refused[] = {
        "wavelet --bandpass 10,10,40,55",
        "wavelet --bandpass 5,10,400,501",
        "wavelet --bandpass 5,10,40",
        "wavelet --bandpass 5,10,40,55 --phase 90 --length 0",
        "wavelet --ricker thirty",
        "wavelet --ricker 0.01",
        "wavelet --ricker 30 --rate 4",
        "wavelet --ricker 30 --length 0.2",
        "wavelet --ricker 30 --bandpass 5,10,40,55",
        "wavelet",
        "wavelet --ricker",
    };
    for (const char* arguments : refused) {
        const CliResult r = RunCli(arguments);
        EXPECT_EQ(r.status, 2) << arguments;
        EXPECT_EQ(r.out, "") << arguments;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << arguments << r.err;
        EXPECT_EQ(r.err.rfind("tessarin-cli wavelet: ", 0), 0u) << r.err;
    }
    EXPECT_EQ(RunCli("wavelet --bandpass 10,10,40,55").err,
              "tessarin-cli wavelet: The corner frequencies must rise: low cut < low pass < "
              "high pass < high cut, none of them negative.\n");
}

}  // namespace
}  // namespace tessarin::test
