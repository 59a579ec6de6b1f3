#include "render_options.h"

#include <QCommandLineParser>
#include <QStringList>
#include <charconv>
#include <cmath>

const char* const kRenderVersion = "ombrix-render 1.1";

const char* const kRenderUsage =
    "Usage: ombrix-render [OPTIONS] DRAWING [-o FILE | --trace]\n"
    "       ombrix-render [OPTIONS] DRAWING... -O FOLDER\n"
    "Loads each DRAWING as the viewer's Load command does and writes what it draws.\n"
    "DRAWING may be - for standard input.\n"
    "\n"
    "Output:\n"
    "  -o, --output FILE    the picture as FILE (.png, .svg or .pdf; - for standard output)\n"
    "  -O, --output-dir DIR one picture per drawing, DIR/NAME.EXT\n"
    "  --format FORMAT      png, svg or pdf, whatever the output's name says\n"
    "  --trace              every draw call, one per line, on standard output\n"
    "\n"
    "Picture:\n"
    "  --zoom STEPS         zoom steps before loading, a string of + and -\n"
    "  --scale FACTOR       the zoom factor itself, pixels per drawing unit\n"
    "  --scroll X,Y         scroll-bar positions, each from -1000 to 1000 (default 0,0)\n"
    "  --size WxH           the drawing area in pixels (default 521x305)\n"
    "  --fit                size the picture to everything the drawing draws\n"
    "  --margin N           pixels around a fitted picture (default 8)\n"
    "  --paper              black on white, as on paper\n"
    "  --printing           draw as inside a print job: figures also go to the printer\n"
    "  --library FILE       the macro library (default standard.mcr beside this program)\n"
    "\n"
    "  --quiet              no warnings\n"
    "  --help               show this text\n"
    "  --version            show the version\n"
    "\n"
    "Exit status: 0 on success, 1 when a drawing cannot be read, drawn or written, 2 on bad "
    "usage.\n";

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

std::string Text(const QString& text) {
    return text.toLocal8Bit().toStdString();
}

}  // namespace

const char* ExtensionOf(OutputFormat format) {
    switch (format) {
        case OutputFormat::Svg:
            return "svg";
        case OutputFormat::Pdf:
            return "pdf";
        case OutputFormat::Png:
            break;
    }
    return "png";
}

std::optional<OutputFormat> FormatOfName(const std::string& name) {
    const std::size_t dot = name.rfind('.');
    const std::size_t slash = name.rfind('/');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) {
        return std::nullopt;
    }
    std::string extension = name.substr(dot + 1);
    for (char& c : extension) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    for (const OutputFormat format : {OutputFormat::Png, OutputFormat::Svg, OutputFormat::Pdf}) {
        if (extension == ExtensionOf(format)) {
            return format;
        }
    }
    return std::nullopt;
}

Result<RenderOptions> ParseRenderOptions(const std::vector<std::string>& args) {
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption trace("trace");
    const QCommandLineOption output({"o", "output"}, "", "FILE");
    const QCommandLineOption folder({"O", "output-dir"}, "", "DIR");
    const QCommandLineOption format("format", "", "FORMAT");
    const QCommandLineOption zoom("zoom", "", "STEPS");
    const QCommandLineOption scale("scale", "", "FACTOR");
    const QCommandLineOption scroll("scroll", "", "X,Y");
    const QCommandLineOption size("size", "", "WxH");
    const QCommandLineOption fit("fit");
    const QCommandLineOption margin("margin", "", "N");
    const QCommandLineOption paper("paper");
    const QCommandLineOption printing("printing");
    const QCommandLineOption library("library", "", "FILE");
    const QCommandLineOption quiet("quiet");
    const QCommandLineOption help(QStringList{"h", "help"});
    const QCommandLineOption version("version");
    parser.addOptions({trace, output, folder, format, zoom, scale, scroll, size, fit, margin, paper,
                       printing, library, quiet, help, version});

    QStringList arguments{"ombrix-render"};
    for (const std::string& arg : args) {
        arguments << QString::fromLocal8Bit(arg.c_str());
    }
    if (!parser.parse(arguments)) {
        return Failure{Text(parser.errorText())};
    }
    RenderOptions options;
    options.help = parser.isSet(help);
    options.version = parser.isSet(version);
    if (options.help || options.version) {
        return options;
    }
    for (const QString& drawing : parser.positionalArguments()) {
        options.drawings.push_back(Text(drawing));
    }
    options.trace = parser.isSet(trace);
    options.output = Text(parser.value(output));
    options.output_folder = Text(parser.value(folder));
    options.printing = parser.isSet(printing);
    options.paper = parser.isSet(paper);
    options.fit = parser.isSet(fit);
    options.quiet = parser.isSet(quiet);
    options.library_file = Text(parser.value(library));

    if (parser.isSet(format)) {
        const std::string name = Text(parser.value(format));
        options.format = FormatOfName("." + name);
        if (!options.format) {
            return Failure{"--format takes png, svg or pdf, not '" + name + "'"};
        }
    }
    options.zoom_steps = Text(parser.value(zoom));
    if (options.zoom_steps.find_first_not_of("+-") != std::string::npos) {
        return Failure{"--zoom takes a string of + and -, not '" + options.zoom_steps + "'"};
    }
    if (parser.isSet(scale)) {
        const std::string text = Text(parser.value(scale));
        bool ok = false;
        const float factor = parser.value(scale).toFloat(&ok);
        if (!ok || !std::isfinite(factor) || factor <= 0.0f) {
            return Failure{"--scale takes a positive number, not '" + text + "'"};
        }
        options.scale = factor;
    }
    if (parser.isSet(scroll)) {
        const std::string text = Text(parser.value(scroll));
        int64_t x = 0;
        int64_t y = 0;
        if (!ParsePair(text, ',', x, y) || x < -1000 || x > 1000 || y < -1000 || y > 1000) {
            return Failure{"--scroll takes X,Y with each from -1000 to 1000, not '" + text + "'"};
        }
        options.scroll_x = static_cast<int32_t>(x);
        options.scroll_y = static_cast<int32_t>(y);
    }
    if (parser.isSet(size)) {
        const std::string text = Text(parser.value(size));
        int64_t w = 0;
        int64_t h = 0;
        if (!ParsePair(text, 'x', w, h) || w < 1 || h < 1 || w > kMaxPictureSide ||
            h > kMaxPictureSide) {
            return Failure{"--size takes WxH, each from 1 to 16384 pixels, not '" + text + "'"};
        }
        options.width = static_cast<int>(w);
        options.height = static_cast<int>(h);
    }
    if (parser.isSet(margin)) {
        const std::string text = Text(parser.value(margin));
        int64_t pixels = 0;
        if (!ParseInt(text, pixels) || pixels < 0 || pixels > 4096) {
            return Failure{"--margin takes a number of pixels from 0 to 4096, not '" + text + "'"};
        }
        options.margin = static_cast<int>(pixels);
    }

    if (options.drawings.empty()) {
        return Failure{"no drawing given"};
    }
    if (!options.output.empty() && !options.output_folder.empty()) {
        return Failure{"give -o or -O, not both"};
    }
    if (!options.trace && !options.WritesPictures()) {
        return Failure{"give --trace, -o FILE, -O FOLDER, or --trace with one of them"};
    }
    if (options.drawings.size() > 1 && options.output_folder.empty()) {
        return Failure{"several drawings need -O FOLDER"};
    }
    if (options.output_folder.empty() == false && options.trace) {
        return Failure{"--trace goes with one drawing, not with -O"};
    }
    if (options.trace && options.output == "-") {
        return Failure{"--trace and -o - would both write to standard output"};
    }
    if (!options.output.empty() && !options.format) {
        options.format = FormatOfName(options.output);
        if (!options.format) {
            return Failure{"cannot tell the format of '" + options.output +
                           "': name it .png, .svg or .pdf, or give --format"};
        }
    }
    if (options.scale && !options.zoom_steps.empty()) {
        return Failure{"give --zoom or --scale, not both"};
    }
    return options;
}
