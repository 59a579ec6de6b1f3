#pragma once

#include <string>
#include <vector>

#include "model/line_reader.h"
#include "model/result.h"

// What a load found besides the records it stored.
struct LoadedDrawing {
    std::vector<std::string> caption_lines;  // trimmed, in the order of the file
};

// Replaces the drawing store with the file's records; reading ends at the end of the file or
// with the 1000th primitive. Draws nothing and shows nothing. When the file cannot be opened or
// its reading fails the store is left empty and the Failure says why.
Result<LoadedDrawing> LoadDrawing(const std::string& file_name,
                                  LineReader::Accept accept = LineReader::Accept::RegularFiles);
