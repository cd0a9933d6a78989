#include "ui/knee_edit.h"

namespace tessarin {

KneeEdit::KneeEdit(const QString& text, std::vector<StretchKnee> before,
                   std::vector<StretchKnee> after, SetKneesFunction set)
    : QUndoCommand(text),
      before_(std::move(before)),
      after_(std::move(after)),
      set_(std::move(set)) {}

}  // namespace tessarin
