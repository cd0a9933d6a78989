#pragma once

// Import LAS File: the user picks the curve to import and the depth range, helped by a viewer
// that shows the depth and the chosen curve eleven lines at a time, anywhere in the file. The
// viewer seeks straight to the lines it shows, so scrolling a file of tens of thousands of lines
// stays immediate.
//
// Values in, values out: the dialog reads the file and hands back a LogFileChoice for the import
// (the curve's list index and the depth range as numbers); it changes nothing else.

#include <QDialog>
#include <optional>

#include "import/las_reader.h"
#include "import/log_import.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QScrollBar;

namespace tessarin {

class LasImportDialog : public QDialog {
    Q_OBJECT

public:
    // The whole step of the import: reads the header of the LAS file at `path` and, when it reads,
    // shows the dialog modally over `parent` with `curveFrameCaption` (" Select SONIC curve and
    // double click or click OK ") over the curve list. A header that does not read shows the
    // reader's message ("File Format Error", exclamation icon). Nothing comes back after such a
    // failure or after Cancel.
    static std::optional<LogFileChoice> Choose(QWidget* parent, const QString& path,
                                               const QString& curveFrameCaption);

    // The dialog over a header already read; the first curve after the depth is selected.
    LasImportDialog(LasFile file, LasHeader header, const QString& curveFrameCaption,
                    QWidget* parent = nullptr);

    // What OK chose; nothing before OK or after Cancel.
    const std::optional<LogFileChoice>& Choice() const { return choice_; }

    void accept() override;
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* BuildCurveFrame(const QString& caption);
    QWidget* BuildDepthFrame();
    QWidget* BuildViewerFrame();
    void RefreshViewer();
    std::optional<double> DepthIn(QLineEdit* box, const QString& what);

    LasFile file_;
    LasHeader header_;
    std::optional<LogFileChoice> choice_;

    QListWidget* curves_ = nullptr;
    QLineEdit* startDepth_ = nullptr;
    QLineEdit* stopDepth_ = nullptr;
    QLabel* viewer_ = nullptr;
    QScrollBar* scroll_ = nullptr;
};

}  // namespace tessarin
