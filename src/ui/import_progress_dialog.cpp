#include "ui/import_progress_dialog.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace tessarin {
namespace {

const QColor kBarBackground(192, 192, 192);
const QColor kBarFill(0, 0, 255);

QLabel* NamedLabel(const QString& name, const QString& text) {
    auto* label = new QLabel(text);
    label->setObjectName(name);
    return label;
}

}  // namespace

ProgressBarPicture::ProgressBarPicture(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Picture1"));
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QSize ProgressBarPicture::sizeHint() const {
    // About 160 by 20 pixels at the usual font size, growing with the font.
    const int unit = fontMetrics().averageCharWidth();
    return {unit * 28, fontMetrics().height() + 6};
}

int ProgressBarPicture::FilledWidth(double fraction) const {
    return static_cast<int>(std::lround((width() - 2) * fraction));
}

bool ProgressBarPicture::SetFraction(double fraction) {
    fraction = std::clamp(fraction, 0.0, 1.0);
    const bool visibleChange = FilledWidth(fraction) != FilledWidth(fraction_);
    fraction_ = fraction;
    return visibleChange;
}

void ProgressBarPicture::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Mid));
    const QRect area = rect().adjusted(1, 1, -1, -1);
    painter.fillRect(area, kBarBackground);
    painter.fillRect(QRect(area.left(), area.top(), FilledWidth(fraction_), area.height()),
                     kBarFill);
}

ImportProgressDialog::ImportProgressDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName(QStringLiteral("resampform"));
    setModal(false);

    path_ = NamedLabel(QStringLiteral("Label4"), QString());
    step_ = NamedLabel(QStringLiteral("Label1"), QString());
    bar_ = new ProgressBarPicture;
    auto* zero = NamedLabel(QStringLiteral("Label2"), QStringLiteral("0"));
    auto* hundred = NamedLabel(QStringLiteral("Label3"), QStringLiteral("100"));

    // Each end label is centred under its end of the bar: the bar is inset by half of each label.
    const QFontMetrics metrics(font());
    const int zeroHalf = metrics.horizontalAdvance(zero->text()) / 2 + 1;
    const int hundredHalf = metrics.horizontalAdvance(hundred->text()) / 2 + 1;
    auto* scale = new QGridLayout;
    scale->setSpacing(2);
    scale->setContentsMargins(0, 0, 0, 0);
    scale->setColumnMinimumWidth(0, zeroHalf);
    scale->setColumnMinimumWidth(2, hundredHalf);
    scale->addWidget(bar_, 0, 1);
    scale->addWidget(zero, 1, 0, 1, 2, Qt::AlignLeft);
    scale->addWidget(hundred, 1, 1, 1, 2, Qt::AlignRight);

    auto* centred = new QHBoxLayout;
    centred->addStretch(1);
    centred->addLayout(scale);
    centred->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(NamedLabel(QStringLiteral("Label5"), QStringLiteral("Importing")));
    layout->addWidget(path_);
    layout->addSpacing(metrics.height() / 2);
    layout->addWidget(step_);
    layout->addLayout(centred);
    layout->setSizeConstraint(QLayout::SetMinimumSize);
    setMinimumWidth(metrics.averageCharWidth() * 40);
}

void ImportProgressDialog::Begin(const std::string& caption, const std::string& path) {
    setWindowTitle(QString::fromStdString(caption));
    path_->setText(QString::fromStdString(path));
    step_->clear();
    bar_->SetFraction(0.0);
    adjustSize();
    PlaceOverParent();
    ShowNow();
}

void ImportProgressDialog::Step(const std::string& label) {
    step_->setText(QString::fromStdString(label));
    bar_->SetFraction(0.0);
    ShowNow();
}

void ImportProgressDialog::Advance(double fraction) {
    if (bar_->SetFraction(fraction) && isVisible()) {
        bar_->repaint();
    }
}

void ImportProgressDialog::End() {
    hide();
}

void ImportProgressDialog::PlaceOverParent() {
    if (QWidget* over = parentWidget()) {
        const QRect frame = over->window()->frameGeometry();
        move(frame.center() - QPoint(width() / 2, height() / 2));
    }
}

void ImportProgressDialog::ShowNow() {
    // The import holds the event loop, so the window is shown and painted here and now. Only
    // paint and window events are handled: the user's clicks wait until the import is done.
    if (!isVisible()) {
        show();
        raise();
    }
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    repaint();
}

}  // namespace tessarin
