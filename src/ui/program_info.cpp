#include "ui/program_info.h"

#include <QStringList>

#ifndef TESSARIN_VERSION
#error "TESSARIN_VERSION must be given by the build (the CMake project version)"
#endif

namespace tessarin {

QString VersionLine() {
    QStringList parts = QStringLiteral(TESSARIN_VERSION).split(QLatin1Char('.'));
    while (parts.size() > 2 && parts.back() == QStringLiteral("0")) {
        parts.removeLast();
    }
    return QStringLiteral("Version ") + parts.join(QLatin1Char('.'));
}

QString MakerNotice() {
    return QStringLiteral("Made by the Tessarin developers");
}

}  // namespace tessarin
