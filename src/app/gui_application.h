#pragma once

namespace tessarin {

// Fonts and pictures need a Qt GUI application object. Programs without a window (the batch tool,
// the benchmarks) create one here, offscreen unless a platform was chosen; it lives until exit.
void EnsureGuiApplication(const char* programName);

}  // namespace tessarin
