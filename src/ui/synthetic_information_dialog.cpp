#include "ui/synthetic_information_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/dialog_support.h"

namespace tessarin {
namespace {

QGroupBox* MakeFrame(const QString& name, const QString& caption, QWidget* parent) {
    auto* frame = new QGroupBox(caption, parent);
    frame->setObjectName(name);
    return frame;
}

QRadioButton* AddOption(QButtonGroup* group, int id, const QString& name, const QString& caption,
                        QWidget* parent) {
    auto* option = new QRadioButton(caption, parent);
    option->setObjectName(name.arg(id));
    group->addButton(option, id);
    return option;
}

QCheckBox* MakeCheckBox(const QString& name, const QString& caption, QWidget* parent) {
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(name);
    return box;
}

void Check(QButtonGroup* group, int id) {
    if (auto* option = group->button(id)) {
        option->setChecked(true);
    }
}

}  // namespace

SyntheticInformationDialog::SyntheticInformationDialog(const Project& project, QWidget* parent)
    : QDialog(parent), importChoicesEnabled_(project.importChoicesEnabled) {
    setObjectName(QStringLiteral("Form6"));
    setWindowTitle(QStringLiteral("Synthetic Information"));
    setModal(true);

    auto* frames = new QGridLayout;
    frames->addWidget(BuildUnitsFrame(), 0, 0);
    frames->addWidget(BuildSurveyFrame(), 1, 0);
    frames->addWidget(BuildSampleRateFrame(), 0, 1);
    frames->addWidget(BuildImpedanceFrame(), 1, 1);

    auto* buttons = MakeOkCancelButtons(this);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(frames);
    layout->addWidget(buttons);

    Show(SyntheticInformationValuesOf(project));
    connect(units_, &QButtonGroup::idToggled, this, [this](int, bool on) {
        if (on) {
            FollowUnits();
        }
    });
    connect(impedance_, &QButtonGroup::idToggled, this, [this](int, bool on) {
        if (on) {
            FollowImpedance();
        }
    });
    // The choices are usually confirmed as they stand.
    findChild<QPushButton*>(QStringLiteral("Command1"))->setFocus();
}

QWidget* SyntheticInformationDialog::BuildUnitsFrame() {
    auto* frame = MakeFrame(QStringLiteral("Frame3"), QStringLiteral("Measurement Units"), this);
    units_ = new QButtonGroup(this);
    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(
        AddOption(units_, kMetric, QStringLiteral("units_%1"), QStringLiteral("Metric"), frame));
    layout->addWidget(
        AddOption(units_, kEnglish, QStringLiteral("units_%1"), QStringLiteral("English"), frame));
    sonicPerFoot_ =
        MakeCheckBox(QStringLiteral("Check1"), QStringLiteral("Sonic in microseconds/ft"), frame);
    layout->addWidget(sonicPerFoot_);
    return frame;
}

QWidget* SyntheticInformationDialog::BuildSurveyFrame() {
    auto* frame = MakeFrame(QStringLiteral("Frame5"), QStringLiteral("Velocity Survey"), this);
    applySurvey_ = MakeCheckBox(QStringLiteral("applyvelsurv"),
                                QStringLiteral("Apply Velocity Survey to Sonic Log"), frame);
    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(applySurvey_);
    layout->addStretch();
    return frame;
}

QWidget* SyntheticInformationDialog::BuildSampleRateFrame() {
    auto* frame = MakeFrame(QStringLiteral("Frame2"), QStringLiteral("Sample Rate"), this);
    sampleRate_ = new QButtonGroup(this);
    auto* layout = new QVBoxLayout(frame);
    const char* captions[] = {"2 msec", "1 msec", "0.5 msec"};
    for (int rate = 0; rate < 3; ++rate) {
        auto* option = AddOption(sampleRate_, rate, QStringLiteral("SampleRate_%1"),
                                 QString::fromLatin1(captions[rate]), frame);
        option->setEnabled(importChoicesEnabled_);
        layout->addWidget(option);
    }
    return frame;
}

QWidget* SyntheticInformationDialog::BuildImpedanceFrame() {
    auto* frame = MakeFrame(QStringLiteral("Frame1"), QStringLiteral("Acoustic Impedance"), this);
    impedance_ = new QButtonGroup(this);
    auto* layout = new QVBoxLayout(frame);
    for (auto [type, caption] :
         {std::pair{kSonicOnly, "Sonic Only"}, std::pair{kSonicDensity, "Sonic - Density"}}) {
        auto* option = AddOption(impedance_, type, QStringLiteral("SynthImped_%1"),
                                 QString::fromLatin1(caption), frame);
        option->setEnabled(importChoicesEnabled_);
        layout->addWidget(option);
    }
    gardner_ = MakeCheckBox(QStringLiteral("gardner"), QStringLiteral("Gardner Sonic from Density"),
                            frame);
    layout->addWidget(gardner_);
    return frame;
}

void SyntheticInformationDialog::Show(const SyntheticInformationValues& c) {
    Check(units_, c.measurementUnits);
    sonicPerFoot_->setChecked(c.sonicInMicrosecondsPerFoot);
    applySurvey_->setChecked(c.applyVelocitySurvey);
    Check(sampleRate_, c.sampleRateIndex);
    Check(impedance_, c.impedanceType);
    gardner_->setChecked(c.gardnerFromDensity);
    FollowUnits();
    FollowImpedance();
}

// The microseconds-per-foot box means something only in metric units: an English sonic is
// always in microseconds per foot.
void SyntheticInformationDialog::FollowUnits() {
    const bool allowed = SonicPerFootAllowed(units_->checkedId());
    if (!allowed) {
        sonicPerFoot_->setChecked(false);
    }
    sonicPerFoot_->setEnabled(allowed);
}

// The sonic is made from the density only when the density is imported too.
void SyntheticInformationDialog::FollowImpedance() {
    const bool allowed = GardnerAllowed(impedance_->checkedId());
    if (!allowed) {
        gardner_->setChecked(false);
    }
    gardner_->setEnabled(allowed);
}

SyntheticInformationValues SyntheticInformationDialog::Values() const {
    SyntheticInformationValues c;
    c.measurementUnits = units_->checkedId() == kMetric ? kMetric : kEnglish;
    c.sonicInMicrosecondsPerFoot = sonicPerFoot_->isChecked();
    c.applyVelocitySurvey = applySurvey_->isChecked();
    c.sampleRateIndex = sampleRate_->checkedId();
    c.impedanceType = impedance_->checkedId() == kSonicDensity ? kSonicDensity : kSonicOnly;
    c.gardnerFromDensity = gardner_->isChecked();
    return Normalized(c);
}

std::optional<SyntheticInformationValues> SyntheticInformationDialog::Run(QWidget* parent,
                                                                          const Project& project) {
    SyntheticInformationDialog dialog(project, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.Values();
}

}  // namespace tessarin
