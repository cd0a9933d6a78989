#include "ui/scales_dialog.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "import/synthetic_information.h"
#include "ui/dialog_support.h"

namespace tessarin {
namespace {

// AGC windows offered in seconds; any other length may be typed.
const char* const kAgcChoices[] = {kNoAgc, "0.100", "0.200", "0.300", "0.400", "0.500", "0.600"};

QLineEdit* MakeBox(const QString& name, QWidget* parent) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    return box;
}

}  // namespace

ScalesDialog::ScalesDialog(const Project& project, QWidget* parent)
    : QDialog(parent), stored_(ScalesValuesOf(project)) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Set Scales and AGC"));
    setModal(true);

    const ScalesCaptions captions = ScalesCaptionsFor(project.measurementUnits);
    auto* form = new QFormLayout;
    timeScale_ = MakeBox(QStringLiteral("Text1"), this);
    tracesPerUnit_ = MakeBox(QStringLiteral("Text2"), this);
    amplitude_ = MakeBox(QStringLiteral("Text3"), this);
    traceCount_ = MakeBox(QStringLiteral("Text4"), this);
    agcWindow_ = new QComboBox(this);
    agcWindow_->setObjectName(QStringLiteral("Combo1"));
    agcWindow_->setEditable(true);
    agcWindow_->setInsertPolicy(QComboBox::NoInsert);
    for (const char* choice : kAgcChoices) {
        agcWindow_->addItem(QString::fromLatin1(choice));
    }
    form->addRow(QString::fromStdString(captions.timeScale), timeScale_);
    form->addRow(QString::fromStdString(captions.traces), tracesPerUnit_);
    form->addRow(QStringLiteral("Amplitude"), amplitude_);
    form->addRow(QStringLiteral("Number of traces"), traceCount_);
    form->addRow(QStringLiteral("AGC window length (sec)"), agcWindow_);

    auto* depthFrame = new QGroupBox(QStringLiteral("Plot Depth Type"), this);
    depthFrame->setObjectName(QStringLiteral("Frame1"));
    depthType_ = new QButtonGroup(this);
    auto* options = new QHBoxLayout(depthFrame);
    const char* depthCaptions[] = {"MD", "Seismic", "Subsea"};
    for (int type = kMeasuredDepth; type <= kSubseaDepth; ++type) {
        auto* option = new QRadioButton(QString::fromLatin1(depthCaptions[type]), depthFrame);
        option->setObjectName(QStringLiteral("Dtype_%1").arg(type));
        depthType_->addButton(option, type);
        options->addWidget(option);
    }
    options->addStretch();

    refusal_ = MakeRefusalLabel(this);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(depthFrame);
    layout->addWidget(refusal_);
    layout->addWidget(MakeOkCancelButtons(this));

    ShowBoxes(stored_);
    if (auto* option = depthType_->button(stored_.plotDepthType)) {
        option->setChecked(true);
    }
    timeScale_->setFocus();
}

// The five boxes, each ready for typing over.
void ScalesDialog::ShowBoxes(const ScalesValues& v) {
    timeScale_->setText(QString::fromStdString(v.timeScale));
    tracesPerUnit_->setText(QString::fromStdString(v.tracesPerUnit));
    amplitude_->setText(QString::fromStdString(v.amplitude));
    traceCount_->setText(QString::fromStdString(v.traceCount));
    agcWindow_->setCurrentText(QString::fromStdString(v.agcWindow));
    for (QLineEdit* box : {timeScale_, tracesPerUnit_, amplitude_, traceCount_}) {
        SelectFirst(box, 5);
    }
}

ScalesValues ScalesDialog::Values() const {
    ScalesValues v;
    v.timeScale = TextOf(timeScale_);
    v.tracesPerUnit = TextOf(tracesPerUnit_);
    v.amplitude = TextOf(amplitude_);
    v.traceCount = TextOf(traceCount_);
    v.agcWindow = agcWindow_->currentText().toStdString();
    const int type = depthType_->checkedId();
    v.plotDepthType = type >= kMeasuredDepth ? type : stored_.plotDepthType;
    return v;
}

void ScalesDialog::accept() {
    auto problem = FindScalesProblem(Values());
    if (!problem && drawCheck_) {
        problem = drawCheck_(Values());
    }
    if (problem) {
        ShowBoxes(stored_);
        Refuse(refusal_, *problem);
        timeScale_->setFocus();
        emit inputRefused(QString::fromStdString(*problem));
        return;
    }
    QDialog::accept();
}

std::optional<ScalesValues> ScalesDialog::Run(QWidget* parent, const Project& project) {
    ScalesDialog dialog(project, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.Values();
}

}  // namespace tessarin
