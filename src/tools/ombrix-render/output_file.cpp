#include "output_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

namespace {

Failure Because(const std::string& what) {
    return Failure{what + ": " + std::strerror(errno)};
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

Status WriteDirectly(const std::string& path, std::string_view bytes) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        return Because("cannot open " + path);
    }
    const bool written = WriteAll(fd, bytes);
    const int saved = errno;
    if (::close(fd) != 0 || !written) {
        errno = written ? errno : saved;
        return Because("cannot write " + path);
    }
    return Done{};
}

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? "." : path.substr(0, slash == 0 ? 1 : slash);
}

std::string NameOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

Status WriteOutputFile(const std::string& path, std::string_view bytes) {
    struct stat status {};
    if (::stat(path.c_str(), &status) == 0 && !S_ISREG(status.st_mode)) {
        if (S_ISDIR(status.st_mode)) {
            return Failure{"cannot write " + path + ": it is a folder"};
        }
        return WriteDirectly(path, bytes);
    }
    std::string temporary = FolderOf(path) + "/." + NameOf(path) + ".ombrix-XXXXXX";
    std::vector<char> name(temporary.begin(), temporary.end());
    name.push_back('\0');
    const int fd = ::mkstemp(name.data());
    if (fd < 0) {
        return Because("cannot write " + path);
    }
    temporary = name.data();
    // The new file gets the permissions a plain create would give it.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    const bool complete =
        WriteAll(fd, bytes) && ::fchmod(fd, 0666 & ~mask) == 0 && ::fsync(fd) == 0;
    const int saved = errno;
    const bool closed = ::close(fd) == 0;
    if (!complete || !closed || ::rename(temporary.c_str(), path.c_str()) != 0) {
        errno = complete && closed ? errno : saved;
        const Failure failure = Because("cannot write " + path);
        ::unlink(temporary.c_str());
        return failure;
    }
    return Done{};
}

Status WriteStandardOutput(std::string_view bytes) {
    if (!WriteAll(STDOUT_FILENO, bytes)) {
        return Because("cannot write to standard output");
    }
    return Done{};
}

bool StandardOutputBuffer::Drain() {
    const std::string_view pending(pbase(), static_cast<std::size_t>(pptr() - pbase()));
    setp(buffer_, buffer_ + sizeof buffer_);
    if (error_ == 0 && !WriteAll(STDOUT_FILENO, pending)) {
        error_ = errno;
    }
    return error_ == 0;
}

StandardOutputBuffer::int_type StandardOutputBuffer::overflow(int_type c) {
    if (!Drain()) {
        return traits_type::eof();
    }
    if (!traits_type::eq_int_type(c, traits_type::eof())) {
        *pptr() = traits_type::to_char_type(c);
        pbump(1);
    }
    return traits_type::not_eof(c);
}

int StandardOutputBuffer::sync() {
    return Drain() ? 0 : -1;
}

Status StandardOutputBuffer::Finish() {
    if (!Drain()) {
        return Failure{std::string("cannot write to standard output: ") + std::strerror(error_)};
    }
    return Done{};
}
