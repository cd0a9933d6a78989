#pragma once

#include <QPalette>
#include <QPixmap>
#include <QSize>

namespace tessarin {

// The commands of the toolbar, numbered as the tool index that selects their help texts.
enum class Tool { Open, Save, Plot, Print, New, Scales, Well, Logs, Tops, Wave, Help, Seismic };

inline constexpr int kToolCount = 12;

// The three looks of a toolbar button: standing out, pushed in, and greyed while its command
// cannot run.
enum class ButtonFace { Raised, Pressed, Greyed };

// Size of every button picture in device-independent pixels.
inline constexpr QSize kToolPictureSize{22, 22};

// The picture of `tool`'s button, drawn for a screen of `devicePixelRatio` so that it stays
// sharp on high-density screens. Frame and face take their colours from `palette`.
QPixmap DrawToolPicture(Tool tool, ButtonFace face, qreal devicePixelRatio,
                        const QPalette& palette);

}  // namespace tessarin
