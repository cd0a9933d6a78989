#pragma once

// One change of the project's wavelet on the tie's undo stack, such as an extracted wavelet made
// the project's: what makes the wavelet before and after it. The wavelet itself is built again
// from them, at the sample interval of the moment, when the step is undone or redone.

#include <QUndoCommand>
#include <functional>
#include <optional>

#include "model/project.h"

namespace tessarin {

struct WaveletChoice {
    int type = kBandpassWavelet;
    std::optional<ExtractedWavelet> extracted;
    Value length;
};

WaveletChoice WaveletChoiceOf(const Project& project);

using SetWaveletFunction = std::function<void(const WaveletChoice&)>;

class WaveletEdit : public QUndoCommand {
public:
    WaveletEdit(const QString& text, WaveletChoice before, WaveletChoice after,
                SetWaveletFunction set)
        : QUndoCommand(text),
          before_(std::move(before)),
          after_(std::move(after)),
          set_(std::move(set)) {}

    void undo() override { set_(before_); }
    void redo() override { set_(after_); }

private:
    WaveletChoice before_;
    WaveletChoice after_;
    SetWaveletFunction set_;
};

}  // namespace tessarin
