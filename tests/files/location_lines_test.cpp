// The well's location as the text export's first line and the SEG-Y card 3 write it: a location
// part whose fields are all empty is left out, not written as its bare words.

#include <gtest/gtest.h>

#include <array>
#include <sstream>

#include "files/export_fixture.h"
#include "files/segy_export.h"
#include "files/text_export.h"

namespace tessarin::test {
namespace {

std::string FirstExportLine(Project p) {
    std::ostringstream out;
    WriteTextExport(p, out);
    const std::string text = out.str();
    return text.substr(0, text.find("\r\n"));
}

// Card 3 without its label and the blanks that fill the card.
std::string Card3(const Project& p) {
    std::string card = SegyTextCards(p, Polarity::kNormal).substr(2 * 80 + 4, 76);
    return card.erase(card.find_last_not_of(' ') + 1);
}

TEST(LocationLines, EmptyFieldsAreLeftOutOfTheTextExportAndTheSegyCard) {
    using Fields = std::array<std::string, 6>;
    const struct {
        int format;
        Fields location;
        const char* wellLine;
        const char* card3;
    } cases[] = {
        {kTownshipRange,
         {"Kern", "California", "12", "29S", "21E", "0402912345"},
         "Ross 7 Kern County, California   Section 12-29S-21E",
         "Kern County, California   Section 12-29S-21E 0402912345"},
        {kTownshipRange, {"", "", "", "", "", "0402912345"}, "Ross 7 ", " 0402912345"},
        {kTownshipRange, {"", "", "12", "", "", ""}, "Ross 7 Section 12--", "Section 12--"},
        {kTownshipRange, {"Kern", "", "", "", "", ""}, "Ross 7 Kern County, ", "Kern County,"},
        {kGeneralLocation, {"", "", "", "", "", ""}, "Ross 7 ", ""},
        {kGeneralLocation, {"", "Block 7", "", "", "", ""}, "Ross 7 Block 7", "Block 7"},
        {kGeneralLocation,
         {"North Field", "Block 7", "", "", "", "UWI 1"},
         "Ross 7 North Field Block 7",
         "North Field Block 7 UWI 1"},
    };
    for (const auto& c : cases) {
        Project p = ComputedProject({0.5, 0.25});
        p.locationType = c.format;
        p.wellLocation = c.location;
        SCOPED_TRACE(c.wellLine);
        EXPECT_EQ(FirstExportLine(p), c.wellLine);
        EXPECT_EQ(Card3(p), c.card3);
    }
}

}  // namespace
}  // namespace tessarin::test
