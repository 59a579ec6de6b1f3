#pragma once

#include <string>

#include "model/result.h"

// The viewer's Load after its dialog: the caption names the file, the drawing is read, its
// caption lines are added to the caption, the scene is drawn and "Done." confirms it. A file
// that cannot be opened shows "Error in loading..." and the Failure says why. The window, the
// export tool and every other way of opening a drawing go through here.
Status LoadDrawingCommand(const std::string& file_name);
