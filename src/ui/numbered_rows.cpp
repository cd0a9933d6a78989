#include "ui/numbered_rows.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

namespace tessarin {
namespace {

constexpr int kRowsPerBlock = 10;

QLabel* Heading(const NumberedRows::Column& column, bool firstBlock) {
    auto* label = new QLabel(column.heading);
    if (firstBlock) {
        label->setObjectName(column.headingName);
    }
    return label;
}

QLineEdit* Box(const NumberedRows::Column& column, int row) {
    auto* box = new QLineEdit;
    box->setObjectName(QStringLiteral("%1_%2").arg(column.boxName).arg(row));
    const QFontMetrics metrics(box->font());
    box->setMinimumWidth(
        metrics.horizontalAdvance(QString(column.widthInDigits, QLatin1Char('0'))) +
        metrics.averageCharWidth() * 2);
    return box;
}

}  // namespace

NumberedRows::NumberedRows(int rowCount, const Column& first, const Column& second, QWidget* parent)
    : QWidget(parent) {
    auto* blocks = new QHBoxLayout(this);
    blocks->setContentsMargins(0, 0, 0, 0);
    QGridLayout* grid = nullptr;
    for (int row = 0; row < rowCount; ++row) {
        const int line = row % kRowsPerBlock;
        if (line == 0) {
            grid = new QGridLayout;
            grid->setVerticalSpacing(2);
            grid->setColumnStretch(1, first.widthInDigits);
            grid->setColumnStretch(2, second.widthInDigits);
            grid->addWidget(Heading(first, row == 0), 0, 1);
            grid->addWidget(Heading(second, row == 0), 0, 2);
            if (row > 0) {
                blocks->addSpacing(fontMetrics().averageCharWidth() * 2);
            }
            blocks->addLayout(grid, 1);
        }
        auto* number = new QLabel(QString::number(row + 1));
        number->setObjectName(QStringLiteral("Label3_%1").arg(row));
        number->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        first_ << Box(first, row);
        second_ << Box(second, row);
        number->setBuddy(first_.back());
        grid->addWidget(number, line + 1, 0);
        grid->addWidget(first_.back(), line + 1, 1);
        grid->addWidget(second_.back(), line + 1, 2);
    }
    for (int row = 0; row < rowCount; ++row) {
        QWidget::setTabOrder(first_[row], second_[row]);
        if (row + 1 < rowCount) {
            QWidget::setTabOrder(second_[row], first_[row + 1]);
        }
    }
}

int NumberedRows::RowOfSecond(const QObject* box) const {
    for (int row = 0; row < second_.size(); ++row) {
        if (second_[row] == box) {
            return row;
        }
    }
    return -1;
}

}  // namespace tessarin
