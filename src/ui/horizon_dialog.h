#pragma once

// Define Horizons and Formation Tops: twenty rows of a name and a depth, with Open File and Save
// File for ".hor" files. A depth outside the log empties its row as soon as the depth box is
// left.
//
// Values in, values out: the dialog starts from a copy of the record (the horizon table, the log
// depths for the depth check, the project file name for Save File) and OK hands back the new
// table, sorted by depth. The caller applies it, marks the project changed, checks the menu item
// and recomputes a displayed synthetic. Cancel hands back nothing, even after Open File.

#include <QDialog>
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "files/horizon_table.h"
#include "model/project.h"

class QLabel;
class QLineEdit;

namespace tessarin {

class NumberedRows;

class HorizonDialog : public QDialog {
    Q_OBJECT

public:
    // Shows the dialog modally over `parent`; the new table on OK, nothing on Cancel.
    static std::optional<HorizonValues> Run(QWidget* parent, const Project& project);

    explicit HorizonDialog(const Project& project, QWidget* parent = nullptr);

    const std::optional<HorizonValues>& Values() const { return result_; }

    void accept() override;
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowTable();
    HorizonRows Rows() const;
    // False when the row's depth lies outside the log; the reason is shown and the depth is
    // selected to be corrected.
    bool CheckDepth(int row);
    bool BuildTable();
    void OpenFile();
    void SaveFile();

    Project working_;
    std::optional<HorizonValues> result_;
    NumberedRows* rows_ = nullptr;
    QLabel* refusal_ = nullptr;
};

}  // namespace tessarin
