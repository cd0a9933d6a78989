#include "plot/pagination.h"

#include <cmath>

#include "model/error.h"

namespace tessarin {

namespace {

// The last sample of a page whose first sample is `first`, for the page's plotOriginY.
int LastSampleOnPage(const PlotState& layout, int first, double originY, int lastSample,
                     double usableHeight) {
    const auto y = [&](int i) {
        return originY + (i + layout.firstLabelSampleOffset) * layout.screenTwipsPerSample;
    };
    int last = first;
    while (last < lastSample && y(last + 1) <= usableHeight) {
        ++last;
    }
    return last;
}

}  // namespace

void ShowPage(PlotState& state, const PageRange& page) {
    state.firstPlotSample = page.firstSample;
    state.lastPlotSample = page.lastSample;
    state.plotOriginY = page.plotOriginY;
    state.pageTop = page.top;
}

std::vector<PageRange> PaginateTimePanels(const PlotState& layout, int lastSample,
                                          double pageHeight) {
    const double usable = pageHeight - kPageBottomReserve;
    const double tps = layout.screenTwipsPerSample;
    if (!(tps > 0.0)) {
        throw Error("The time scale must be greater than zero.");
    }
    const int overlap = static_cast<int>(std::floor(kPageOverlapTwips / tps));

    std::vector<PageRange> pages;
    PageRange page;
    page.top = layout.plotOriginY;  // below the header
    for (;;) {
        const double aboveFirst = pages.empty() ? 0.0 : layout.firstLabelSampleOffset;
        page.plotOriginY = page.top - (page.firstSample + aboveFirst) * tps;
        const double firstY =
            page.plotOriginY + (page.firstSample + layout.firstLabelSampleOffset) * tps;
        page.lastSample =
            LastSampleOnPage(layout, page.firstSample, page.plotOriginY, lastSample, usable);
        const bool advanced = pages.empty() || page.lastSample > pages.back().lastSample;
        if (firstY > usable || !advanced) {
            throw Error(
                "The paper is too short for this time scale. Please choose larger paper, the "
                "portrait orientation or a smaller time scale.");
        }
        pages.push_back(page);
        if (page.lastSample >= lastSample) {
            return pages;
        }
        page.firstSample = std::max(0, page.lastSample - overlap);
        page.top = kContinuationPageTop;
    }
}

}  // namespace tessarin
