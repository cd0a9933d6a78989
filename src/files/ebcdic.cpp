#include "files/ebcdic.h"

#include <array>

namespace tessarin {
namespace {

// Code page 037 for codes 0 to 127.
constexpr std::array<std::uint8_t, 128> kCodePage037 = {
    0,   1,   2,   3,   55,  45,  46,  47,  22,  5,   37,  11,  12,  13,  14,  15,  16,  17,  18,
    19,  60,  61,  50,  38,  24,  25,  63,  39,  28,  29,  30,  31,  64,  90,  127, 123, 91,  108,
    80,  125, 77,  93,  92,  78,  107, 96,  75,  97,  240, 241, 242, 243, 244, 245, 246, 247, 248,
    249, 122, 94,  76,  126, 110, 111, 124, 193, 194, 195, 196, 197, 198, 199, 200, 201, 209, 210,
    211, 212, 213, 214, 215, 216, 217, 226, 227, 228, 229, 230, 231, 232, 233, 186, 224, 187, 176,
    109, 121, 129, 130, 131, 132, 133, 134, 135, 136, 137, 145, 146, 147, 148, 149, 150, 151, 152,
    153, 162, 163, 164, 165, 166, 167, 168, 169, 192, 79,  208, 161, 7,
};

constexpr std::array<std::uint8_t, 256> BuildTable() {
    std::array<std::uint8_t, 256> table{};
    for (int code = 0; code < 128; ++code) {
        table[code] = kCodePage037[code];
    }
    // The program's own replacements within ASCII.
    table[19] = 0;
    table[28] = 34;
    table[29] = 0;
    table[30] = 53;
    table[31] = 0;
    table['*'] = 0;
    table['?'] = 8;
    for (int code = '['; code <= '^'; ++code) {
        table[code] = 0;
    }
    table['`'] = 185;
    table['{'] = 0;
    table['}'] = 0;
    table['~'] = 0;
    // Codes above 127: 8, except two runs that become 0.
    for (int code = 128; code < 256; ++code) {
        const bool zero = (code >= 132 && code <= 151) || (code >= 155 && code <= 159);
        table[code] = zero ? 0 : 8;
    }
    return table;
}

constexpr std::array<std::uint8_t, 256> kTable = BuildTable();

}  // namespace

std::uint8_t ToEbcdic(std::uint8_t code) {
    return kTable[code];
}

std::string ToEbcdic(std::string_view text) {
    std::string out(text.size(), '\0');
    for (std::size_t i = 0; i < text.size(); ++i) {
        out[i] = static_cast<char>(kTable[static_cast<std::uint8_t>(text[i])]);
    }
    return out;
}

}  // namespace tessarin
