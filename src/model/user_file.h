#pragma once

// The user's own files (logs, surveys, horizons, projects, seismic) as the readers meet them:
// a path is looked at before it is opened, so that a named pipe or a device given by mistake is
// refused instead of blocking the reader or feeding it without end; and every failure names the
// file and says why.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tessarin {

// The longest line the line-by-line readers take (project, horizon and velocity survey files):
// far beyond any line they write, so a longer one is a file of another kind.
inline constexpr std::size_t kLongestTextLine = 65536;

// Why the file at `path` cannot be read, as words that follow its name ("cannot be opened
// (Permission denied)", "is not a regular file but a named pipe"), or nothing when it can be
// opened for reading.
std::optional<std::string> UnreadableFileProblem(const std::string& path);

// The failure of a reader whose messages are its own: The file "PATH" cannot be opened
// (Permission denied).
std::string UnreadableFileMessage(const std::string& path, const std::string& problem);

// A failure that has a fixed text of the program's, with the file's name before it and the cause
// after it: tops.hor: This is not a valid Tessarin horizon file: line 3 holds "x" where a depth
// should be. The fixed text's closing period gives way to the cause; without a name the
// message begins with the fixed text.
std::string FileFailure(std::string_view name, std::string_view text, std::string_view cause);

}  // namespace tessarin
