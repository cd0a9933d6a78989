#include "ui/tool_bar.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <cmath>

#include "ui/main_actions.h"
#include "ui/tool_button.h"

namespace tessarin {
namespace {

// Everything the toolbar knows about one button, in the order of the tool index.
struct ToolEntry {
    Tool tool;
    const char* name;
    int left;            // pixels from the strip's left edge
    const char* status;  // the help line; the blanks pad the label
    const char* tip;
    Command command;  // the menu item's action, which the button shares
};

constexpr std::array<ToolEntry, kToolCount> kTools = {{
    {Tool::Open, "ToolOpen", 31, " Open an existing Tessarin project ", " Open Project ",
     Command::kOpenProject},
    {Tool::Save, "ToolSave", 54, " Save a Tessarin project ", " Save Project As ",
     Command::kSaveProjectAs},
    {Tool::Plot, "ToolPlot", 202, " Display the Tessarin synthetic seismogram on the screen ",
     " Display Synthetic ", Command::kDisplaySynthetic},
    {Tool::Print, "ToolPrint", 258, " Print the Tessarin synthetic seismogram on the printer ",
     " Print Synthetic ", Command::kPrintSynthetic},
    {Tool::New, "ToolNew", 8, " Create a new Tessarin project ", " New Project ",
     Command::kNewProject},
    {Tool::Scales, "ToolScales", 179, " Set scales for the Tessarin synthetic seismogram ",
     " Set Scales ", Command::kSetScales},
    {Tool::Well, "ToolWell", 87, " Enter well and datum information ",
     " Well and Datum Information ", Command::kWellInformation},
    {Tool::Logs, "ToolLogs", 110, " Import sonic and density logs into Tessarin ",
     " Import Sonic/Density Logs ", Command::kImportLogs},
    {Tool::Tops, "ToolTops", 133, " Define horizons and formation tops to label on displays ",
     " Define Horizons ", Command::kDefineHorizons},
    {Tool::Wave, "ToolWave", 156, " Select a wavelet to apply ", " Select Wavelet ",
     Command::kSelectWavelet},
    {Tool::Help, "ToolHelp", 291, " Help contents for Tessarin ", " Help Contents ",
     Command::kHelpContents},
    // Added for the seismic tie, after Display in its group: Print and Help moved one button
    // (23 pixels) right to make room.
    {Tool::Seismic, "ToolSeismic", 225, " Load the seismic trace at the well ",
     " Load Seismic Trace ", Command::kLoadSeismicTrace},
}};

constexpr bool InToolIndexOrder() {
    for (int i = 0; i < kToolCount; ++i) {
        if (static_cast<int>(kTools[i].tool) != i) {
            return false;
        }
    }
    return true;
}
static_assert(InToolIndexOrder(), "the help texts are looked up by tool index");

constexpr int kButtonTop = 3;
constexpr int kTipDelayMs = 100;
constexpr double kTipOffsetTwips = 200;
constexpr QPoint kStatusPlace{6, 3};

const QColor kFrameGrey(128, 128, 128);
const QColor kFrameWhite(255, 255, 255);

// The classic panel edge: a grey and a white line along the top, a black line along the bottom.
void DrawPanelEdges(QWidget* panel) {
    QPainter p(panel);
    const int w = panel->width();
    const int h = panel->height();
    p.fillRect(panel->rect(), panel->palette().color(QPalette::Window));
    p.fillRect(0, 0, w, 1, kFrameGrey);
    p.fillRect(0, 1, w, 1, kFrameWhite);
    p.fillRect(0, h - 1, w, 1, Qt::black);
}

// The strip below the toolbar that carries the help line.
class HelpStripPanel : public QWidget {
public:
    HelpStripPanel() {
        setObjectName(QStringLiteral("Picture5"));
        setMouseTracking(true);
        setAttribute(Qt::WA_OpaquePaintEvent);
        setFixedHeight(fontMetrics().height() + 2 * kStatusPlace.y() + 1);
    }

protected:
    void paintEvent(QPaintEvent*) override { DrawPanelEdges(this); }
};

}  // namespace

// The tip label in a one-pixel three-dimensional frame: grey above and left, white below and
// right, as the readout fields are framed.
class ToolTipFrame : public QWidget {
public:
    explicit ToolTipFrame(QWidget* parent) : QWidget(parent), label_(new QLabel(this)) {
        setObjectName(QStringLiteral("TipFrame"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        label_->setObjectName(QStringLiteral("TipLabel"));
        label_->setTextFormat(Qt::PlainText);
        label_->setAutoFillBackground(true);
        label_->setForegroundRole(QPalette::ToolTipText);
        label_->setBackgroundRole(QPalette::ToolTipBase);
        label_->setContentsMargins(0, 1, 0, 1);
        label_->move(1, 1);
    }

    QLabel* Label() const { return label_; }

    void SetText(const QString& text) {
        label_->setText(text);
        label_->adjustSize();
        resize(label_->size() + QSize(2, 2));
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        const int r = width() - 1;
        const int b = height() - 1;
        p.fillRect(0, 0, width(), 1, kFrameGrey);
        p.fillRect(0, 0, 1, height(), kFrameGrey);
        p.fillRect(0, b, width(), 1, kFrameWhite);
        p.fillRect(r, 0, 1, height(), kFrameWhite);
    }

private:
    QLabel* label_;
};

ToolBarStrip::ToolBarStrip(const MainActions& actions, QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Picture2"));
    setFixedHeight(kHeight);
    setMinimumWidth(kTools[static_cast<int>(Tool::Help)].left + kToolPictureSize.width() + 8);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);

    for (int i = 0; i < kToolCount; ++i) {
        const ToolEntry& entry = kTools[i];
        auto* button = new ToolButton(entry.tool, actions(entry.command), this);
        button->setObjectName(QString::fromLatin1(entry.name));
        button->move(entry.left, kButtonTop);
        connect(button, &ToolButton::PointerMoved, this,
                [this, i](int x) { PointerOverButton(i, x); });
        connect(button, &ToolButton::Pressed, this, &ToolBarStrip::HideHoverLabels);
        buttons_[i] = button;
    }

    helpStrip_ = new HelpStripPanel;
    helpStrip_->hide();
    helpStrip_->installEventFilter(this);
    status_ = new QLabel(helpStrip_);
    status_->setObjectName(QStringLiteral("StatusLabel"));
    status_->setTextFormat(Qt::PlainText);
    status_->hide();

    tip_ = new ToolTipFrame(this);
    tip_->hide();

    tipTimer_.setSingleShot(true);
    tipTimer_.setInterval(kTipDelayMs);
    connect(&tipTimer_, &QTimer::timeout, this, &ToolBarStrip::ShowLabels);
}

ToolBarStrip::~ToolBarStrip() {
    // The tip lives on the window and the help strip wherever the window put it; neither may
    // outlive the toolbar that drives it, unless the window has taken the help strip over.
    delete tip_;
    if (helpStrip_ != nullptr && helpStrip_->parent() == nullptr) {
        delete helpStrip_;
    }
}

QWidget* ToolBarStrip::HelpStrip() const {
    return helpStrip_;
}

void ToolBarStrip::HideHoverLabels() {
    tipTimer_.stop();
    if (status_ != nullptr) {
        status_->hide();
    }
    if (tip_ != nullptr) {
        tip_->hide();
    }
}

void ToolBarStrip::PointerOverButton(int index, int x) {
    const ToolEntry& entry = kTools[index];
    const double twipsPerPixel = 1440.0 / logicalDpiX();
    tipPositionTwips_ = (entry.left + x) * twipsPerPixel + kTipOffsetTwips;

    // A label whose text changes is hidden first, so that it never shows the text of one button
    // at the place of another; a label already showing the right text stays where it is.
    const QString status = QString::fromLatin1(entry.status);
    if (status_ != nullptr && status_->text() != status) {
        status_->hide();
        status_->setText(status);
        status_->adjustSize();
    }
    const QString tip = QString::fromLatin1(entry.tip);
    if (tip_ != nullptr && tip_->Label()->text() != tip) {
        tip_->hide();
        tip_->SetText(tip);
    }
    tipTimer_.start();
    emit PointerOverToolbar();
}

void ToolBarStrip::ShowLabels() {
    if (status_ != nullptr && status_->isHidden()) {
        status_->move(kStatusPlace);
        status_->show();
    }
    if (tip_ != nullptr && tip_->isHidden()) {
        PlaceTip();
        tip_->show();
        tip_->raise();
    }
}

// The tip hangs just below the strip, over whatever the window shows there, so it belongs to
// the window rather than to the strip; it is kept inside the window so it is never cut off.
void ToolBarStrip::PlaceTip() {
    QWidget* host = window();
    if (tip_->parentWidget() != host) {
        tip_->setParent(host);
    }
    const double twipsPerPixel = 1440.0 / logicalDpiX();
    const int tipLeft = static_cast<int>(std::lround(tipPositionTwips_ / twipsPerPixel));
    QPoint place = mapTo(host, QPoint(tipLeft - 1, height()));
    place.setX(std::max(0, std::min(place.x(), host->width() - tip_->width())));
    tip_->move(place);
}

void ToolBarStrip::paintEvent(QPaintEvent*) {
    DrawPanelEdges(this);
}

void ToolBarStrip::mouseMoveEvent(QMouseEvent* event) {
    // Between the buttons: the tip goes, the help line stays until the next button.
    if (event->buttons() == Qt::NoButton) {
        tipTimer_.stop();
        if (tip_ != nullptr) {
            tip_->hide();
        }
        emit PointerOverToolbar();
    }
}

void ToolBarStrip::leaveEvent(QEvent* event) {
    HideHoverLabels();
    QWidget::leaveEvent(event);
}

void ToolBarStrip::hideEvent(QHideEvent* event) {
    HideHoverLabels();
    QWidget::hideEvent(event);
}

bool ToolBarStrip::eventFilter(QObject* watched, QEvent* event) {
    if (watched == helpStrip_ && event->type() == QEvent::MouseMove) {
        HideHoverLabels();
        emit PointerOverToolbar();
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace tessarin
