#include "ui/scales_dialog.h"

#include <gtest/gtest.h>

#include <QFormLayout>
#include <QLabel>
#include <QSignalSpy>

#include "ui/dialog_driver.h"

namespace tessarin {
namespace {

using test::Child;
using test::Click;
using test::TextIn;
using test::Type;

Project StoredScales() {
    Project p;
    p.timeScale = Value(5);
    p.tracesPerUnit = Value(10);
    p.amplitudeScale = Value(0.5);
    p.traceCount = 5;
    p.agcWindow = "None";
    p.plotDepthType = kMeasuredDepth;
    return p;
}

std::optional<ScalesValues> RunScales(const Project& p, std::function<void(ScalesDialog*)> act) {
    return test::WithDialog<ScalesDialog>(std::move(act),
                                          [&p] { return ScalesDialog::Run(nullptr, p); });
}

QString CaptionOf(QWidget* dialog, const QString& box) {
    auto* form = dialog->findChild<QFormLayout*>();
    auto* label = qobject_cast<QLabel*>(form->labelForField(Child(dialog, box)));
    return label ? label->text() : QString();
}

TEST(ScalesDialog, OkHandsBackTheBoxesAndTheDepthType) {
    Project metric = StoredScales();
    metric.measurementUnits = kMetric;
    const auto values = RunScales(metric, [](ScalesDialog* d) {
        EXPECT_EQ(CaptionOf(d, "Text1"), "Time Scale (cm/sec)");
        EXPECT_EQ(CaptionOf(d, "Text2"), "Traces per cm");
        EXPECT_EQ(TextIn(d, "Text3"), "0.50");
        Type(d, "Text1", "12.5");
        Type(d, "Text2", "4");
        Type(d, "Text4", "7.5");
        Child<QComboBox>(d, "Combo1")->setCurrentIndex(3);
        Click(d, "Dtype_2");
        test::PressKey(d, "Combo1", Qt::Key_Return);
    });
    ASSERT_TRUE(values);
    EXPECT_EQ(*values, (ScalesValues{"12.5", "4", "0.50", "7.5", "0.300", kSubseaDepth}));
}

TEST(ScalesDialog, RefusedValuesPutTheStoredOnesBackWithABeep) {
    const struct {
        const char* box;
        const char* typed;
        const char* stored;
    } refused[] = {{"Text1", "fast", "5"}, {"Text2", "0", "10"}, {"Combo1", "long", "None"}};
    for (const auto& row : refused) {
        const auto values = RunScales(StoredScales(), [&](ScalesDialog* d) {
            QSignalSpy refusals(d, &ScalesDialog::inputRefused);
            Type(d, "Text3", "2");
            Type(d, row.box, row.typed);
            Click(d, "Command1");
            EXPECT_EQ(refusals.count(), 1) << row.box;
            EXPECT_TRUE(d->isVisible());
            EXPECT_EQ(TextIn(d, row.box), row.stored);
            EXPECT_EQ(TextIn(d, "Text3"), "0.50");  // every box goes back
            EXPECT_TRUE(Child<QLabel>(d, "refusalReason")->isVisible());
            Click(d, "Command2");
        });
        EXPECT_FALSE(values) << row.box;
    }
}

}  // namespace
}  // namespace tessarin
