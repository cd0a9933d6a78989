#include "cli/test_survey.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>

#include "engine/synthetic.h"
#include "engine/synthetic_trace.h"
#include "engine/trace_value.h"
#include "files/open_project.h"
#include "model/settings.h"

namespace tessarin::test {

const std::string kWell = std::string(TESSARIN_TEST_DATA_DIR) + "/f03_4_display.tsp";

namespace {

Project Well() {
    Project p;
    OpenProjectFile(p, MemorySettingsStore(), kWell);
    EXPECT_EQ(RecomputeSynthetic(p), std::nullopt);
    return p;
}

void Put(std::string& bytes, std::size_t at, std::uint32_t value, int size) {
    for (int k = 0; k < size; ++k) {
        bytes[at + static_cast<std::size_t>(k)] = static_cast<char>(value >> 8 * (size - 1 - k));
    }
}

}  // namespace

std::string Survey(int binaryDt) {
    const SampledTrace synthetic = SyntheticTrace(Well());
    constexpr int kSamples = 450;
    std::string bytes(3600, '\0');
    Put(bytes, 3216, binaryDt, 2);
    Put(bytes, 3220, kSamples, 2);
    Put(bytes, 3224, 5, 2);
    for (int k = 0; k < 9; ++k) {
        std::string t(240 + 4 * kSamples, '\0');
        for (const int byte : {189, 17}) {
            Put(t, static_cast<std::size_t>(byte - 1), 5 + k / 3, 4);
            Put(t, static_cast<std::size_t>(byte + 3), 7 + k % 3, 4);
        }
        Put(t, 180, 1000 + 100 * (k % 3), 4);
        Put(t, 184, 2000 + 100 * (k / 3), 4);
        Put(t, 114, kSamples, 2);
        Put(t, 116, 4000, 2);
        const double lag = 0.012 + 0.008 * (k - 4);
        for (int i = 0; i < kSamples; ++i) {
            const auto value = TraceValueAt(synthetic, 0.004 * i - lag).value_or(0.0);
            Put(t, 240 + 4 * static_cast<std::size_t>(i),
                std::bit_cast<std::uint32_t>(static_cast<float>(value)), 4);
        }
        bytes += t;
    }
    return bytes;
}

}  // namespace tessarin::test
