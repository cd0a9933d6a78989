#include "cli/tie_table.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>

namespace tessarin::cli {
namespace {

// A figure to `decimals` places, "+" before a positive one with `sign`; "" for none.
std::string Fixed(const std::optional<double>& x, int decimals, bool sign = false) {
    if (!x || !std::isfinite(*x)) {
        return "";
    }
    const double scale = std::pow(10.0, decimals);
    const double rounded = std::round(*x * scale) / scale + 0.0;  // no "-0.0"
    char text[64];
    std::snprintf(text, sizeof text, sign ? "%+.*f" : "%.*f", decimals, rounded);
    return text;
}

// 0.5 as "0.5": the threshold as the user gave it.
std::string Plain(double x) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", x);
    return text;
}

bool Below(const TieRow& row, double minR) {
    return !row.r || !(*row.r >= minR);
}

struct Column {
    std::string heading;  // in the text table
    const char* name;     // in the CSV header
    bool number;          // aligned right in the text table
    std::function<std::string(const TieRow&)> cell;
};

// `signs`: "+" before a positive lag or phase, as the tie's report prints them; CSV leaves it out
// for the programs that read it.
std::vector<Column> Columns(double minR, bool signs) {
    return {
        {"well", "well", false, [](const TieRow& t) { return t.well; }},
        {"trace", "trace", false, [](const TieRow& t) { return t.trace; }},
        {"from (s)", "window_start_s", true,
         [](const TieRow& t) { return Fixed(t.windowStart, 3); }},
        {"to (s)", "window_end_s", true, [](const TieRow& t) { return Fixed(t.windowEnd, 3); }},
        {"r", "r", true, [](const TieRow& t) { return Fixed(t.r, 3); }},
        {"lag (ms)", "best_lag_ms", true,
         [signs](const TieRow& t) { return Fixed(t.lagMs, 1, signs); }},
        {"lag r", "best_lag_r", true, [](const TieRow& t) { return Fixed(t.lagR, 3); }},
        {"phase (deg)", "best_phase_degrees", true,
         [signs](const TieRow& t) { return Fixed(t.phaseDegrees, 0, signs); }},
        {"phase r", "best_phase_r", true, [](const TieRow& t) { return Fixed(t.phaseR, 3); }},
        {"PEP", "pep", true, [](const TieRow& t) { return Fixed(t.pep, 3); }},
        {"stretch r", "stretch_r", true, [](const TieRow& t) { return Fixed(t.stretchR, 3); }},
        {"strain", "stretch_strain", true,
         [](const TieRow& t) { return Fixed(t.stretchStrain, 3); }},
        {"wavelet phase", "wavelet_phase_degrees", true,
         [signs](const TieRow& t) { return Fixed(t.waveletPhaseDegrees, 0, signs); }},
        {"wavelet PEP", "wavelet_pep", true,
         [](const TieRow& t) { return Fixed(t.waveletPep, 3); }},
        {"r < " + Plain(minR), "below_min_r", false,
         [minR](const TieRow& t) { return std::string(Below(t, minR) ? "yes" : "no"); }},
    };
}

// Characters, not bytes: a well name in UTF-8 takes as many columns as it has letters.
std::size_t Width(const std::string& text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

std::string Padded(const std::string& text, std::size_t width, bool right) {
    const std::string blanks(width - std::min(width, Width(text)), ' ');
    return right ? blanks + text : text + blanks;
}

std::string CsvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) {
        return text;
    }
    std::string quoted = "\"";
    for (const char c : text) {
        quoted += c == '"' ? "\"\"" : std::string(1, c);
    }
    return quoted + "\"";
}

}  // namespace

void SortByR(std::vector<TieRow>& rows) {
    std::stable_sort(rows.begin(), rows.end(), [](const TieRow& a, const TieRow& b) {
        const double ra = a.r && std::isfinite(*a.r) ? *a.r : -INFINITY;
        const double rb = b.r && std::isfinite(*b.r) ? *b.r : -INFINITY;
        return ra > rb;
    });
}

void PrintTieTable(const std::vector<TieRow>& rows, double minR, std::ostream& out) {
    const std::vector<Column> columns = Columns(minR, true);
    std::vector<std::vector<std::string>> cells(rows.size());
    std::vector<std::size_t> widths;
    // A figure no tie made (no stretch asked for in any) takes no room.
    std::vector<bool> shown(columns.size(), rows.empty());
    for (const Column& c : columns) {
        widths.push_back(Width(c.heading));
    }
    for (std::size_t i = 0; i < rows.size(); ++i) {
        for (std::size_t k = 0; k < columns.size(); ++k) {
            std::string cell = columns[k].cell(rows[i]);
            shown[k] = shown[k] || !cell.empty();
            cells[i].push_back(cell.empty() ? "-" : std::move(cell));
            widths[k] = std::max(widths[k], Width(cells[i].back()));
        }
    }
    const auto line = [&](const auto& text) {
        std::string joined;
        for (std::size_t k = 0; k < columns.size(); ++k) {
            if (shown[k]) {
                joined +=
                    (joined.empty() ? "" : "  ") + Padded(text(k), widths[k], columns[k].number);
            }
        }
        out << joined.substr(0, joined.find_last_not_of(' ') + 1) << "\n";
    };
    line([&](std::size_t k) { return columns[k].heading; });
    for (const auto& row : cells) {
        line([&](std::size_t k) { return row[k]; });
    }
}

void PrintTieCsv(const std::vector<TieRow>& rows, double minR, std::ostream& out) {
    const std::vector<Column> columns = Columns(minR, false);
    for (std::size_t k = 0; k < columns.size(); ++k) {
        out << (k ? "," : "") << columns[k].name;
    }
    out << "\r\n";
    for (const TieRow& row : rows) {
        for (std::size_t k = 0; k < columns.size(); ++k) {
            out << (k ? "," : "") << CsvField(columns[k].cell(row));
        }
        out << "\r\n";
    }
}

}  // namespace tessarin::cli
