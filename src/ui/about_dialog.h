#pragma once

#include <QDialog>

namespace tessarin {

// "About Tessarin": the program's picture, its version and the maker's notice, and OK.
class AboutDialog : public QDialog {
    Q_OBJECT

public:
    explicit AboutDialog(QWidget* parent);
};

}  // namespace tessarin
