#pragma once

// The progress window of the log import: a caption and file name, the step under way, and a bar.
// The window itself belongs to the user interface; the import reports to this interface.

#include <string>

namespace tessarin {

class ImportProgress {
public:
    virtual ~ImportProgress() = default;

    // The window is shown for one import routine ("Import Sonic Log", the file's path).
    virtual void Begin(const std::string& /*caption*/, const std::string& /*path*/) {}
    // A new step ("Reading sonic log", "Sorting data", ...): the label changes, the bar is reset.
    virtual void Step(const std::string& /*label*/) {}
    // The bar advances to a fraction from 0 to 1.
    virtual void Advance(double /*fraction*/) {}
    // The window is hidden.
    virtual void End() {}
};

// Reports nowhere.
class NoProgress : public ImportProgress {};

}  // namespace tessarin
