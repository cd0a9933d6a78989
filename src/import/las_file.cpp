#include "import/las_file.h"

#include <cerrno>
#include <cstring>
#include <fstream>

#include "import/file_bytes.h"
#include "import/import_error.h"

namespace tessarin {
namespace {

#ifdef TESSARIN_FUZZING
// Blocks of a few bytes put block boundaries inside every line the fuzzer tries.
constexpr std::size_t kBlockSize = 61;
#else
// Large enough that reading costs few calls, small enough to stay in the processor's cache.
constexpr std::size_t kBlockSize = 64 * 1024;
#endif

// Where the header of `text` ends: after the first line that begins "~A", including its line
// end. Lines start at the first byte and after every LF. Searches from byte `from`, a line start.
std::optional<std::size_t> EndOfDataLine(std::string_view text, std::size_t from) {
    for (std::size_t start = from; start < text.size();) {
        const std::size_t lineFeed = text.find('\n', start);
        if (text.substr(start).starts_with("~A")) {
            if (lineFeed == std::string_view::npos) {
                return std::nullopt;  // the line may go on in the next block
            }
            return lineFeed + 1;
        }
        if (lineFeed == std::string_view::npos) {
            return std::nullopt;
        }
        start = lineFeed + 1;
    }
    return std::nullopt;
}

std::size_t LastLineStart(std::string_view text) {
    const std::size_t lineFeed = text.rfind('\n');
    return lineFeed == std::string_view::npos ? 0 : lineFeed + 1;
}

std::string_view WithoutCarriageReturn(std::string_view line) {
    if (line.ends_with('\r')) {
        line.remove_suffix(1);
    }
    return line;
}

bool LastLineBeginsData(std::string_view text) {
    return text.substr(LastLineStart(text)).starts_with("~A");
}

}  // namespace

LasFile::LasFile(std::string path, std::string text)
    : path_(std::move(path)), text_(std::move(text)) {
    const auto end = EndOfDataLine(text_, 0);
    headerSize_ = end.value_or(text_.size());
    hasDataSection_ = end || LastLineBeginsData(text_);
}

LasFile LasFile::Load(const std::string& path) {
    std::ifstream in = OpenFileBytes(path);
    LasFile file;
    file.path_ = path;
    std::vector<char> block(kBlockSize);
    std::size_t lineStart = 0;  // of the line the last block ended in
    for (;;) {
        errno = 0;
        in.read(block.data(), static_cast<std::streamsize>(block.size()));
        const auto got = static_cast<std::size_t>(in.gcount());
        if (in.bad()) {
            ThrowCannotBeRead(path);
        }
        file.text_.append(block.data(), got);
        if (const auto end = EndOfDataLine(file.text_, lineStart)) {
            file.text_.resize(*end);
            file.headerSize_ = *end;
            file.hasDataSection_ = true;
            file.onDisk_ = true;
            return file;
        }
        if (got < block.size()) {
            // No data section follows: the whole file is the header.
            file.headerSize_ = file.text_.size();
            file.hasDataSection_ = LastLineBeginsData(file.text_);
            return file;
        }
        lineStart = LastLineStart(file.text_);
    }
}

std::optional<std::string_view> LasFile::InMemory() const {
    if (onDisk_) {
        return std::nullopt;
    }
    return std::string_view(text_);
}

struct LasLineReader::Disk {
    std::ifstream in;
    std::vector<char> block;
    bool ended = false;
};

LasLineReader::LasLineReader(const LasFile& file, std::size_t position) {
    if (const auto text = file.InMemory()) {
        text_ = text->substr(std::min(position, text->size()));
        return;
    }
    disk_ = std::make_unique<Disk>();
    disk_->in.open(file.Path(), std::ios::binary);
    disk_->in.seekg(static_cast<std::streamoff>(position));
    if (!disk_->in) {
        throw LasReadFault{};
    }
    disk_->block.resize(kBlockSize);
}

LasLineReader::~LasLineReader() = default;

std::optional<std::string_view> LasLineReader::Next() {
    for (;;) {
        const std::size_t lineFeed = text_.find('\n');
        if (lineFeed != std::string_view::npos) {
            const std::string_view line = text_.substr(0, lineFeed);
            text_.remove_prefix(lineFeed + 1);
            lastLineBytes_ = lineFeed + 1;
            return WithoutCarriageReturn(line);
        }
        if (!Refill()) {
            if (text_.empty()) {
                return std::nullopt;
            }
            const std::string_view line = text_;
            text_ = {};
            lastLineBytes_ = line.size();
            return WithoutCarriageReturn(line);
        }
    }
}

// Keeps the unread part of the block at its start and reads on after it; a line longer than a
// block makes the block grow. False at the end of the file.
bool LasLineReader::Refill() {
    if (!disk_ || disk_->ended) {
        return false;
    }
    std::vector<char>& block = disk_->block;
    const std::size_t kept = text_.size();
    if (kept > 0) {
        std::memmove(block.data(), text_.data(), kept);
    }
    if (kept == block.size()) {
        block.resize(2 * block.size());
    }
    disk_->in.read(block.data() + kept, static_cast<std::streamsize>(block.size() - kept));
    const auto got = static_cast<std::size_t>(disk_->in.gcount());
    if (disk_->in.bad()) {
        throw LasReadFault{};
    }
    disk_->ended = got < block.size() - kept;
    text_ = std::string_view(block.data(), kept + got);
    return got > 0;
}

}  // namespace tessarin
