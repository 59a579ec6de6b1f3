#include "render_options.h"

#include <charconv>

const char* const kRenderUsage =
    "Usage: ombrix-render DRAWING [options]\n"
    "Loads DRAWING as the viewer's Load command does and writes what the drawing area shows.\n"
    "\n"
    "  --trace          write every draw call, one per line, to standard output\n"
    "  -o FILE.png      write the drawing area as a PNG image\n"
    "                   (at least one of --trace and -o is needed)\n"
    "  --zoom STEPS     zoom steps applied before loading, a string of + and -\n"
    "  --scroll X,Y     scroll-bar positions, each from -1000 to 1000 (default 0,0)\n"
    "  --size WxH       size of the drawing area in pixels (default 521x305)\n"
    "  --printing       draw as inside a print job: figures also go to the printer\n"
    "  --library FILE   the macro library (default standard.mcr beside this program)\n"
    "  --help           show this text\n"
    "\n"
    "Exit status: 0 on success, 1 when the drawing cannot be opened or drawn, 2 on bad usage.\n";

namespace {

bool ParseInt(std::string_view text, int64_t& value) {
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value);
    return result.ec == std::errc() && result.ptr == end && !text.empty();
}

bool ParsePair(const std::string& text, char separator, int64_t& first, int64_t& second) {
    const std::size_t at = text.find(separator);
    if (at == std::string::npos) {
        return false;
    }
    return ParseInt(std::string_view(text).substr(0, at), first) &&
           ParseInt(std::string_view(text).substr(at + 1), second);
}

}  // namespace

std::optional<RenderOptions> ParseRenderOptions(const std::vector<std::string>& args,
                                                std::string& error) {
    RenderOptions options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const auto value = [&](std::string& out) {
            if (i + 1 >= args.size()) {
                error = arg + " needs a value";
                return false;
            }
            out = args[++i];
            return true;
        };
        std::string text;
        if (arg == "--help" || arg == "-h") {
            options.help = true;
            return options;
        } else if (arg == "--trace") {
            options.trace = true;
        } else if (arg == "--printing") {
            options.printing = true;
        } else if (arg == "-o") {
            if (!value(options.png_file)) {
                return std::nullopt;
            }
        } else if (arg == "--library") {
            if (!value(options.library_file)) {
                return std::nullopt;
            }
        } else if (arg == "--zoom") {
            if (!value(options.zoom_steps)) {
                return std::nullopt;
            }
            if (options.zoom_steps.find_first_not_of("+-") != std::string::npos) {
                error = "--zoom takes a string of + and -, not '" + options.zoom_steps + "'";
                return std::nullopt;
            }
        } else if (arg == "--scroll") {
            int64_t x = 0;
            int64_t y = 0;
            if (!value(text)) {
                return std::nullopt;
            }
            if (!ParsePair(text, ',', x, y) || x < -1000 || x > 1000 || y < -1000 || y > 1000) {
                error = "--scroll takes X,Y with each from -1000 to 1000, not '" + text + "'";
                return std::nullopt;
            }
            options.scroll_x = static_cast<int32_t>(x);
            options.scroll_y = static_cast<int32_t>(y);
        } else if (arg == "--size") {
            int64_t w = 0;
            int64_t h = 0;
            if (!value(text)) {
                return std::nullopt;
            }
            if (!ParsePair(text, 'x', w, h) || w < 1 || h < 1 || w > 16384 || h > 16384) {
                error = "--size takes WxH, each from 1 to 16384 pixels, not '" + text + "'";
                return std::nullopt;
            }
            options.width = static_cast<int>(w);
            options.height = static_cast<int>(h);
        } else if (!arg.empty() && arg[0] == '-' && arg != "-") {
            error = "unknown option " + arg;
            return std::nullopt;
        } else if (options.drawing.empty()) {
            options.drawing = arg;
        } else {
            error = "only one drawing can be rendered at a time";
            return std::nullopt;
        }
    }
    if (options.drawing.empty()) {
        error = "no drawing given";
        return std::nullopt;
    }
    if (!options.trace && options.png_file.empty()) {
        error = "give --trace, -o FILE.png or both";
        return std::nullopt;
    }
    return options;
}
