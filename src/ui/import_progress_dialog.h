#pragma once

// The progress window of the log import: which file is being imported, the step under way and a
// bar. The import reports to it through ImportProgress while it runs on the window's thread, so
// the window repaints itself at each report instead of waiting for the event loop.
//
// Not modal: Begin shows it over its parent, End hides it. One window serves every routine of an
// import (sonic, then density).

#include <QDialog>

#include "import/import_progress.h"

class QLabel;

namespace tessarin {

// The bar (Picture1): light grey, filled with blue from the left to the fraction done.
class ProgressBarPicture : public QWidget {
    Q_OBJECT

public:
    explicit ProgressBarPicture(QWidget* parent = nullptr);

    double Fraction() const { return fraction_; }
    // Sets the fraction (clamped to 0..1); true when the blue part changed by a pixel or more, so
    // that a caller repaints only then.
    bool SetFraction(double fraction);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int FilledWidth(double fraction) const;

    double fraction_ = 0.0;
};

class ImportProgressDialog : public QDialog, public ImportProgress {
    Q_OBJECT

public:
    explicit ImportProgressDialog(QWidget* parent = nullptr);

    void Begin(const std::string& caption, const std::string& path) override;
    void Step(const std::string& label) override;
    void Advance(double fraction) override;
    void End() override;

private:
    void PlaceOverParent();
    void ShowNow();

    QLabel* path_ = nullptr;
    QLabel* step_ = nullptr;
    ProgressBarPicture* bar_ = nullptr;
};

}  // namespace tessarin
