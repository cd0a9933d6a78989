#pragma once

#include <QWidget>

class QLineEdit;
class QTextBrowser;
class QToolButton;

namespace tessarin {

// The help window: the program's help document in a browser with Back, Forward and Contents, and
// a box to find a word on the page. It stays open beside the main window while the user works.
class HelpViewer : public QWidget {
    Q_OBJECT

public:
    explicit HelpViewer(QWidget* parent);

    // Opens the help document at its contents.
    void ShowContents(const QString& helpFilePath);
    // Explains how to use this window.
    void ShowHelpOnHelp();

    QTextBrowser* Browser() const { return browser_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void FindNext();

    QTextBrowser* browser_;
    QLineEdit* find_;
    QToolButton* back_;
    QToolButton* forward_;
    QToolButton* home_;
};

}  // namespace tessarin
