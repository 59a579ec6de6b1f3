#include "model/line_reader.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

LineReader::LineReader(const std::string& path) {
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) {
        error_ = "it is a folder, not a file";
        return;
    }
    file_ = std::fopen(path.c_str(), "rb");
    if (file_ == nullptr) {
        error_ = std::strerror(errno);
    }
}

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
        if (c == EOF || c == 0x1A) {
            ended_ = true;
            break;
        }
        if (c == '\r') {
            continue;
        }
        ++taken;
        if (c == '\0') {
            cut_at_nul = true;
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
