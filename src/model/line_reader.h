#pragma once

#include <cstdio>
#include <string>
#include <string_view>

// Reads a text file line by line in pieces of at most 1023 characters, as drawing files and the
// macro library are read: carriage returns are dropped, a byte 0x1A ends the input, and a piece
// keeps its line feed. A piece ends at its first NUL byte, like the C string it once was.
class LineReader {
  public:
    static constexpr std::size_t kMaxPiece = 1023;

    // Which files may be read. A folder, a device or a socket never is: reading one never ends
    // or means nothing. A pipe may be, where the caller expects one (a drawing piped to the
    // export tool); opening never waits for a writer.
    enum class Accept { RegularFiles, RegularFilesAndPipes };

    // Opens the file for reading; check IsOpen() and, on failure, Error().
    explicit LineReader(const std::string& path, Accept accept = Accept::RegularFiles);
    // Reads these bytes as if they were a file's.
    static LineReader FromBytes(std::string_view bytes);
    ~LineReader();
    LineReader(LineReader&& other) noexcept;
    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;
    LineReader& operator=(LineReader&&) = delete;

    bool IsOpen() const { return file_ != nullptr; }
    const std::string& Error() const { return error_; }

    // The next piece, or false when no further line can be read: at the end of the input, or
    // when reading failed (then Failed() is true and Error() says why).
    bool ReadLine(std::string& piece);
    bool Failed() const { return failed_; }
    // The bytes taken from the file so far, carriage returns and line feeds included.
    std::size_t BytesRead() const { return bytes_read_; }
    // NUL bytes, and other control bytes no text holds, met so far.
    std::size_t NulBytes() const { return nul_bytes_; }
    std::size_t ControlBytes() const { return control_bytes_; }

  private:
    LineReader() = default;

    std::FILE* file_ = nullptr;
    std::string error_;
    bool ended_ = false;
    bool failed_ = false;
    std::size_t bytes_read_ = 0;
    std::size_t nul_bytes_ = 0;
    std::size_t control_bytes_ = 0;
};
