#pragma once

#include <string>

// Replaces the drawing store with the file's records, sets the caption from its caption lines,
// redraws and reports "Done.". False when the file cannot be opened; LoadDrawingError() then
// says why.
bool LoadDrawing(const std::string& file_name);

const std::string& LoadDrawingError();
