#include "model/scales.h"

#include <gtest/gtest.h>

#include "model/error.h"

namespace tessarin {
namespace {

TEST(Scales, OpensWithTheStoredTextsAndTheAmplitudeToTwoPlaces) {
    Project p;
    p.timeScale = Value::Text("12.70");
    p.tracesPerUnit = Value(3.94);
    p.amplitudeScale = Value(0.5);
    p.traceCount = 7;
    p.agcWindow = "0.300";
    p.plotDepthType = kSubseaDepth;
    EXPECT_EQ(ScalesValuesOf(p),
              (ScalesValues{"12.70", "3.94", "0.50", "7", "0.300", kSubseaDepth}));
}

TEST(Scales, OkStoresTheTextsAndRoundsTheNumberOfTracesOrRefusesWhatCannotBeDrawn) {
    Project p;
    ApplyScalesValues(p, {" 7.5", "12", "-1.25", "6.5", "0.200", kSeismicDepth});
    EXPECT_TRUE(p.projectChanged);
    EXPECT_EQ(p.timeScale, Value::Text(" 7.5"));
    EXPECT_EQ(p.tracesPerUnit, Value::Text("12"));
    EXPECT_EQ(p.amplitudeScale, Value::Text("-1.25"));
    EXPECT_EQ(p.traceCount, 6);  // halves to even
    EXPECT_EQ(p.agcWindow, "0.200");
    EXPECT_EQ(p.plotDepthType, kSeismicDepth);

    const ScalesValues typed = {"5", "10", "0.5", "5", "None", kMeasuredDepth};
    const std::pair<std::string ScalesValues::*, const char*> refused[] = {
        {&ScalesValues::timeScale, "abc"},  {&ScalesValues::timeScale, "40000"},
        {&ScalesValues::timeScale, "0"},    {&ScalesValues::tracesPerUnit, "-2"},
        {&ScalesValues::tracesPerUnit, ""}, {&ScalesValues::amplitude, "1 0"},
        {&ScalesValues::traceCount, "0.4"}, {&ScalesValues::agcWindow, "none"},
        {&ScalesValues::agcWindow, "0"},    {&ScalesValues::agcWindow, "1E9"},
    };
    for (const auto& [box, text] : refused) {
        ScalesValues v = typed;
        v.*box = text;
        EXPECT_TRUE(FindScalesProblem(v)) << text;
        Project q;
        EXPECT_THROW(ApplyScalesValues(q, v), Error) << text;
        EXPECT_FALSE(q.projectChanged);
    }
    ScalesValues v = typed;
    EXPECT_EQ(FindScalesProblem(v), std::nullopt);
    v.agcWindow = "0.1";
    EXPECT_EQ(FindScalesProblem(v), std::nullopt);
    v.agcWindow = "x";
    EXPECT_EQ(FindScalesProblem(v),
              "The AGC window \"x\" is not a number. Choose \"None\" for no AGC.");
}

}  // namespace
}  // namespace tessarin
