#include "plot/paper_fit.h"

#include <cstdio>

namespace tessarin {

namespace {

std::string Inches(double twips) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f in (%.1f cm)", twips / 1440.0, twips / 1440.0 * 2.54);
    return text;
}

}  // namespace

std::string PaperChoice::Name() const {
    return paper + (landscape ? " landscape" : " portrait");
}

std::optional<PaperChoice> PaperThatFits(double width, double margin,
                                         const std::vector<Paper>& offered) {
    for (const Paper& paper : offered) {
        if (paper.width - 2.0 * margin >= width) {
            return PaperChoice{paper.name, false};
        }
        if (paper.height - 2.0 * margin >= width) {
            return PaperChoice{paper.name, true};
        }
    }
    return std::nullopt;
}

std::string TooWideMessage(double width, double printableWidth, const PaperChoice& current,
                           const std::vector<Paper>& offered) {
    std::string text = "The display is " + Inches(width) + " wide, but " + current.Name() +
                       " prints only " + Inches(printableWidth) +
                       " across: the right part of the display would be cut off.";
    if (const auto fit = PaperThatFits(width, kPaperMarginTwips, offered)) {
        return text + " " + fit->Name() + " would fit.";
    }
    std::string names;
    for (std::size_t i = 0; i < offered.size(); ++i) {
        names += (i == 0 ? "" : i + 1 == offered.size() ? " nor " : ", ") + offered[i].name;
    }
    return text + " Not even across is " + names +
           " wide enough: fewer traces, or more traces to the inch or centimetre in Set Scales "
           "and AGC, would make the display narrower.";
}

}  // namespace tessarin
