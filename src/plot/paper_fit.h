#pragma once

// Which paper a display fits across. The display is printed at the project's scales, so a display
// wider than the paper's printable width loses its right part (the density track, the horizon
// names); the user is told before that happens and which paper would hold it.

#include <optional>
#include <string>
#include <vector>

namespace tessarin {

// The least margin kept at every edge of the paper, where most office printers cannot print.
inline constexpr double kPaperMarginTwips = 360.0;

// A paper size as it stands upright, in twips.
struct Paper {
    std::string name;
    double width = 0.0;
    double height = 0.0;
};

inline const Paper kLetterPaper{"Letter", 12240.0, 15840.0};
inline const Paper kA4Paper{"A4", 11906.0, 16838.0};
inline const Paper kLegalPaper{"Legal", 12240.0, 20160.0};
inline const Paper kTabloidPaper{"Tabloid", 15840.0, 24480.0};
inline const Paper kA3Paper{"A3", 16838.0, 23811.0};

struct PaperChoice {
    std::string paper;
    bool landscape = false;
    // "A4 portrait", "Letter landscape".
    std::string Name() const;
};

// The first of `offered`, each tried upright and then across, whose width less `margin` on either
// side holds `width` (twips); nothing when none does.
std::optional<PaperChoice> PaperThatFits(double width, double margin,
                                         const std::vector<Paper>& offered);

// What the user is told about a display `width` twips wide on paper `current` that prints only
// `printableWidth` across: the paper that fits it among `offered`, or that none does.
std::string TooWideMessage(double width, double printableWidth, const PaperChoice& current,
                           const std::vector<Paper>& offered);

}  // namespace tessarin
