#pragma once

// Writing a whole file or nothing: the content goes to a temporary file beside the target, which
// replaces the target only once everything has been written and flushed. A failure removes the
// temporary file, leaves any earlier file of that name untouched and throws Error.

#include <functional>
#include <ostream>
#include <string>

namespace tessarin {

// Calls `write` with a binary stream and commits the result to `path`. An exception thrown by
// `write` is passed on after the temporary file is removed.
void WriteFileAtomically(const std::string& path, const std::function<void(std::ostream&)>& write);

}  // namespace tessarin
