#pragma once

#include <filesystem>
#include <functional>
#include <string_view>

namespace tessarin {

// Creates or replaces the file at `path` with `content` without ever leaving it half written:
// the content goes to a new temporary file in the same folder, which is renamed over the old
// file only once it is complete. A symbolic link is followed, so the file it points to is the one
// replaced; the new file keeps the old one's permissions (and, where this user may give them, its
// owner). A file this user could not write in place, or anything but a regular file, is not
// replaced. Throws Error naming the file and the reason when anything fails; the old file is
// then untouched and no temporary file is left behind. Temporary files that a killed save left in
// the folder more than a day ago are removed.
void ReplaceFileContent(const std::filesystem::path& path, std::string_view content);

// ReplaceFileContent that first hands the complete temporary file to `check`, which reads it back
// and throws when it is not what was meant to be saved. Then the temporary file is removed, the
// old file stays as it was, and the exception goes on to the caller.
void ReplaceFileContent(const std::filesystem::path& path, std::string_view content,
                        const std::function<void(const std::filesystem::path& written)>& check);

}  // namespace tessarin
