#pragma once

#include <filesystem>
#include <string_view>

namespace tessarin {

// Creates or replaces the file at `path` with `content` without ever leaving it half written:
// the content goes to a new temporary file in the same folder, which is renamed over the old
// file only once it is complete. A symbolic link is followed, so the file it points to is the one
// replaced. Throws Error naming the file and the reason when anything fails; the old file is then
// untouched and no temporary file is left behind.
void ReplaceFileContent(const std::filesystem::path& path, std::string_view content);

}  // namespace tessarin
