#include "ui/about_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/app_icon.h"
#include "ui/program_info.h"

namespace tessarin {

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About Tessarin"));

    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("picIcon"));
    icon->setPixmap(ProgramPixmap(64, devicePixelRatioF()));
    icon->setAlignment(Qt::AlignHCenter);

    auto* title = new QLabel(QStringLiteral("Tessarin Synthetic Seismogram"), this);
    QFont titleFont = title->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.3);
    title->setFont(titleFont);
    title->setAlignment(Qt::AlignHCenter);

    auto* version = new QLabel(VersionLine(), this);
    version->setObjectName(QStringLiteral("lblVersion"));
    version->setAlignment(Qt::AlignHCenter);
    auto* maker = new QLabel(MakerNotice(), this);
    maker->setObjectName(QStringLiteral("lblMaker"));
    maker->setAlignment(Qt::AlignHCenter);
    // The licence the program is given under, with where its full text is to be found.
    auto* licence =
        new QLabel(QStringLiteral("Free software under the GNU General Public License,\n"
                                  "version 3 or any later version (GPL-3.0-or-later).\n"
                                  "It comes with no warranty. The full terms are at\n"
                                  "https://www.gnu.org/licenses/gpl-3.0.html"),
                   this);
    licence->setObjectName(QStringLiteral("lblLicence"));
    licence->setAlignment(Qt::AlignHCenter);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("cmdOK"));
    buttons->setCenterButtons(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(28, 20, 28, 16);
    layout->setSpacing(8);
    layout->addWidget(icon);
    layout->addSpacing(4);
    layout->addWidget(title);
    layout->addWidget(version);
    layout->addWidget(maker);
    layout->addWidget(licence);
    layout->addSpacing(8);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace tessarin
