#include "ui/well_datum_dialog.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGridLayout>
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

// Boxes of the dialog's numbering.
constexpr int kWellName = 0;
constexpr int kCounty = 1;
constexpr int kState = 2;
constexpr int kSection = 3;
constexpr int kTownship = 4;
constexpr int kRange = 5;
constexpr int kUwi = 6;
constexpr int kKb = 7;
constexpr int kGl = 8;
constexpr int kDatumElevation = 9;
constexpr int kDatumVelocity = 10;

// Columns of the well grid: caption, box, caption, box, caption, box.
constexpr int kLastColumn = 5;

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

QRadioButton* AddOption(QButtonGroup* group, int id, const QString& name, const QString& caption,
                        QWidget* parent) {
    auto* option = new QRadioButton(caption, parent);
    option->setObjectName(name);
    group->addButton(option, id);
    return option;
}

}  // namespace

WellDatumDialog::WellDatumDialog(const Project& project, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("Well and Datum Information"));
    setModal(true);

    auto* wellFrame = new QGroupBox(QStringLiteral("Well Information"), this);
    wellFrame->setObjectName(QStringLiteral("Frame4"));
    wellGrid_ = new QGridLayout(wellFrame);
    BuildWellFrame(wellGrid_);

    auto* choices = new QHBoxLayout;
    choices->addWidget(BuildLocationFrame());
    choices->addWidget(BuildDatumFrame(), 1);

    refusal_ = MakeRefusalLabel(this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(wellFrame);
    layout->addLayout(choices);
    layout->addWidget(refusal_);
    layout->addWidget(MakeOkCancelButtons(this));

    const WellDatumCaptions units = WellDatumCaptionsFor(project.measurementUnits);
    captions_[kKb]->setText(Q(units.kb));
    captions_[kGl]->setText(Q(units.gl));
    captions_[kDatumElevation]->setText(Q(units.datumElevation));
    captions_[kDatumVelocity]->setText(Q(units.datumVelocity));
    storedDatumElevation_ = Q(project.datumElevation.ToText());
    storedDatumVelocity_ = Q(project.datumVelocity.ToText());

    Show(WellDatumValuesOf(project));
    connect(locationType_, &QButtonGroup::idClicked, this, &WellDatumDialog::ShowLocationType);
    connect(datumType_, &QButtonGroup::idClicked, this, &WellDatumDialog::ShowDatumType);

    // Ready for typing over, starting at the well name.
    for (QLineEdit* box : boxes_) {
        SelectFirst(box, 40);
    }
    boxes_[kWellName]->setFocus();
}

void WellDatumDialog::MakeBox(int k, const QString& caption, QWidget* parent) {
    captions_[k] = new QLabel(caption, parent);
    captions_[k]->setObjectName(QStringLiteral("Caption_%1").arg(k));
    boxes_[k] = new QLineEdit(parent);
    boxes_[k]->setObjectName(QStringLiteral("Text1_%1").arg(k));
    captions_[k]->setBuddy(boxes_[k]);
    if (k >= kKb) {
        boxes_[k]->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("00000000.0")));
    }
}

void WellDatumDialog::BuildWellFrame(QGridLayout* grid) {
    const char* captions[kDatumElevation] = {
        "Well Name:", "County:", "State:", "Section:", "Township:", "Range:", "UWI:", "", ""};
    QWidget* frame = grid->parentWidget();
    for (int k = 0; k < kDatumElevation; ++k) {
        MakeBox(k, QString::fromLatin1(captions[k]), frame);
    }
    for (int line = 0; line < 2; ++line) {
        generalCaptions_[line] = new QLabel(QStringLiteral("Location:"), frame);
        generalCaptions_[line]->setObjectName(QStringLiteral("LocationCaption_%1").arg(line + 1));
        generalCaptions_[line]->setBuddy(boxes_[kCounty + line]);
    }

    grid->addWidget(captions_[kWellName], 0, 0);
    grid->addWidget(boxes_[kWellName], 0, 1, 1, kLastColumn);
    // Rows 1 and 2 are laid out by ShowLocationType; the section row stays where it is.
    grid->addWidget(captions_[kSection], 2, 0);
    grid->addWidget(boxes_[kSection], 2, 1);
    grid->addWidget(captions_[kTownship], 2, 2);
    grid->addWidget(boxes_[kTownship], 2, 3);
    grid->addWidget(captions_[kRange], 2, 4);
    grid->addWidget(boxes_[kRange], 2, 5);
    grid->addWidget(captions_[kUwi], 3, 0);
    grid->addWidget(boxes_[kUwi], 3, 1, 1, kLastColumn);
    grid->addWidget(captions_[kKb], 4, 0);
    grid->addWidget(boxes_[kKb], 4, 1);
    grid->addWidget(captions_[kGl], 4, 2);
    grid->addWidget(boxes_[kGl], 4, 3);
    for (int column : {1, 3, 5}) {
        grid->setColumnStretch(column, 1);
    }
}

QWidget* WellDatumDialog::BuildLocationFrame() {
    auto* frame = new QGroupBox(QStringLiteral("Location Format"), this);
    frame->setObjectName(QStringLiteral("Frame2"));
    locationType_ = new QButtonGroup(this);
    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(AddOption(locationType_, kTownshipRange, QStringLiteral("locationtype_1"),
                                QStringLiteral("Township and Range"), frame));
    layout->addWidget(AddOption(locationType_, kGeneralLocation, QStringLiteral("locationtype_0"),
                                QStringLiteral("General"), frame));
    layout->addStretch();
    return frame;
}

QWidget* WellDatumDialog::BuildDatumFrame() {
    auto* frame = new QGroupBox(QStringLiteral("Seismic Datum"), this);
    frame->setObjectName(QStringLiteral("Frame3"));
    datumType_ = new QButtonGroup(this);
    auto* options = new QHBoxLayout;
    options->addWidget(AddOption(datumType_, kStartOfLog, QStringLiteral("DatumType_0"),
                                 QStringLiteral("Start of Log"), frame));
    options->addWidget(AddOption(datumType_, kSpecifiedDatum, QStringLiteral("DatumType_1"),
                                 QStringLiteral("Specify"), frame));
    options->addStretch();

    auto* grid = new QGridLayout(frame);
    grid->addLayout(options, 0, 0, 1, 2);
    for (int k : {kDatumElevation, kDatumVelocity}) {
        MakeBox(k, QString(), frame);
        grid->addWidget(captions_[k], k - kDatumElevation + 1, 0);
        grid->addWidget(boxes_[k], k - kDatumElevation + 1, 1);
    }
    grid->setColumnStretch(1, 1);
    return frame;
}

void WellDatumDialog::Show(const WellDatumValues& v) {
    boxes_[kWellName]->setText(Q(v.wellName));
    for (int k = 0; k < 6; ++k) {
        boxes_[kCounty + k]->setText(Q(v.wellLocation[static_cast<std::size_t>(k)]));
    }
    boxes_[kKb]->setText(Q(v.kbElevation));
    boxes_[kGl]->setText(Q(v.glElevation));
    boxes_[kDatumElevation]->setText(Q(v.datumElevation));
    boxes_[kDatumVelocity]->setText(Q(v.datumVelocity));

    if (auto* option = locationType_->button(v.locationType)) {
        option->setChecked(true);
    }
    if (auto* option = datumType_->button(v.datumType)) {
        option->setChecked(true);
    }
    ShowLocationType(v.locationType);
    EnableDatumBoxes(v.datumType == kSpecifiedDatum);
}

// General: two full-width "Location:" lines. Township and Range: county and state side by side,
// section, township and range on the line below.
void WellDatumDialog::ShowLocationType(int locationType) {
    const bool general = locationType == kGeneralLocation;
    QLineEdit* county = boxes_[kCounty];
    QLineEdit* state = boxes_[kState];
    wellGrid_->removeWidget(county);
    wellGrid_->removeWidget(state);
    wellGrid_->removeWidget(captions_[kCounty]);
    wellGrid_->removeWidget(captions_[kState]);
    wellGrid_->removeWidget(generalCaptions_[0]);
    wellGrid_->removeWidget(generalCaptions_[1]);
    if (general) {
        wellGrid_->addWidget(generalCaptions_[0], 1, 0);
        wellGrid_->addWidget(county, 1, 1, 1, kLastColumn);
        wellGrid_->addWidget(generalCaptions_[1], 2, 0);
        wellGrid_->addWidget(state, 2, 1, 1, kLastColumn);
    } else {
        wellGrid_->addWidget(captions_[kCounty], 1, 0);
        wellGrid_->addWidget(county, 1, 1);
        wellGrid_->addWidget(captions_[kState], 1, 2);
        wellGrid_->addWidget(state, 1, 3, 1, kLastColumn - 2);
    }
    for (QLabel* caption : generalCaptions_) {
        caption->setVisible(general);
    }
    for (int k : {kCounty, kState, kSection, kTownship, kRange}) {
        captions_[k]->setVisible(!general);
    }
    for (int k : {kSection, kTownship, kRange}) {
        boxes_[k]->setVisible(!general);
    }
    // A location line narrowed to a county shows its beginning.
    county->setCursorPosition(0);
    state->setCursorPosition(0);
}

// "Specify" opens the datum boxes for typing; "Start of Log" shows the datum as stored, greyed,
// since the datum then follows the first log sample.
void WellDatumDialog::ShowDatumType(int datumType) {
    const bool specified = datumType == kSpecifiedDatum;
    if (!specified) {
        boxes_[kDatumElevation]->setText(storedDatumElevation_);
        boxes_[kDatumVelocity]->setText(storedDatumVelocity_);
    }
    EnableDatumBoxes(specified);
}

void WellDatumDialog::EnableDatumBoxes(bool enabled) {
    boxes_[kDatumElevation]->setEnabled(enabled);
    boxes_[kDatumVelocity]->setEnabled(enabled);
}

WellDatumValues WellDatumDialog::Values() const {
    WellDatumValues v;
    v.wellName = TextOf(boxes_[kWellName]);
    for (int k = 0; k < 6; ++k) {
        v.wellLocation[static_cast<std::size_t>(k)] = TextOf(boxes_[kCounty + k]);
    }
    v.kbElevation = TextOf(boxes_[kKb]);
    v.glElevation = TextOf(boxes_[kGl]);
    v.datumElevation = TextOf(boxes_[kDatumElevation]);
    v.datumVelocity = TextOf(boxes_[kDatumVelocity]);
    v.locationType =
        locationType_->checkedId() == kGeneralLocation ? kGeneralLocation : kTownshipRange;
    v.datumType = datumType_->checkedId() == kSpecifiedDatum ? kSpecifiedDatum : kStartOfLog;
    return v;
}

void WellDatumDialog::accept() {
    if (auto problem = FindWellDatumProblem(Values())) {
        Refuse(refusal_, problem->message);
        QLineEdit* box = boxes_[static_cast<std::size_t>(problem->box)];
        box->setFocus();
        box->selectAll();
        emit inputRefused(Q(problem->message));
        return;
    }
    QDialog::accept();
}

std::optional<WellDatumValues> WellDatumDialog::Run(QWidget* parent, const Project& project) {
    WellDatumDialog dialog(project, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.Values();
}

}  // namespace tessarin
