#pragma once

#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <array>

#include "ui/tool_pictures.h"

class QLabel;

namespace tessarin {

class MainActions;
class ToolButton;
class ToolTipFrame;

// The toolbar strip under the menu bar: twelve picture buttons that run the most used commands,
// with a help line (in a help strip the window places) and a tip under the button that the
// pointer rests on. Each button shares its menu item's action: a click triggers it, and the
// button is greyed while the action is disabled.
//
// Children by objectName: the strip is "Picture2"; its buttons "ToolNew", "ToolOpen",
// "ToolSave", "ToolWell", "ToolLogs", "ToolTops", "ToolWave", "ToolScales", "ToolPlot",
// "ToolSeismic", "ToolPrint", "ToolHelp"; the help strip "Picture5" holds the help line
// "StatusLabel"; the tip is the label "TipLabel" inside its frame "TipFrame", shown over the window
// below the strip.
class ToolBarStrip : public QWidget {
    Q_OBJECT

public:
    static constexpr int kHeight = 29;

    explicit ToolBarStrip(const MainActions& actions, QWidget* parent = nullptr);
    ~ToolBarStrip() override;

    // The strip holding the help line. It starts hidden; the window puts it in its layout and
    // shows it while "Toolbar Help" is checked. Until then the toolbar owns it.
    QWidget* HelpStrip() const;

    // Stops a pending tip and hides the help line and the tip: for the pointer moving over the
    // plot or the readout, and for a menu being opened.
    void HideHoverLabels();

signals:
    // The pointer moved over the toolbar or its help strip: the window hides its readout values.
    void PointerOverToolbar();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void PointerOverButton(int index, int x);
    void ShowLabels();
    void PlaceTip();

    std::array<ToolButton*, kToolCount> buttons_{};
    QPointer<QWidget> helpStrip_;
    QPointer<QLabel> status_;
    QPointer<ToolTipFrame> tip_;
    QTimer tipTimer_;
    double tipPositionTwips_ = 0;  // from the strip's left edge
};

}  // namespace tessarin
