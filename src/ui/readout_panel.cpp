#include "ui/readout_panel.h"

#include <QHBoxLayout>
#include <algorithm>

namespace tessarin {
namespace {

QLabel* MakeLabel(QWidget* parent, int index, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QStringLiteral("Label1_%1").arg(index));
    // The pointer moves on over the labels; the panel, not the label, hears it.
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    // Hidden fields keep their place, so that the others stand still.
    QSizePolicy policy = label->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    label->setSizePolicy(policy);
    return label;
}

}  // namespace

ReadoutPanel::ReadoutPanel(QWidget* parent) : PanelStrip(QStringLiteral("Picture3"), parent) {
    labels_[kDepthCaptionLabel] = MakeLabel(this, 0, QStringLiteral(" Depth ="));
    labels_[kTimeCaptionLabel] = MakeLabel(this, 1, QString::fromUtf8(kTimeCaption));
    labels_[kLogCaptionLabel] = MakeLabel(this, 2, QString::fromUtf8(kVelocityCaption));
    // Captions as wide as their widest alternative (" SS = " and " Depth = ", " Velocity =" and
    // " Density =").
    const QFontMetrics metrics = fontMetrics();
    labels_[kDepthCaptionLabel]->setMinimumWidth(
        metrics.horizontalAdvance(QString::fromUtf8(kDepthCaption)));
    labels_[kLogCaptionLabel]->setMinimumWidth(
        std::max(metrics.horizontalAdvance(QString::fromUtf8(kVelocityCaption)),
                 metrics.horizontalAdvance(QString::fromUtf8(kDensityCaption))));
    // Values are right-aligned in fields wide enough for the longest, so that the fields stand
    // still while the pointer moves.
    const int valueWidth = fontMetrics().horizontalAdvance(QStringLiteral("-00000.000")) + 8;
    for (int i = kDepth; i <= kLog; ++i) {
        QLabel* value = MakeLabel(this, i, QString());
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        value->setMinimumWidth(valueWidth);
        value->setContentsMargins(4, 0, 4, 0);
        labels_[static_cast<std::size_t>(i)] = value;
    }

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 5, 6, 4);
    layout->setSpacing(4);
    // Time first: it is the one field shown wherever the pointer is.
    for (const auto& [caption, value] :
         {std::pair{kTimeCaptionLabel, kTime}, std::pair{kDepthCaptionLabel, kDepth},
          std::pair{kLogCaptionLabel, kLog}}) {
        layout->addWidget(labels_[caption]);
        layout->addWidget(labels_[value]);
        layout->addSpacing(12);
    }
    layout->addStretch(1);
    setFixedHeight(fontMetrics().height() + 12);
    HideValues();
}

void ReadoutPanel::SetField(Field caption, Field value, const std::string& captionText,
                            const std::string& valueText) {
    labels_[caption]->setText(QString::fromStdString(captionText));
    labels_[value]->setText(QString::fromStdString(valueText));
    labels_[caption]->setVisible(true);
    labels_[value]->setVisible(true);
}

void ReadoutPanel::Show(const ReadoutText& readout) {
    if (!readout.inTimeRange) {
        HideValues();
        return;
    }
    SetField(kDepthCaptionLabel, kDepth, readout.depthCaption, readout.depth);
    SetField(kTimeCaptionLabel, kTime, kTimeCaption, readout.time);
    if (readout.logCaption.empty()) {
        labels_[kLogCaptionLabel]->setVisible(false);
        labels_[kLog]->setVisible(false);
    } else {
        SetField(kLogCaptionLabel, kLog, readout.logCaption, readout.logValue);
    }
    update();
}

void ReadoutPanel::HideValues() {
    for (QLabel* label : labels_) {
        label->setVisible(label == labels_[kTimeCaptionLabel]);
    }
    update();
}

void ReadoutPanel::paintEvent(QPaintEvent* event) {
    PanelStrip::paintEvent(event);
    for (int i = kDepth; i <= kLog; ++i) {
        const QLabel* value = labels_[static_cast<std::size_t>(i)];
        if (value->isVisible()) {
            DrawSunkenFrame(this, value->geometry());
        }
    }
}

}  // namespace tessarin
