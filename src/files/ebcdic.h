#pragma once

// The character translation of the SEG-Y text header: EBCDIC code page 037 for most of ASCII,
// with the program's own replacements for control codes, a few punctuation marks and every code
// above 127 (a "?" becomes 8 and a "*" becomes 0, as files written before always had them).

#include <cstdint>
#include <string>
#include <string_view>

namespace tessarin {

std::uint8_t ToEbcdic(std::uint8_t code);

// Every character of `text` translated.
std::string ToEbcdic(std::string_view text);

}  // namespace tessarin
