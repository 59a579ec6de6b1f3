#include "macro/macro_library.h"

#include <sys/stat.h>

#include <algorithm>
#include <chrono>
#include <cstring>

#include "macro/macro_placement.h"
#include "model/command_table.h"
#include "model/line_parser.h"
#include "model/line_reader.h"
#include "model/text.h"
#include "render/window_host.h"

std::string MacroLibraryFile;

namespace {

MacroLibraryScope* active_scope = nullptr;

bool EndsBody(std::string_view line) {
    return !line.empty() && (line.front() == '[' || line.front() == '{');
}

struct FileIdentity {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    int64_t modified_seconds = 0;
    int64_t modified_nanoseconds = 0;
    friend bool operator==(const FileIdentity&, const FileIdentity&) = default;
};

bool IdentityOf(const std::string& path, FileIdentity& identity) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) {
        return false;
    }
    identity = {status.st_dev, status.st_ino, status.st_size, status.st_mtim.tv_sec,
                status.st_mtim.tv_nsec};
    return true;
}

// File times advance in clock ticks, so an edit within the tick of a reading may keep the time
// the reading saw. A reading of a file changed this recently is never used again.
bool ChangedBefore(const FileIdentity& identity, std::chrono::system_clock::time_point moment) {
    constexpr auto kTick = std::chrono::milliseconds(100);
    const auto modified = std::chrono::system_clock::time_point(
        std::chrono::duration_cast<std::chrono::system_clock::duration>(
            std::chrono::seconds(identity.modified_seconds) +
            std::chrono::nanoseconds(identity.modified_nanoseconds)));
    return modified + kTick < moment;
}

struct KeptReading {
    std::string path;
    FileIdentity identity;
    std::shared_ptr<const MacroLibrary> library;
};

KeptReading& Kept() {
    static KeptReading kept;
    return kept;
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

Result<MacroLibrary> MacroLibrary::Read(const std::string& path) {
    LineReader reader(path);
    if (!reader.IsOpen()) {
        return Failure{reader.Error()};
    }
    MacroLibrary library = ReadFrom(reader);
    if (reader.Failed()) {
        return Failure{reader.Error()};
    }
    return library;
}

MacroLibrary MacroLibrary::FromBytes(std::string_view bytes) {
    LineReader reader = LineReader::FromBytes(bytes);
    return ReadFrom(reader);
}

MacroLibrary MacroLibrary::ReadFrom(LineReader& reader) {
    MacroLibrary library;
    // One pass, keeping per line only the shape it draws and what it means to the blocks: a
    // library of many lines stays small.
    struct LineRole {
        bool header;
        bool ends_body;
        int32_t number;
    };
    std::vector<LineRole> roles;
    std::string piece;
    while (reader.ReadLine(piece)) {
        if (roles.size() == kMaxLibraryLines || reader.BytesRead() > kMaxLibraryBytes) {
            library.cut_ = "the macro library is longer than " + std::to_string(kMaxLibraryLines) +
                           " lines or " + std::to_string(kMaxLibraryBytes >> 20) +
                           " MiB; only its first " + std::to_string(roles.size()) +
                           " lines are used";
            break;
        }
        const std::string_view stripped = TrimView(piece);
        const bool header = !stripped.empty() && stripped.front() == '[';
        roles.push_back({header, EndsBody(piece), header ? ReadNumber(stripped.substr(1, 3)) : 0});

        const Command& command = CommandOf(std::string_view(piece).substr(0, 2));
        Primitive fields{};
        ReadFields(fields, command.fields, piece);
        Shape shape{command.figure, fields.x1, fields.y1, fields.x2, fields.y2,
                    fields.x3,      fields.y3, fields.x4, fields.y4, {}};
        if (const std::size_t length = strnlen(fields.text, sizeof fields.text); length > 0) {
            auto& text = library.texts_.emplace_back(std::make_unique<char[]>(length));
            std::memcpy(text.get(), fields.text, length);
            shape.text = std::string_view(text.get(), length);
        }
        library.shapes_.push_back(shape);
    }
    library.shapes_.shrink_to_fit();
    // Every line is a possible header, even one inside another macro's body, exactly as a
    // search from the top of the file would meet it; the first header of a number wins.
    const std::size_t count = roles.size();
    for (std::size_t i = 0; i < count; ++i) {
        if (!roles[i].header || library.bodies_.contains(roles[i].number)) {
            continue;
        }
        std::size_t end = i + 1;
        while (end < count && !roles[end].ends_body) {
            ++end;
        }
        library.bodies_.emplace(roles[i].number, Range{i + 1, end});
    }
    return library;
}

std::span<const Shape> MacroLibrary::Body(int32_t number) const {
    const auto found = bodies_.find(number);
    if (found == bodies_.end()) {
        return {};
    }
    return std::span<const Shape>(shapes_).subspan(found->second.begin,
                                                   found->second.end - found->second.begin);
}

std::shared_ptr<const MacroLibrary> CurrentMacroLibrary() {
    KeptReading& kept = Kept();
    const std::string path = MacroLibraryPath();
    FileIdentity now;
    if (!IdentityOf(path, now)) {
        kept = {};
        return nullptr;
    }
    if (kept.library && kept.path == path && kept.identity == now) {
        return kept.library;
    }
    const auto started = std::chrono::system_clock::now();
    Result<MacroLibrary> read = MacroLibrary::Read(path);
    if (!read) {
        kept = {};
        return nullptr;
    }
    auto library = std::make_shared<const MacroLibrary>(std::move(read).Value());
    FileIdentity after;
    if (IdentityOf(path, after) && after == now && ChangedBefore(now, started)) {
        kept = {path, now, library};
    } else {
        kept = {};
    }
    return library;
}

MacroLibraryScope::MacroLibraryScope() {
    // A nested scope shares the reading of the outer one.
    if (active_scope == nullptr) {
        active_scope = this;
    }
}

MacroLibraryScope::~MacroLibraryScope() {
    if (active_scope == this) {
        active_scope = nullptr;
    }
}

const MacroLibrary* MacroLibraryScope::Library() {
    if (!looked_) {
        library_ = CurrentMacroLibrary();
        looked_ = true;
    }
    return library_.get();
}

void DrawMacroCall(const MacroCall& call, const ShapeDrawer& drawer) {
    std::shared_ptr<const MacroLibrary> own;
    const MacroLibrary* library = nullptr;
    if (active_scope != nullptr) {
        library = active_scope->Library();
    } else {
        own = CurrentMacroLibrary();
        library = own.get();
    }
    if (library == nullptr) {
        return;
    }
    const Placement placement = Placement::Of(call);
    for (Shape shape : library->Body(call.number)) {
        if (active_scope != nullptr && !active_scope->TakeFigure()) {
            return;
        }
        placement.PlaceAll(shape);
        drawer.Draw(shape);
    }
}

std::vector<std::string> MacroLibraryNotices(std::span<const MacroCall> calls) {
    std::vector<std::string> notices;
    if (calls.empty()) {
        return notices;
    }
    const std::shared_ptr<const MacroLibrary> library = CurrentMacroLibrary();
    if (!library) {
        const std::string path = MacroLibraryPath();
        const LineReader reader(path);
        notices.push_back(
            "the macro library " + path + " cannot be read (" +
            (reader.IsOpen() ? std::string("it changed while it was read") : reader.Error()) +
            "); its placements draw nothing");
        return notices;
    }
    if (!library->Cut().empty()) {
        notices.push_back(library->Cut());
    }
    std::size_t figures = 0;
    for (const MacroCall& call : calls) {
        figures += library->Body(call.number).size();
    }
    if (figures > kMaxExpandedFigures) {
        notices.push_back("the placements expand to " + std::to_string(figures) +
                          " figures; a redraw draws the first " +
                          std::to_string(kMaxExpandedFigures));
    }
    return notices;
}

void DrawMacro(int32_t x, int32_t y, int32_t orientation, int32_t mirror, int32_t number) {
    DrawMacroCall(MacroCall{number, x, y, orientation, mirror}, ShapeDrawer(*frmMain));
}

// By value, as the drawing store's records are handed to the drawing code.
// cppcheck-suppress passedByValue
void DrawMacroCall(MacroCall call) {
    DrawMacroCall(call, ShapeDrawer(*frmMain));
}

std::vector<int32_t> MissingMacros(std::span<const MacroCall> calls) {
    std::vector<int32_t> missing;
    const std::shared_ptr<const MacroLibrary> library = CurrentMacroLibrary();
    if (!library) {
        return missing;
    }
    for (const MacroCall& call : calls) {
        if (!library->Has(call.number)) {
            missing.push_back(call.number);
        }
    }
    std::sort(missing.begin(), missing.end());
    missing.erase(std::unique(missing.begin(), missing.end()), missing.end());
    return missing;
}
