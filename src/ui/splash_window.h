#pragma once

#include <QWidget>

namespace tessarin {

// The window that stands while the program starts: its picture, its name, and a label with the
// version on one line and the maker's notice on the next.
class SplashWindow : public QWidget {
    Q_OBJECT

public:
    SplashWindow();

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace tessarin
