#pragma once

// A LAS file as the reader holds it. The header, from the first byte through the end of the line
// that begins "~A", is kept in memory; the data section after it is read from the disk again for
// each pass over it, a block at a time, so that a log of hundreds of thousands of lines is never
// held whole (taking fresh memory for a whole file costs more than reading it). A file given as
// text is held in memory whole.

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tessarin {

class LasFile {
public:
    // An empty file, with no name and no header.
    LasFile() = default;
    // A file held in memory.
    LasFile(std::string path, std::string text);

    // Reads the header of the file at `path`. Throws ImportError (no title) when the file cannot
    // be read.
    static LasFile Load(const std::string& path);

    const std::string& Path() const { return path_; }

    // The bytes through the end of the first line that begins "~A"; the whole file when no line
    // does. The data section starts right after it.
    std::string_view Header() const { return std::string_view(text_).substr(0, headerSize_); }

    // True when a line begins "~A".
    bool HasDataSection() const { return hasDataSection_; }

    // The whole text of a file held in memory; nothing for a file read from the disk.
    std::optional<std::string_view> InMemory() const;

private:
    std::string path_;
    std::string text_;  // the header, or the whole text of a file held in memory
    std::size_t headerSize_ = 0;
    bool hasDataSection_ = false;
    bool onDisk_ = false;
};

// A data section that cannot be read again from the disk.
struct LasReadFault {};

// Reads a LAS file line by line from a byte position, as ReadTextLine does, whether the file is
// held in memory or read from the disk a block at a time. Throws LasReadFault when the file can
// no longer be read.
class LasLineReader {
public:
    LasLineReader(const LasFile& file, std::size_t position);
    ~LasLineReader();
    LasLineReader(const LasLineReader&) = delete;
    LasLineReader& operator=(const LasLineReader&) = delete;

    // The next line without its line end (LF, and a CR before it), valid until the next call;
    // nothing at the end of the file.
    std::optional<std::string_view> Next();

    // The bytes of the line Next returned last, its line end included.
    std::size_t LastLineBytes() const { return lastLineBytes_; }

private:
    bool Refill();

    struct Disk;
    std::unique_ptr<Disk> disk_;
    std::string_view text_;  // the unread part of the memory text, or of the block
    std::size_t lastLineBytes_ = 0;
};

}  // namespace tessarin
