#pragma once

#include <cstdio>
#include <string>

// Reads a text file line by line in pieces of at most 1023 characters, as drawing files and the
// macro library are read: carriage returns are dropped, a byte 0x1A ends the input, and a piece
// keeps its line feed. A piece ends at its first NUL byte, like the C string it once was.
class LineReader {
  public:
    static constexpr std::size_t kMaxPiece = 1023;

    // Opens the file for reading; check IsOpen() and, on failure, Error().
    explicit LineReader(const std::string& path);
    ~LineReader();
    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;

    bool IsOpen() const { return file_ != nullptr; }
    const std::string& Error() const { return error_; }

    // The next piece, or false when no further line can be read.
    bool ReadLine(std::string& piece);

  private:
    std::FILE* file_ = nullptr;
    std::string error_;
    bool ended_ = false;
};
