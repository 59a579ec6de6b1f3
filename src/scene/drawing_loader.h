#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "model/line_reader.h"
#include "model/result.h"

// What a load found besides the records it stored.
struct LoadedDrawing {
    std::vector<std::string> caption_lines;  // trimmed, in the order of the file

    // What the format's rules did to the file on the way in.
    int lines_ignored_from = 0;     // reading stopped at the 1000th primitive; this line on was
                                    // ignored (0: nothing was)
    int placements_ignored = 0;     // MC lines past the 1000th
    int long_lines = 0;             // lines longer than 1023 characters, read as several
    int texts_cut = 0;              // texts longer than 255 characters
    std::size_t nul_bytes = 0;      // each ends its line's content
    std::size_t control_bytes = 0;  // bytes no text holds
};

// Replaces the drawing store with the file's records; reading ends at the end of the file or
// with the 1000th primitive. Draws nothing and shows nothing. When the file cannot be opened or
// its reading fails the store keeps the drawing it had, and the Failure says why.
Result<LoadedDrawing> LoadDrawing(const std::string& file_name,
                                  LineReader::Accept accept = LineReader::Accept::RegularFiles);
