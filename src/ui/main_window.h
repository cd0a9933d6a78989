#pragma once

#include <QMainWindow>

#include "model/project.h"

class QAction;
class QMenu;

namespace tessarin {

// The program's only top-level window: menu bar, and later the toolbar and the plot picture.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(Project& project, QWidget* parent = nullptr);

    // The action of a menu item by its name ("mnucalc"), or nullptr.
    QAction* MenuAction(const QString& name) const;

private:
    void BuildMenus();
    QMenu* AddMenu(const QString& name, const QString& caption);

    Project& project_;
};

}  // namespace tessarin
