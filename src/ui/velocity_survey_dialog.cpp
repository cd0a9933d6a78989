#include "ui/velocity_survey_dialog.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "import/import_error.h"
#include "model/numeric.h"
#include "ui/dialog_support.h"
#include "ui/file_dialogs.h"
#include "ui/numbered_rows.h"

namespace tessarin {
namespace {

const QString kTitle = QStringLiteral("Velocity Survey");
const QString kFileFilter = QStringLiteral("Project Files (*.vs)|*.vs|All Files (*.*)|*.*");
const QString kFileKind = QStringLiteral("survey");

QLabel* NamedLabel(const QString& name, const QString& text) {
    auto* label = new QLabel(text);
    label->setObjectName(name);
    return label;
}

QLineEdit* ValueBox(const QString& name, const Value& value, QWidget* dialog) {
    auto* box = new QLineEdit(QString::fromStdString(value.ToText()), dialog);
    box->setObjectName(name);
    box->setMaximumWidth(box->fontMetrics().horizontalAdvance(QString(14, QLatin1Char('0'))));
    return box;
}

// One of two captions of a box by the project's units; the other is kept, hidden, so that each
// caption keeps its own name.
void AddUnitCaptions(QGridLayout* grid, int row, QLabel* feet, QLabel* metres, bool english) {
    feet->setVisible(english);
    metres->setVisible(!english);
    grid->addWidget(feet, row, 0);
    grid->addWidget(metres, row, 0);
}

// The survey file is named after the project: well.tsp gives well.vs.
QString ProposedSurveyFileName(const std::string& projectFileName) {
    const std::string& name = projectFileName;
    return QString::fromStdString(name.substr(0, name.size() >= 3 ? name.size() - 3 : 0) + "vs");
}

}  // namespace

std::optional<VelocitySurveyValues> VelocitySurveyDialog::Run(QWidget* parent,
                                                              const Project& project) {
    VelocitySurveyDialog dialog(project, parent);
    dialog.exec();
    return dialog.Values();
}

VelocitySurveyDialog::VelocitySurveyDialog(const Project& project, QWidget* parent)
    : QDialog(parent), working_(project) {
    setObjectName(QStringLiteral("velsurvform"));
    setWindowTitle(kTitle);
    setModal(true);

    rows_ = new NumberedRows(
        kVelocitySurveyRows,
        {QStringLiteral("Depth"), QStringLiteral("Label1"), QStringLiteral("Text1"), 8},
        {QStringLiteral("Two-way Time"), QStringLiteral("Label2"), QStringLiteral("Text2"), 8},
        this);

    auto* note = NamedLabel(
        QStringLiteral("Label6"),
        QStringLiteral("Depth values must be depth in feet or meters below the velocity survey "
                       "datum.                         Times must be two-way times in seconds "
                       "measured from the velocity survey datum."));
    note->setWordWrap(true);

    datum_ = ValueBox(QStringLiteral("Text3"), project.velocitySurveyDatumElevation, this);
    kb_ = ValueBox(QStringLiteral("Text4"), project.kbElevation, this);
    const bool english = project.measurementUnits == kEnglish;
    auto* datumFeet = NamedLabel(QStringLiteral("Label4"),
                                 QStringLiteral("Velocity Survey Datum Elevation (feet):"));
    auto* datumMetres = NamedLabel(QStringLiteral("Label5"),
                                   QStringLiteral("Velocity Survey Datum Elevation (m):"));
    auto* kbFeet =
        NamedLabel(QStringLiteral("Label7"), QStringLiteral("Well Datum Elevation - KB (feet):"));
    auto* kbMetres =
        NamedLabel(QStringLiteral("Label8"), QStringLiteral("Well Datum Elevation - KB (m):"));
    (english ? datumFeet : datumMetres)->setBuddy(datum_);
    (english ? kbFeet : kbMetres)->setBuddy(kb_);
    auto* elevations = new QGridLayout;
    AddUnitCaptions(elevations, 0, datumFeet, datumMetres, english);
    AddUnitCaptions(elevations, 1, kbFeet, kbMetres, english);
    elevations->addWidget(datum_, 0, 1);
    elevations->addWidget(kb_, 1, 1);
    elevations->setColumnStretch(2, 1);

    QWidget::setTabOrder(rows_->Second(kVelocitySurveyRows - 1), datum_);
    QWidget::setTabOrder(datum_, kb_);
    auto* buttons = MakeFileTableButtons(
        this, kb_, [this] { OpenFile(); }, [this] { SaveFile(); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(rows_);
    layout->addSpacing(fontMetrics().height() / 2);
    layout->addLayout(elevations);
    layout->addWidget(note);
    layout->addSpacing(fontMetrics().height() / 2);
    layout->addLayout(buttons);

    ShowSurvey(VelocitySurveyOf(project));
}

void VelocitySurveyDialog::ShowSurvey(const VelocitySurvey& survey) {
    datum_->setText(QString::fromStdString(survey.datumElevation.ToText()));
    const VelocitySurveyRows rows = VelocitySurveyRowsOf(survey);
    for (int i = 0; i < kVelocitySurveyRows; ++i) {
        rows_->First(i)->setText(QString::fromStdString(rows[i].depth));
        rows_->Second(i)->setText(QString::fromStdString(rows[i].time));
    }
    datum_->selectAll();
    FocusFirstDepth();
}

void VelocitySurveyDialog::FocusFirstDepth() {
    rows_->First(0)->setFocus();
    rows_->First(0)->selectAll();
}

VelocitySurveyRows VelocitySurveyDialog::Rows() const {
    VelocitySurveyRows rows;
    for (int i = 0; i < kVelocitySurveyRows; ++i) {
        rows[i] = {rows_->First(i)->text().toStdString(), rows_->Second(i)->text().toStdString()};
    }
    return rows;
}

bool VelocitySurveyDialog::CheckNumber(QLineEdit* box, const QString& what) {
    if (ParseNumber(box->text().toStdString())) {
        return true;
    }
    QMessageBox::warning(this, kTitle,
                         QStringLiteral("The %1 \"%2\" is not a number.").arg(what, box->text()));
    box->setFocus();
    box->selectAll();
    return false;
}

bool VelocitySurveyDialog::CheckRowNumbers() {
    // Only the complete rows are taken, so only their boxes must hold numbers.
    for (int i = 0; i < kVelocitySurveyRows; ++i) {
        QLineEdit* depth = rows_->First(i);
        QLineEdit* time = rows_->Second(i);
        if (depth->text().isEmpty() || time->text().isEmpty()) {
            continue;
        }
        if (!CheckNumber(depth, QStringLiteral("depth in row %1").arg(i + 1)) ||
            !CheckNumber(time, QStringLiteral("time in row %1").arg(i + 1))) {
            return false;
        }
    }
    return true;
}

void VelocitySurveyDialog::accept() {
    // The elevations are stored as typed; a text that is no number would only fail later, in the
    // import or when the project file is read again, so it is stopped here.
    if (!CheckRowNumbers() ||
        !CheckNumber(datum_, QStringLiteral("velocity survey datum elevation")) ||
        !CheckNumber(kb_, QStringLiteral("KB elevation"))) {
        return;
    }
    if (!AcceptVelocitySurvey(working_, Rows(), datum_->text().toStdString(),
                              kb_->text().toStdString())) {
        // Fewer than two complete rows: the dialog stays open and says what it needs.
        QMessageBox::warning(this, kTitle, QString::fromUtf8(import_message::kSurveyTooFewRows));
        FocusFirstDepth();
        return;
    }
    const VelocitySurvey accepted = VelocitySurveyOf(working_);
    ShowSurvey(accepted);
    result_ = VelocitySurveyValues{accepted, working_.kbElevation};
    QDialog::accept();
}

void VelocitySurveyDialog::reject() {
    result_.reset();
    QDialog::reject();
}

void VelocitySurveyDialog::OpenFile() {
    const QString path =
        AskOpenFileName(this, {kFileKind, QStringLiteral("Open Velocity Survey File"),
                               QStringLiteral("*.vs"), kFileFilter, 1, QString()});
    if (path.isEmpty()) {
        return;
    }
    try {
        ShowSurvey(ReadVelocitySurveyFile(path.toStdString()));
    } catch (const ImportError& error) {
        // The rows keep what they showed, so nothing typed is lost to a wrong file.
        QMessageBox::warning(this, QString::fromStdString(error.Title()),
                             QString::fromStdString(error.what()));
    }
}

void VelocitySurveyDialog::SaveFile() {
    if (!CheckRowNumbers() ||
        !CheckNumber(datum_, QStringLiteral("velocity survey datum elevation"))) {
        return;
    }
    const VelocitySurvey survey = CollectVelocitySurveyRows(Rows(), datum_->text().toStdString());
    const QString title = QStringLiteral("Save Velocity Survey File");
    const QString path =
        AskSaveFileName(this, {kFileKind, title, ProposedSurveyFileName(working_.projectFileName),
                               kFileFilter, 1, QStringLiteral("vs")});
    if (path.isEmpty()) {
        return;
    }
    try {
        WriteVelocitySurveyFile(path.toStdString(), survey);
    } catch (const Error& error) {
        QMessageBox::warning(this, title, QString::fromStdString(error.what()));
    }
}

}  // namespace tessarin
