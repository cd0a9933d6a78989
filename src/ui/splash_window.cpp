#include "ui/splash_window.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QVBoxLayout>

#include "ui/app_icon.h"
#include "ui/program_info.h"

namespace tessarin {
namespace {

QLabel* CentredLabel(const QString& text, QWidget* parent, double scale, bool bold) {
    auto* label = new QLabel(text, parent);
    QFont font = label->font();
    font.setPointSizeF(font.pointSizeF() * scale);
    font.setBold(bold);
    label->setFont(font);
    label->setAlignment(Qt::AlignHCenter);
    label->setWordWrap(true);
    return label;
}

}  // namespace

SplashWindow::SplashWindow()
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("frmSplash"));
    setFixedSize(275, 329);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(250, 250, 246));
    colours.setColor(QPalette::WindowText, QColor(30, 40, 60));
    setPalette(colours);

    auto* picture = new QLabel(this);
    picture->setPixmap(ProgramPixmap(112, devicePixelRatioF()));
    picture->setAlignment(Qt::AlignHCenter);
    auto* version =
        CentredLabel(VersionLine() + QLatin1Char('\n') + MakerNotice(), this, 1.0, false);
    version->setObjectName(QStringLiteral("lblVersion"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 28, 20, 24);
    layout->setSpacing(6);
    layout->addWidget(picture);
    layout->addSpacing(10);
    layout->addWidget(CentredLabel(QStringLiteral("Tessarin"), this, 2.0, true));
    layout->addWidget(CentredLabel(QStringLiteral("Synthetic Seismogram"), this, 1.2, false));
    layout->addStretch(1);
    layout->addWidget(version);

    // In the middle of the screen it appears on.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

void SplashWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(QColor(40, 60, 90));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace tessarin
