#pragma once

#include <QIcon>
#include <QPixmap>

namespace tessarin {

// The program's picture: a well log beside a seismic wiggle trace with its positive lobes filled,
// drawn at any size so that it stays sharp on every screen.
QPixmap ProgramPixmap(int logicalSize, double devicePixelRatio);
QIcon ProgramIcon();

}  // namespace tessarin
