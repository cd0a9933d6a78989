#include "cli/tie_search_report.h"

#include <string>

#include "cli/report_text.h"

namespace tessarin::cli {
namespace {

std::string Offset(int offset, const char* unit) {
    return Fixed(offset, 0, true) + " " + unit;
}

// "inline 13, crossline 21 (+2 inlines, -2 crosslines)"; "trace 19 (+2 along the line)".
std::string PlaceText(const TieSearch& s, std::size_t k) {
    const SegyTracePlace& p = s.places[k];
    const SearchCell& c = s.search.cells[k];
    if (s.alongLine) {
        return "trace " + std::to_string(p.traceNumber) + " (" +
               Offset(c.crosslineOffset, "along the line") + ")";
    }
    return "inline " + std::to_string(p.inlineNumber) + ", crossline " +
           std::to_string(p.crosslineNumber) + " (" + Offset(c.inlineOffset, "inlines") + ", " +
           Offset(c.crosslineOffset, "crosslines") + ")";
}

std::string TieText(const SearchCell& c) {
    return "r = " + Fixed(c.best.r, 3) + " at " + Ms(c.best.lag);
}

void JsonCell(const TieSearch& s, std::size_t k, const char* name, Json& json) {
    const SearchCell& c = s.search.cells[k];
    const SegyTracePlace& p = s.places[k];
    json.Open(name);
    if (s.alongLine) {
        json.Number("trace_offset", c.crosslineOffset);
    } else {
        json.Number("inline_offset", c.inlineOffset).Number("crossline_offset", c.crosslineOffset);
    }
    json.Number("trace", static_cast<double>(p.traceNumber))
        .Number("inline", p.inlineNumber)
        .Number("crossline", p.crosslineNumber)
        .Number("r", c.best.r)
        .Number("lag_ms", c.best.lag * 1000)
        .Close();
}

void JsonCellOrNull(const TieSearch& s, const std::optional<std::size_t>& k, const char* name,
                    Json& json) {
    if (k) {
        JsonCell(s, *k, name, json);
    } else {
        json.Null(name);
    }
}

}  // namespace

void PrintSearchRows(const TieSearch& s, std::ostream& out) {
    const std::string reach = std::to_string(s.reach);
    Row(out, "Search",
        (s.alongLine ? "within " + reach + " traces along the line"
                     : "within " + reach + " inlines and crosslines") +
            ": " + std::to_string(s.search.cells.size()) + " traces in the file");
    const std::string chosen =
        s.search.chosen ? "; chosen trace " + TieText(s.search.cells[*s.search.chosen]) : "";
    Row(out, "Best trace",
        s.search.best
            ? PlaceText(s, *s.search.best) + ": " + TieText(s.search.cells[*s.search.best]) + chosen
            : "none: no trace around ties over the window");
}

void JsonSearch(const TieSearch& s, Json& json) {
    json.Open("search").Number("reach", s.reach).Bool("along_line", s.alongLine);
    JsonCellOrNull(s, s.search.best, "best", json);
    JsonCellOrNull(s, s.search.chosen, "chosen", json);
    json.OpenList("cells");
    for (std::size_t k = 0; k < s.search.cells.size(); ++k) {
        JsonCell(s, k, nullptr, json);
    }
    json.CloseList().Close();
}

}  // namespace tessarin::cli
