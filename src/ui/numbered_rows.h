#pragma once

// Twenty numbered rows of two text boxes, as the velocity survey and horizon dialogs show their
// tables. The rows stand in two blocks of ten side by side, so the dialog fits a laptop screen at
// any scale; each block has its own column headings. The boxes are created row by row, so the
// Tab key walks them in the order of their numbers.

#include <QList>
#include <QString>
#include <QWidget>

class QLineEdit;

namespace tessarin {

class NumberedRows : public QWidget {
    Q_OBJECT

public:
    struct Column {
        QString heading;      // "Depth"
        QString headingName;  // objectName of the first block's heading, "Label1"
        QString boxName;      // objectName stem of the boxes: "Text1" gives "Text1_0" ...
        int widthInDigits;    // the box is wide enough for this many digits
    };

    NumberedRows(int rowCount, const Column& first, const Column& second,
                 QWidget* parent = nullptr);

    int RowCount() const { return static_cast<int>(first_.size()); }
    QLineEdit* First(int row) const { return first_[row]; }
    QLineEdit* Second(int row) const { return second_[row]; }
    // The row of a box of the second column, or -1.
    int RowOfSecond(const QObject* box) const;

private:
    QList<QLineEdit*> first_;
    QList<QLineEdit*> second_;
};

}  // namespace tessarin
