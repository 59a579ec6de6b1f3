#pragma once

#include <string>
#include <vector>

#include "model/line_reader.h"
#include "model/result.h"

struct LoadReport {
    // What the placements do not draw for want of the library or within its limits, one
    // sentence each; the "Done." box shows them.
    std::vector<std::string> notices;
    // What the format's rules did to the drawing on the way in, one sentence each; for tools
    // that report them.
    std::vector<std::string> warnings;
};

// The viewer's Load after its dialog: the caption names the file, the drawing is read, its
// caption lines are added to the caption, the scene is drawn and "Done." confirms it. A file
// that cannot be read shows "Error in loading..." with the reason, which the Failure carries too.
// The window, the export tool and every other way of opening a drawing go through here.
Result<LoadReport> LoadDrawingCommand(const std::string& file_name,
                                      LineReader::Accept accept = LineReader::Accept::RegularFiles);
