#pragma once

#include <string>
#include <vector>

#include "model/result.h"

// One thing the viewer will do with a drawing or its library that its writer may not expect.
struct Finding {
    enum class Severity { Note, Warning };

    std::string file;
    int line = 0;    // 1-based, as an editor counts them
    int column = 0;  // 1-based
    Severity severity = Severity::Warning;
    std::string name;  // stable, one per kind
    std::string message;
};

// The drawing's findings, read exactly as the viewer loads it: the same line reader, parser and
// limits. Placements are checked against the library at library_path. Fails when the drawing
// cannot be read.
Result<std::vector<Finding>> CheckDrawing(const std::string& path, const std::string& library_path);

// Whether the drawing holds placements the loader keeps, so that its library matters.
bool CheckDrawingHasPlacements(const std::string& path);

// The library's own findings: headers, numbers defined twice, body lines that draw nothing.
Result<std::vector<Finding>> CheckLibrary(const std::string& path);

// "FILE:LINE:COLUMN: warning: message [name]"
std::string AsText(const Finding& finding);
// One JSON object on one line.
std::string AsJson(const Finding& finding);
