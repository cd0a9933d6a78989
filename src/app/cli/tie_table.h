#pragma once

// The table tessarin-cli tie-summary prints: one row a tie, best correlation first, as aligned
// text for reading or as CSV for a spreadsheet.

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace tessarin::cli {

// The figures of one tie's --json result; nothing where the result has none (no stretch asked
// for, no best lag found).
struct TieRow {
    std::string well;
    std::string trace;  // the seismic file's name and the trace chosen in it
    double windowStart = 0;
    double windowEnd = 0;
    std::optional<double> r;  // at zero lag
    std::optional<double> lagMs;
    std::optional<double> lagR;
    std::optional<double> phaseDegrees;
    std::optional<double> phaseR;
    std::optional<double> pep;  // at zero lag and phase
    std::optional<double> stretchR;
    std::optional<double> stretchStrain;
    std::optional<double> waveletPhaseDegrees;
    std::optional<double> waveletPep;
};

// Best r first; a tie without r last. Ties of r keep the order given.
void SortByR(std::vector<TieRow>& rows);

// Each row is flagged when its r is below `minR` (or it has none). A column no row has a figure
// for is left out.
void PrintTieTable(const std::vector<TieRow>& rows, double minR, std::ostream& out);
// The same columns as CSV (RFC 4180): a header line, a row a tie, CRLF line ends, a field
// quoted when it holds a comma, a quote or a line break.
void PrintTieCsv(const std::vector<TieRow>& rows, double minR, std::ostream& out);

}  // namespace tessarin::cli
