#pragma once

// How the display is cut into pages along the time axis: which samples each page shows, where its
// time panels start, and the half inch of time that consecutive pages share so that they can be
// laid one over the other.

#include <vector>

#include "plot/plot_state.h"

namespace tessarin {

// Paper twips kept free below the time panels of every page (the timing lines run on to the next
// line after the last sample, and the join label stands there).
inline constexpr double kPageBottomReserve = 1440.0;
// Where the time panels start on every page after the first (room for the panel titles).
inline constexpr double kContinuationPageTop = 500.0;
// About this much of the time axis is printed on both sides of a join.
inline constexpr double kPageOverlapTwips = 720.0;

struct PageRange {
    int firstSample = 0;
    int lastSample = 0;
    double top = 0.0;  // y of the top of the time panels: below the header on page 1, else 500
    // plotOriginY for the page. Page 1 starts at the first whole 100 ms above sample 0, as the
    // screen does; every later page starts with its first sample at its top, so that no paper is
    // left blank above it.
    double plotOriginY = 0.0;
};

// The pages of the time panels for a display laid out in `layout` (on paper: no screen correction)
// with samples 0 to `lastSample`, on pages `pageHeight` twips tall (the printable area). Each page
// takes samples while the next one lies within the page height less the bottom reserve; the next
// page starts Int(720 / twips per sample) samples before the last sample of the one before.
// Pages are added until every sample is on one. Throws Error when the page is too short for the
// time scale (a page could not move past the one before).
std::vector<PageRange> PaginateTimePanels(const PlotState& layout, int lastSample,
                                          double pageHeight);

// Points `state` at the samples of `page`.
void ShowPage(PlotState& state, const PageRange& page);

}  // namespace tessarin
