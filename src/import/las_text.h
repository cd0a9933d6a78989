#pragma once

// Line searches and value rules of LAS header lines, shared by the parts of the LAS reader.

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

namespace tessarin::las {

// Header lines longer than this are taken for a file without usable line breaks.
inline constexpr std::size_t kLongestHeaderLine = 65535;

// A header line too long to be one (a file whose lines end in something other than LF), by its
// number counted from 1.
struct LongLine {
    std::size_t line = 0;
};

inline bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// A comment line: its first character that is not a blank is "#".
bool IsComment(std::string_view line);

// The text without blanks (and TABs) at either end.
std::string_view Strip(std::string_view text);

// True when the line begins with the mnemonic, in column 1 or after exactly one blank. A
// mnemonic of two letters (the short forms CN and WN) must stand alone, followed by a dot or a
// blank, so that a county line (CNTY) is not taken for the company.
bool BeginsWithMnemonic(std::string_view line, std::string_view mnemonic);

// From the first byte, the first line that begins with any of the mnemonics. With `stopAtData`
// the search ends at the line that begins "~A". Nothing when no line matches.
std::optional<std::string_view> FindLine(std::string_view bytes,
                                         std::initializer_list<std::string_view> mnemonics,
                                         bool stopAtData);

// The four value rules. Nothing when the line lacks the colon (or dot) the rule needs.
std::optional<std::string> AfterBlankValue(std::string_view line);  // WRAP
std::optional<std::string> DotValue(std::string_view line);         // between the first "." and ":"
std::optional<std::string> LastTokenValue(std::string_view line);   // STRT, STOP, NULL, EKB
std::optional<std::string> VersionRuleValue(std::string_view line, bool version2);  // well items
std::optional<std::string> VersionNumberText(std::string_view line);                // VERS

// A number of a data line: the fast path for plain decimals, the program's own rules otherwise.
std::optional<double> DataNumber(std::string_view field);

}  // namespace tessarin::las
