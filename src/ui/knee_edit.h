#pragma once

// One change of the stretch's knees on the undo stack: the knees before and after it, and the
// window's one way of making knees the project's stretch (which recomputes and redraws).

#include <QUndoCommand>
#include <functional>
#include <vector>

#include "model/tie.h"

namespace tessarin {

using SetKneesFunction = std::function<void(const std::vector<StretchKnee>&)>;

class KneeEdit : public QUndoCommand {
public:
    KneeEdit(const QString& text, std::vector<StretchKnee> before, std::vector<StretchKnee> after,
             SetKneesFunction set);

    void undo() override { set_(before_); }
    void redo() override { set_(after_); }

private:
    std::vector<StretchKnee> before_;
    std::vector<StretchKnee> after_;
    SetKneesFunction set_;
};

}  // namespace tessarin
