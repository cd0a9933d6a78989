#pragma once

#include <QString>

namespace tessarin {

// "Version 2.2": the program's version as the splash and about windows show it, major and minor
// (and the patch level when there is one).
QString VersionLine();

// Who makes the program, shown under the version.
QString MakerNotice();

}  // namespace tessarin
