#pragma once

// Paths that are not regular files, for the tests of every reader of the user's files: each must
// be refused at once with its kind named. A reader that opened a named pipe would wait for a
// writer for ever; a writer that comes after a while (and closes at once, giving the reader an
// empty file) ends that wait, so that such a reader fails its test instead of hanging it.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "files/export_fixture.h"

namespace tessarin::test {

struct SpecialFile {
    std::string name;
    std::string expectedEnd;  // how the message must end
};

class SpecialFiles {
public:
    SpecialFiles() {
        ::mkfifo(dir_.File("pipe").c_str(), 0600);
        std::filesystem::create_directory(dir_.Path() / "folder");
        std::filesystem::create_symlink("loop", dir_.Path() / "loop");
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::strncpy(address.sun_path, dir_.File("socket").c_str(), sizeof address.sun_path - 1);
        socket_ = ::socket(AF_UNIX, SOCK_STREAM, 0);
        ::bind(socket_, reinterpret_cast<const sockaddr*>(&address), sizeof address);
    }
    ~SpecialFiles() { ::close(socket_); }

    std::vector<SpecialFile> All() const {
        return {{dir_.File("pipe"), "is not a regular file but a named pipe."},
                {dir_.File("folder"), "is not a regular file but a folder."},
                {dir_.File("socket"), "is not a regular file but a socket."},
                {"/dev/zero", "is not a regular file but a device."},
                {dir_.File("loop"), "cannot be opened (Too many levels of symbolic links)."},
                {dir_.File("missing"), "cannot be opened (No such file or directory)."}};
    }

    // The message `read` gives for `path`; a pipe that `read` opens is given a writer after two
    // seconds.
    std::string MessageFor(const std::string& path,
                           const std::function<std::string(const std::string&)>& read) const {
        std::atomic<bool> done = false;
        std::thread writer([&] {
            const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
            while (!done && std::chrono::steady_clock::now() < deadline)
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
            if (!done)
                ::close(::open(dir_.File("pipe").c_str(), O_WRONLY | O_NONBLOCK));
        });
        std::string message;
        try {
            message = read(path);
        } catch (const std::exception& e) {
            message = e.what();
        }
        done = true;
        writer.join();
        return message;
    }

    // Every reader refuses every special file with a message that names it and ends as expected.
    using Reader = std::function<std::string(const std::string&)>;
    void ExpectRefusedByEach(const std::vector<std::pair<const char*, Reader>>& readers) const {
        for (const auto& [reader, read] : readers) {
            for (const SpecialFile& file : All()) {
                const std::string message = MessageFor(file.name, read);
                EXPECT_NE(message.find(file.name), std::string::npos) << reader << ": " << message;
                EXPECT_TRUE(message.ends_with(file.expectedEnd)) << reader << ": " << message;
            }
        }
    }

private:
    TempDir dir_;
    int socket_ = -1;
};

}  // namespace tessarin::test
