#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct RenderOptions {
    std::string drawing;
    bool trace = false;
    std::string png_file;
    std::string zoom_steps;
    int32_t scroll_x = 0;
    int32_t scroll_y = 0;
    int width = 521;
    int height = 305;
    bool printing = false;
    std::string library_file;
    bool help = false;
};

extern const char* const kRenderUsage;

// The options, or nothing with error set to what is wrong.
std::optional<RenderOptions> ParseRenderOptions(const std::vector<std::string>& args,
                                                std::string& error);
