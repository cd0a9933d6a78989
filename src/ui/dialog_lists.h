#pragma once

// The fixed choices offered by the dialogs' drop-down lists, in seconds. The lists are the same
// for every project; a user may still type another value where the dialog allows it.

#include <array>

namespace tessarin {

// AGC window length of "Set Scales and AGC": no AGC, or a window of 0.1 to 0.6 s.
inline constexpr std::array<const char*, 7> kAgcWindowChoices = {"None",  "0.100", "0.200", "0.300",
                                                                 "0.400", "0.500", "0.600"};

// Wavelet length of "Select Wavelet": 40 to 200 ms.
inline constexpr std::array<const char*, 9> kWaveletLengthChoices = {
    "0.040", "0.060", "0.080", "0.100", "0.120", "0.140", "0.160", "0.180", "0.200"};

}  // namespace tessarin
