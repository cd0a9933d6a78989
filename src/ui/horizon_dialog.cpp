#include "ui/horizon_dialog.h"

#include <QApplication>
#include <QFocusEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "files/horizon_file.h"
#include "model/error.h"
#include "model/numeric.h"
#include "ui/dialog_support.h"
#include "ui/file_dialogs.h"
#include "ui/numbered_rows.h"

namespace tessarin {
namespace {

const QString kTitle = QStringLiteral("Define Horizons and Formation Tops");
const QString kFileFilter = QStringLiteral("Project Files (*.hor)|*.hor|All Files (*.*)|*.*");
const QString kFileKind = QStringLiteral("horizon");
const QString kOpenTitle = QStringLiteral("Open Horizon File");

}  // namespace

std::optional<HorizonValues> HorizonDialog::Run(QWidget* parent, const Project& project) {
    HorizonDialog dialog(project, parent);
    dialog.exec();
    return dialog.Values();
}

HorizonDialog::HorizonDialog(const Project& project, QWidget* parent)
    : QDialog(parent), working_(project) {
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(kTitle);
    setModal(true);

    rows_ = new NumberedRows(
        kHorizonRows,
        {QStringLiteral("Horizon"), QStringLiteral("Label1"), QStringLiteral("Text1"), 24},
        {QStringLiteral("Depth"), QStringLiteral("Label2"), QStringLiteral("Text2"), 8}, this);
    for (int row = 0; row < kHorizonRows; ++row) {
        rows_->Second(row)->installEventFilter(this);
    }

    auto* buttons = MakeFileTableButtons(
        this, rows_->Second(kHorizonRows - 1), [this] { OpenFile(); }, [this] { SaveFile(); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(rows_);
    layout->addSpacing(fontMetrics().height() / 2);
    refusal_ = MakeRefusalLabel(this);
    layout->addWidget(refusal_);
    layout->addLayout(buttons);

    ShowTable();
}

void HorizonDialog::ShowTable() {
    const HorizonRows rows = RowsFromHorizonTable(working_);
    for (int i = 0; i < kHorizonRows; ++i) {
        rows_->First(i)->setText(QString::fromStdString(rows[i].name));
        rows_->Second(i)->setText(QString::fromStdString(rows[i].depth));
        // A long depth, such as the end of a log, shows its whole metres rather than its tail.
        rows_->Second(i)->setCursorPosition(0);
    }
    rows_->First(0)->setFocus();
    rows_->First(0)->selectAll();
}

HorizonRows HorizonDialog::Rows() const {
    HorizonRows rows;
    for (int i = 0; i < kHorizonRows; ++i) {
        rows[i] = {rows_->First(i)->text().toStdString(), rows_->Second(i)->text().toStdString()};
    }
    return rows;
}

bool HorizonDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut) {
        // Switching to another window is not leaving the box.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        const int row = rows_->RowOfSecond(watched);
        if (row >= 0 && reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            CheckDepth(row);
        }
    }
    return QDialog::eventFilter(watched, event);
}

bool HorizonDialog::CheckDepth(int row) {
    QLineEdit* depth = rows_->Second(row);
    switch (CheckHorizonDepth(working_, depth->text().toStdString())) {
        case DepthCheck::kAccepted:
            refusal_->hide();
            return true;
        case DepthCheck::kOutsideLog:
            // Said at once, and the typed depth stays selected to be corrected: a depth that
            // vanished without a word would look like a slip of the keyboard.
            Refuse(refusal_, DepthOutsideLogMessage(working_, depth->text().toStdString()));
            // The focus may be on its way elsewhere; it comes back once it has arrived.
            QTimer::singleShot(0, depth, [depth]() {
                depth->setFocus();
                depth->selectAll();
            });
            return false;
        case DepthCheck::kNotANumber:
            // Said at once; OK refuses it again with a message until it is corrected.
            Refuse(refusal_, QStringLiteral("The depth \"%1\" in row %2 is not a number.")
                                 .arg(depth->text())
                                 .arg(row + 1)
                                 .toStdString());
            return true;
    }
    return true;
}

bool HorizonDialog::BuildTable() {
    try {
        BuildHorizonTable(working_, Rows());
        return true;
    } catch (const Error& error) {
        QMessageBox::warning(this, kTitle, QString::fromStdString(error.what()));
        for (int row = 0; row < kHorizonRows; ++row) {
            QLineEdit* depth = rows_->Second(row);
            if (CheckHorizonDepth(working_, depth->text().toStdString()) ==
                DepthCheck::kNotANumber) {
                depth->setFocus();
                depth->selectAll();
                break;
            }
        }
        return false;
    }
}

void HorizonDialog::accept() {
    // Every depth is checked as if its box were left, the one Enter confirmed in included.
    for (int row = 0; row < kHorizonRows; ++row) {
        if (!CheckDepth(row)) {
            return;
        }
    }
    if (!BuildTable()) {
        return;
    }
    result_ = HorizonValues{working_.horizonCount, working_.horizonNames, working_.horizonDepths,
                            working_.horizonFileName};
    QDialog::accept();
}

void HorizonDialog::reject() {
    result_.reset();
    QDialog::reject();
}

void HorizonDialog::OpenFile() {
    const QString path =
        AskOpenFileName(this, {kFileKind, kOpenTitle, QStringLiteral("*.hor"), kFileFilter, 1, {}});
    if (path.isEmpty()) {
        return;
    }
    // Read into a copy: a file that is refused leaves the rows as they were.
    Project opened = working_;
    std::vector<HorizonEntry> leftOut;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    try {
        // Tops outside the log cannot be tied; the reader leaves them out and names them.
        leftOut = OpenHorizonFile(opened, path.toStdString());
    } catch (const Error& error) {
        QApplication::restoreOverrideCursor();
        QMessageBox::warning(this, kOpenTitle, QString::fromStdString(error.what()));
        return;
    }
    QApplication::restoreOverrideCursor();
    working_ = std::move(opened);
    ShowTable();
    if (!leftOut.empty()) {
        QMessageBox::information(this, kOpenTitle,
                                 QString::fromStdString(HorizonsLeftOutMessage(working_, leftOut)));
    }
}

void HorizonDialog::SaveFile() {
    if (!BuildTable()) {
        return;
    }
    const QString title = QStringLiteral("Save Horizon File");
    const QString path = AskSaveFileName(
        this, {kFileKind, title, QString::fromStdString(ProposedHorizonFileName(working_)),
               kFileFilter, 1, QStringLiteral("hor")});
    if (path.isEmpty()) {
        return;
    }
    working_.horizonFileName = path.toStdString();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    try {
        SaveHorizonFile(working_, path.toStdString());
    } catch (const Error& error) {
        QApplication::restoreOverrideCursor();
        QMessageBox::warning(this, title, QString::fromStdString(error.what()));
        return;
    }
    QApplication::restoreOverrideCursor();
}

}  // namespace tessarin
