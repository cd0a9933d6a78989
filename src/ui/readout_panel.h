#pragma once

#include <QLabel>
#include <array>

#include "plot/readout_values.h"
#include "ui/panel_strip.h"

namespace tessarin {

// The pointer readout at the bottom of the main window (`Picture3`): the depth, the two-way time
// and the velocity or density under the pointer, each a caption and a framed value. The labels
// are `Label1_0` to `Label1_5`: the depth, time and log captions, then their three values.
class ReadoutPanel : public PanelStrip {
    Q_OBJECT

public:
    explicit ReadoutPanel(QWidget* parent);

    // Shows the readout of a pointer position; outside the time range only the time caption
    // stays.
    void Show(const ReadoutText& readout);
    // Hides every field but the time caption.
    void HideValues();

    QLabel* Label(int index) const { return labels_[static_cast<std::size_t>(index)]; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    enum Field { kDepthCaptionLabel, kTimeCaptionLabel, kLogCaptionLabel, kDepth, kTime, kLog };
    void SetField(Field caption, Field value, const std::string& captionText,
                  const std::string& valueText);

    std::array<QLabel*, 6> labels_{};
};

}  // namespace tessarin
