#include "macro/macro_library.h"

#include "macro/macro_placement.h"
#include "model/line_parser.h"
#include "model/line_reader.h"
#include "model/text.h"
#include "platform/window_host.h"
#include "render/primitive_renderer.h"

std::string MacroLibraryFile;

namespace {

MacroLibraryScope::Snapshot* active_snapshot = nullptr;

bool EndsBody(const std::string& line) {
    return !line.empty() && (line.front() == '[' || line.front() == '{');
}

void DrawBody(std::span<const std::string> body, int32_t x, int32_t y, int32_t orientation,
              int32_t mirror) {
    for (const std::string& raw : body) {
        std::string line = raw;
        Primitive parsed;
        ParsePrimitiveLine(parsed, ClassifyCommand(MidStr(line, 1, 2)), line);
        DrawPrimitive(PlaceMacroPrimitive(parsed, x, y, orientation, mirror));
    }
}

}  // namespace

std::string MacroLibraryPath() {
    if (!MacroLibraryFile.empty()) {
        return MacroLibraryFile;
    }
    const std::string executable = frmMain->ExeName();
    const std::size_t slash = executable.rfind('/');
    const std::string directory =
        slash == std::string::npos ? std::string() : executable.substr(0, slash + 1);
    return directory + "standard.mcr";
}

std::optional<MacroLibrary> MacroLibrary::Read(const std::string& path) {
    LineReader reader(path);
    if (!reader.IsOpen()) {
        return std::nullopt;
    }
    MacroLibrary library;
    std::string piece;
    while (reader.ReadLine(piece)) {
        library.lines_.push_back(piece);
    }
    // Every line is a possible header, even one inside another macro's body, exactly as a
    // search from the top of the file would meet it; the first header of a number wins.
    const std::size_t count = library.lines_.size();
    for (std::size_t i = 0; i < count; ++i) {
        const std::string stripped = Trim(library.lines_[i]);
        if (stripped.empty() || stripped.front() != '[') {
            continue;
        }
        const int32_t number = ReadNumber(MidStr(stripped, 2, 3));
        if (library.bodies_.contains(number)) {
            continue;
        }
        std::size_t end = i + 1;
        while (end < count && !EndsBody(library.lines_[end])) {
            ++end;
        }
        library.bodies_.emplace(number, Range{i + 1, end});
    }
    return library;
}

std::span<const std::string> MacroLibrary::Body(int32_t number) const {
    const auto found = bodies_.find(number);
    if (found == bodies_.end()) {
        return {};
    }
    return std::span<const std::string>(lines_).subspan(found->second.begin,
                                                        found->second.end - found->second.begin);
}

MacroLibraryScope::MacroLibraryScope() {
    // A nested scope shares the reading of the outer one.
    if (active_snapshot == nullptr) {
        active_snapshot = &snapshot_;
    }
}

MacroLibraryScope::~MacroLibraryScope() {
    if (active_snapshot == &snapshot_) {
        active_snapshot = nullptr;
    }
}

void DrawMacro(int32_t x, int32_t y, int32_t orientation, int32_t mirror, int32_t number) {
    if (active_snapshot == nullptr) {
        const std::optional<MacroLibrary> library = MacroLibrary::Read(MacroLibraryPath());
        if (library) {
            DrawBody(library->Body(number), x, y, orientation, mirror);
        }
        return;
    }
    if (!active_snapshot->read) {
        active_snapshot->library = MacroLibrary::Read(MacroLibraryPath());
        active_snapshot->read = true;
    }
    if (active_snapshot->library) {
        DrawBody(active_snapshot->library->Body(number), x, y, orientation, mirror);
    }
}

void DrawMacroCall(MacroCall call) {
    DrawMacro(call.x, call.y, call.orientation, call.mirror, call.number);
}
