#include "plot/pdf_file.h"

#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>

#include "files/replace_file.h"
#include "model/error.h"

namespace tessarin {
namespace {

// A file that lives in memory, which Qt's PDF writer opens by its name under /proc.
class MemoryFile {
public:
    MemoryFile() : fd_(::memfd_create("tessarin-pdf", MFD_CLOEXEC)) {
        if (fd_ < 0) {
            throw Error(std::string("The PDF cannot be prepared in memory: ") +
                        std::strerror(errno) + ".");
        }
    }
    ~MemoryFile() { ::close(fd_); }
    MemoryFile(const MemoryFile&) = delete;
    MemoryFile& operator=(const MemoryFile&) = delete;

    QString Name() const { return QStringLiteral("/proc/self/fd/%1").arg(fd_); }

    std::string Contents() const {
        struct stat status {};
        std::string bytes;
        if (::fstat(fd_, &status) == 0 && status.st_size > 0) {
            bytes.resize(static_cast<std::size_t>(status.st_size));
            const ssize_t got = ::pread(fd_, bytes.data(), bytes.size(), 0);
            bytes.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
        }
        return bytes;
    }

private:
    int fd_;
};

// The PDF of the printer, printed in memory; the printer keeps its own file name.
std::string PrintIntoMemory(QPrinter& printer, const Project& project, const PrintOptions& options,
                            PrintedDocument& printed) {
    const QString target = printer.outputFileName();
    const MemoryFile memory;
    printer.setOutputFileName(memory.Name());
    try {
        printed = PrintDisplay(printer, project, options);
    } catch (...) {
        printer.setOutputFileName(target);
        throw;
    }
    printer.setOutputFileName(target);
    return printer.printerState() == QPrinter::Error ? std::string() : memory.Contents();
}

std::string ReadBack(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace

bool PrintsToPdfFile(const QPrinter& printer) {
    return printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty();
}

bool IsWholePdf(std::string_view bytes) {
    while (!bytes.empty() && (bytes.back() == '\n' || bytes.back() == '\r')) {
        bytes.remove_suffix(1);
    }
    return bytes.starts_with("%PDF-") && bytes.ends_with("%%EOF");
}

PrintedDocument PrintDisplayToPdfFile(QPrinter& printer, const Project& project,
                                      const PrintOptions& options) {
    const std::string path = printer.outputFileName().toStdString();
    PrintedDocument printed;
    const std::string pdf = PrintIntoMemory(printer, project, options, printed);
    if (!IsWholePdf(pdf)) {
        throw Error("The file \"" + path +
                    "\" could not be written: the PDF writer stopped before the end.");
    }
    ReplaceFileContent(path, pdf, [&](const std::filesystem::path& written) {
        if (ReadBack(written) != pdf) {
            throw Error("The file \"" + path +
                        "\" could not be written: it did not read back as written.");
        }
    });
    return printed;
}

}  // namespace tessarin
