// The horizon table and, when a velocity survey was applied, the survey listing, both under the
// time panels at the left.

#include <algorithm>

#include "model/numeric.h"
#include "plot/horizon_table.h"
#include "plot/layout.h"
#include "plot/painters.h"
#include "plot/plot_values.h"

namespace tessarin {

std::vector<std::array<std::string, 8>> HorizonTableRows(const Project& project) {
    const double kb = NumberOf(project.kbElevation, "KB elevation");
    const double datum = NumberOf(project.datumElevation, "seismic datum elevation");
    const int count = HorizonsInTable(project);
    const auto depthOf = [&](int h) {
        return NumberOf(project.horizonDepths[static_cast<std::size_t>(h)], "horizon depth");
    };
    const auto timeOf = [&](int h) {
        return project.horizonTimes[static_cast<std::size_t>(h)] + project.firstSampleTime;
    };

    std::vector<std::array<std::string, 8>> rows;
    for (int h = 1; h <= count; ++h) {
        std::array<std::string, 8> row;
        const double depth = depthOf(h);
        const double time = timeOf(h);
        row[0] = project.horizonNames[static_cast<std::size_t>(h)];
        row[1] = FormatPattern(depth, "####0");
        row[2] = FormatPattern(kb - depth, "####0");
        row[3] = FormatPattern(time, "0.000");
        if (time > 0.0) {
            row[4] = FormatPattern(2.0 * (depth - (kb - datum)) / time, "#####");
        }
        if (h > 1) {
            const double thickness = depth - depthOf(h - 1);
            const double interval = time - timeOf(h - 1);
            if (thickness == 0.0) {
                row[5] = row[6] = row[7] = "-----";
            } else {
                row[5] = FormatPattern(thickness, "#####");
                row[6] = FormatPattern(interval, "0.000");
                row[7] =
                    interval == 0.0 ? "-----" : FormatPattern(2.0 * thickness / interval, "#####");
            }
        }
        rows.push_back(row);
    }
    return rows;
}

namespace {

void PrintCentred(DrawingSurface& surface, double left, double width, double y,
                  const std::string& text) {
    surface.MoveTo(left + (width - surface.TextWidth(text)) / 2.0, y);
    surface.PrintText(text);
}

// Survey points in groups of seven: a row of depths and a row of times for each group.
void PaintSurveyListing(const Project& project, DrawingSurface& surface, double left, double top,
                        double th) {
    const double row = 1.2 * th;
    const std::string unit = project.measurementUnits == kMetric ? "meters" : "feet";
    surface.SetBold(true);
    surface.MoveTo(left, top + 0.5 * row);
    surface.PrintText("Velocity Survey Information   Datum = " +
                      PrintedValue(project.velocitySurveyDatumElevation));
    surface.SetBold(false);

    const std::string depthTitle = "Depth (" + unit + ")";
    const double labelWidth = surface.TextWidth(depthTitle) + surface.TextWidth("A");
    const double column = surface.TextWidth("AAAAAA");
    const int count = std::clamp(project.velocitySurveyCount, 0, kTableSize - 1);
    for (int k = 1; k <= count; ++k) {
        const int group = (k - 1) / 7;
        const double depthY = top + row * (1.5 + 2.1 * group) + 0.1 * th;
        const double x = left + labelWidth + ((k - 1) % 7) * column;
        if ((k - 1) % 7 == 0) {
            surface.MoveTo(left, depthY);
            surface.PrintText(depthTitle);
            surface.MoveTo(left, depthY + row);
            surface.PrintText("Time (sec)");
        }
        const auto i = static_cast<std::size_t>(k);
        PrintCentred(surface, x, column, depthY,
                     FormatPattern(project.velocitySurveyDepths[i], "####0"));
        PrintCentred(surface, x, column, depthY + row,
                     FormatPattern(project.velocitySurveyTimes[i], "0.000"));
    }
}

}  // namespace

void PaintTables(const Project& project, PlotState& state, DrawingSurface& surface) {
    const double left = 1440.0 * project.leftMarginInches;
    const double th = surface.TextHeight("AAA");
    const double row = 1.2 * th;
    const double top = state.timeAxisEndY + 450.0;
    const auto rows = HorizonTableRows(project);

    // Never narrower than its title.
    double nameWidth = surface.TextWidth(kHorizonTableTitles[0]);
    for (const auto& r : rows) {
        nameWidth = std::max(nameWidth, surface.TextWidth(r[0]));
    }
    nameWidth += surface.TextWidth("A");
    const double column = surface.TextWidth("AAAAAA");
    const auto columnLeft = [&](std::size_t c) {
        return c == 0 ? left : left + nameWidth + (c - 1) * column;
    };
    const auto columnWidth = [&](std::size_t c) { return c == 0 ? nameWidth : column; };

    surface.SetBold(true);
    for (std::size_t c = 0; c < kHorizonTableTitles.size(); ++c) {
        PrintCentred(surface, columnLeft(c), columnWidth(c), top + 0.1 * th,
                     kHorizonTableTitles[c]);
    }
    surface.SetBold(false);
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const double y = top + (r + 1) * row + 0.1 * th;
        surface.MoveTo(left, y);
        surface.PrintText(rows[r][0]);
        for (std::size_t c = 1; c < rows[r].size(); ++c) {
            PrintCentred(surface, columnLeft(c), column, y, rows[r][c]);
        }
    }
    state.horizonTableRight = columnLeft(kHorizonTableTitles.size() - 1) + column;

    if (project.applyVelocitySurvey) {
        PaintSurveyListing(project, surface, left, top + (rows.size() + 1) * row, th);
    }
}

}  // namespace tessarin
