#include "model/line_reader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <utility>

namespace {

const char* RefusalFor(mode_t mode, LineReader::Accept accept) {
    if (S_ISREG(mode)) {
        return nullptr;
    }
    if (S_ISFIFO(mode) && accept == LineReader::Accept::RegularFilesAndPipes) {
        return nullptr;
    }
    if (S_ISDIR(mode)) {
        return "it is a folder, not a file";
    }
    if (S_ISFIFO(mode)) {
        return "it is a pipe, not a file";
    }
    return "it is a device, not a file";
}

}  // namespace

LineReader::LineReader(const std::string& path, Accept accept) {
    // A pipe that may be read is opened as any reader of a pipe opens it, waiting for its
    // writer. Anything else is opened without blocking, so that a pipe that may not be read
    // cannot hold the open; what it is is checked once it is open.
    struct stat status {};
    const bool wait_for_writer = accept == Accept::RegularFilesAndPipes &&
                                 ::stat(path.c_str(), &status) == 0 && S_ISFIFO(status.st_mode);
    const int fd =
        ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | (wait_for_writer ? 0 : O_NONBLOCK));
    if (fd < 0) {
        error_ = std::strerror(errno);
        return;
    }
    if (::fstat(fd, &status) != 0) {
        error_ = std::strerror(errno);
        ::close(fd);
        return;
    }
    if (const char* refusal = RefusalFor(status.st_mode, accept)) {
        error_ = refusal;
        ::close(fd);
        return;
    }
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0 && (flags & O_NONBLOCK) != 0) {
        ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    }
    file_ = ::fdopen(fd, "rb");
    if (file_ == nullptr) {
        error_ = std::strerror(errno);
        ::close(fd);
    }
}

LineReader LineReader::FromBytes(std::string_view bytes) {
    LineReader reader;
    // fmemopen reads a copy that lives as long as the stream; an empty buffer cannot be opened.
    reader.file_ = bytes.empty() ? ::fopen("/dev/null", "rb")
                                 : ::fmemopen(const_cast<char*>(bytes.data()), bytes.size(), "rb");
    if (reader.file_ == nullptr) {
        reader.error_ = std::strerror(errno);
    }
    return reader;
}

LineReader::LineReader(LineReader&& other) noexcept
    : file_(std::exchange(other.file_, nullptr)),
      error_(std::move(other.error_)),
      ended_(other.ended_),
      failed_(other.failed_),
      bytes_read_(other.bytes_read_),
      nul_bytes_(other.nul_bytes_),
      control_bytes_(other.control_bytes_) {}

LineReader::~LineReader() {
    if (file_ != nullptr) {
        std::fclose(file_);
    }
}

bool LineReader::ReadLine(std::string& piece) {
    piece.clear();
    if (file_ == nullptr || ended_) {
        return false;
    }
    std::size_t taken = 0;
    bool cut_at_nul = false;
    while (taken < kMaxPiece) {
        const int c = std::getc(file_);
        if (c == EOF) {
            ended_ = true;
            // A failed read is no end of the file: what was read so far is not the whole.
            if (std::ferror(file_) != 0) {
                failed_ = true;
                error_ = std::strerror(errno);
                return false;
            }
            break;
        }
        ++bytes_read_;
        if (c == 0x1A) {
            ended_ = true;
            break;
        }
        if (c == '\r') {
            continue;
        }
        ++taken;
        if (c == '\0') {
            cut_at_nul = true;
            ++nul_bytes_;
        } else if (c < 0x20 && c != '\t' && c != '\n' && c != '\f' && c != '\v') {
            ++control_bytes_;
        }
        if (!cut_at_nul) {
            piece.push_back(static_cast<char>(c));
        }
        if (c == '\n') {
            break;
        }
    }
    return taken > 0;
}
