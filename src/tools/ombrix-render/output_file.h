#pragma once

#include <streambuf>
#include <string>
#include <string_view>

#include "model/result.h"

// Writes the bytes to the file, all of them or, on failure, none that stay: a regular file (or
// one that does not exist yet) is written beside its place under a temporary name and renamed
// into place only when complete, so a failed write leaves the old file or nothing. Anything else
// named (a device, a pipe) is written directly. The Failure says what went wrong.
Status WriteOutputFile(const std::string& path, std::string_view bytes);

// Writes the bytes to standard output, to the end.
Status WriteStandardOutput(std::string_view bytes);

// Standard output as a stream buffer that remembers why a write failed, which an iostream
// forgets.
class StandardOutputBuffer : public std::streambuf {
  public:
    StandardOutputBuffer() { setp(buffer_, buffer_ + sizeof buffer_); }
    // Everything written so far has reached standard output, or the Failure says why not.
    Status Finish();

  protected:
    int_type overflow(int_type c) override;
    int sync() override;

  private:
    bool Drain();

    char buffer_[1 << 16];
    int error_ = 0;
};
