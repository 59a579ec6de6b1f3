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

// The viewer's Load after its dialog: the drawing is read, the caption names the file and adds
// the drawing's caption lines, the scene is drawn and "Done." confirms it (Silent: no box at
// all, as for a file that changed on disk and is read again). A file that cannot be read changes
// nothing: "Error in loading..." shows the reason, which the Failure carries too. The window, the
// export tool and every other way of opening a drawing go through here.
enum class LoadConfirmation { Boxes, Silent };

Result<LoadReport> LoadDrawingCommand(const std::string& file_name,
                                      LineReader::Accept accept = LineReader::Accept::RegularFiles,
                                      LoadConfirmation confirmation = LoadConfirmation::Boxes);
