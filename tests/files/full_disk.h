#pragma once

// A disk that is full: a file system of 64 kB (tmpfs) mounted on a temporary folder for one test
// and filled to the last byte, so that the next write fails with "No space left on device".
// Mounting needs the superuser (the CI machine runs its tests as root); where it is not allowed,
// Mounted() is false and the test skips with Reason().

#include <sys/mount.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

namespace tessarin::test {

class FullDisk {
public:
    FullDisk() {
        char folder[] = "/tmp/tessarin-full-disk-XXXXXX";
        if (!::mkdtemp(folder)) {
            reason_ = std::strerror(errno);
            return;
        }
        path_ = folder;
        if (::mount("tmpfs", folder, "tmpfs", MS_NOSUID | MS_NODEV, "size=64k") != 0) {
            reason_ = std::string("a file system cannot be mounted here: ") + std::strerror(errno);
            return;
        }
        mounted_ = true;
    }
    ~FullDisk() {
        if (mounted_) {
            ::umount2(path_.c_str(), MNT_DETACH);
        }
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

    bool Mounted() const { return mounted_; }
    const std::string& Reason() const { return reason_; }
    std::filesystem::path File(const std::string& name) const { return path_ / name; }

    // Takes every byte that is left.
    void Fill() const {
        std::FILE* filler = std::fopen(File("filler").c_str(), "wb");
        const std::string block(512, 'f');
        while (filler && std::fwrite(block.data(), 1, block.size(), filler) == block.size() &&
               std::fflush(filler) == 0) {
        }
        if (filler) {
            std::fclose(filler);
        }
    }

private:
    std::filesystem::path path_;
    bool mounted_ = false;
    std::string reason_;
};

}  // namespace tessarin::test
