#include "fuzz_support.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <map>

std::string AsFile(std::string_view bytes, const char* name) {
    static std::map<std::string, int> files;
    int& fd = files[name];
    if (fd <= 0) {
        fd = ::memfd_create(name, MFD_CLOEXEC);
        Require(fd > 0, "memfd_create");
    }
    Require(::ftruncate(fd, 0) == 0, "ftruncate");
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t written =
            ::pwrite(fd, bytes.data() + done, bytes.size() - done, static_cast<off_t>(done));
        Require(written > 0, "pwrite");
        done += static_cast<std::size_t>(written);
    }
    return "/proc/self/fd/" + std::to_string(fd);
}

void Require(bool promise, const char* what) {
    if (!promise) {
        std::fprintf(stderr, "broken promise: %s\n", what);
        std::abort();
    }
}
