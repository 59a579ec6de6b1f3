#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/result.h"

enum class OutputFormat { Png, Svg, Pdf };

struct RenderOptions {
    std::vector<std::string> drawings;  // "-" is standard input
    bool trace = false;
    std::string output;                  // -o: a file, or "-" for standard output
    std::string output_folder;           // -O: one file per drawing in it
    std::optional<OutputFormat> format;  // --format, else the output's extension, else PNG
    std::string zoom_steps;
    std::optional<float> scale;
    int32_t scroll_x = 0;
    int32_t scroll_y = 0;
    int width = 521;
    int height = 305;
    bool fit = false;
    int margin = 8;
    bool paper = false;
    bool printing = false;
    std::string library_file;
    bool quiet = false;
    bool help = false;
    bool version = false;

    bool WritesPictures() const { return !output.empty() || !output_folder.empty(); }
};

inline constexpr int kMaxPictureSide = 16384;

extern const char* const kRenderUsage;
extern const char* const kRenderVersion;

// The options, or the Failure that names the first problem with them.
Result<RenderOptions> ParseRenderOptions(const std::vector<std::string>& args);

// "png", "svg" or "pdf".
const char* ExtensionOf(OutputFormat format);
// The format an output file name asks for by its extension.
std::optional<OutputFormat> FormatOfName(const std::string& name);
