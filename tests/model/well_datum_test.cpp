#include "model/well_datum.h"

#include <gtest/gtest.h>

namespace tessarin {
namespace {

Project StoredWell() {
    Project p;
    p.wellName = "Ranch 7-22";
    p.wellLocation = {"Mesa", "CO", "22", "7S", "98W", "05-077-0001"};
    p.kbElevation = Value(5210);
    p.glElevation = Value::Text("5196");
    p.datumElevation = Value(5000);
    p.datumVelocity = Value(6000.4);
    p.datumType = kSpecifiedDatum;
    p.locationType = kGeneralLocation;
    return p;
}

TEST(WellDatum, OpensWithTheStoredTextsAndOkStoresThemButAnEmptyBoxKeepsItsValue) {
    Project p = StoredWell();
    WellDatumValues v = WellDatumValuesOf(p);
    EXPECT_EQ(v.wellLocation[5], "05-077-0001");
    EXPECT_EQ(v.kbElevation, "5210");
    EXPECT_EQ(v.glElevation, "5196");
    EXPECT_EQ(v.datumVelocity, "6000");  // a whole datum velocity
    EXPECT_EQ(v.datumType, kSpecifiedDatum);
    EXPECT_EQ(v.locationType, kGeneralLocation);

    v.wellName = "Ranch 7-22A";
    v.wellLocation[3] = "8S";  // typed while hidden by the General layout: still stored
    v.kbElevation = "";
    v.glElevation = "  ";
    v.datumElevation = "5100.5";
    v.locationType = kTownshipRange;
    v.datumType = kStartOfLog;
    ApplyWellDatumValues(p, v);
    EXPECT_TRUE(p.projectChanged);
    EXPECT_EQ(p.wellName, "Ranch 7-22A");
    EXPECT_EQ(p.wellLocation[3], "8S");
    EXPECT_EQ(p.kbElevation, Value(5210));
    EXPECT_EQ(p.glElevation, Value::Text("5196"));
    EXPECT_EQ(p.datumElevation, Value::Text("5100.5"));
    EXPECT_EQ(p.datumVelocity, Value::Text("6000"));  // as the box showed it
    EXPECT_EQ(p.locationType, kTownshipRange);
    EXPECT_EQ(p.datumType, kStartOfLog);

    p.datumVelocity = Value::Text("fast");
    EXPECT_EQ(WellDatumValuesOf(p).datumVelocity, "fast");
}

TEST(WellDatum, RefusesElevationsAndVelocitiesThatAreNoUsableNumber) {
    const struct {
        int box;
        const char* text;
        int datumType;
        int refusedBox;  // 0: accepted
    } rows[] = {
        {7, "abc", kStartOfLog, 7},     {8, "1 0", kStartOfLog, 8},
        {7, "-20", kStartOfLog, 0},     {8, "", kStartOfLog, 0},
        {9, "abc", kSpecifiedDatum, 9}, {9, "abc", kStartOfLog, 0},
        {10, "0", kSpecifiedDatum, 10}, {10, "-6000", kSpecifiedDatum, 10},
        {10, "0", kStartOfLog, 0},      {10, "", kSpecifiedDatum, 0},
    };
    for (const auto& row : rows) {
        WellDatumValues v = WellDatumValuesOf(StoredWell());
        v.datumType = row.datumType;
        std::string* boxes[] = {&v.kbElevation, &v.glElevation, &v.datumElevation,
                                &v.datumVelocity};
        *boxes[row.box - 7] = row.text;
        const auto problem = FindWellDatumProblem(v);
        EXPECT_EQ(problem ? problem->box : 0, row.refusedBox) << row.box << " " << row.text;
        if (row.text == std::string("0") && row.refusedBox) {
            EXPECT_EQ(problem->message, "The seismic datum velocity must be greater than zero.");
        }
    }
}

}  // namespace
}  // namespace tessarin
