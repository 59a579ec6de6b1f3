#pragma once

#include <string>
#include <vector>

#include "model/line_reader.h"
#include "model/result.h"

struct LoadReport {
    // What a limit left out of the drawing's picture, one sentence each; "Done." shows them.
    std::vector<std::string> notices;
};

// The viewer's Load after its dialog: the caption names the file, the drawing is read, its
// caption lines are added to the caption, the scene is drawn and "Done." confirms it. A file
// that cannot be read shows "Error in loading..." with the reason, which the Failure carries too.
// The window, the export tool and every other way of opening a drawing go through here.
Result<LoadReport> LoadDrawingCommand(const std::string& file_name,
                                      LineReader::Accept accept = LineReader::Accept::RegularFiles);
