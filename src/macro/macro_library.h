#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "model/line_reader.h"
#include "model/primitive.h"
#include "model/result.h"
#include "render/primitive_renderer.h"

// The macro library file when it is not standard.mcr beside the executable; empty by default.
extern std::string MacroLibraryFile;

std::string MacroLibraryPath();

// Bounds on what one reading of the library and one redraw take from it, so that no library can
// make a load or a redraw slow or the process large. Past them the rest is left out and the user
// is told; what lies within is drawn as ever.
inline constexpr std::size_t kMaxLibraryBytes = std::size_t{16} << 20;
inline constexpr std::size_t kMaxLibraryLines = 250'000;
inline constexpr std::size_t kMaxExpandedFigures = 250'000;

// The macro library as read at one moment: each line parsed once into the shape it draws, and
// where each macro's body lies among them.
class MacroLibrary {
  public:
    // Only a regular file is read as the library.
    static Result<MacroLibrary> Read(const std::string& path);
    // Reads these bytes as the library's.
    static MacroLibrary FromBytes(std::string_view bytes);

    // The shapes of the body lines of the first block with this number, in library coordinates.
    std::span<const Shape> Body(int32_t number) const;
    bool Has(int32_t number) const { return bodies_.contains(number); }
    // What a limit left out of this reading, in words for the user; empty when nothing was.
    const std::string& Cut() const { return cut_; }

    MacroLibrary(MacroLibrary&&) = default;
    MacroLibrary& operator=(MacroLibrary&&) = default;
    MacroLibrary(const MacroLibrary&) = delete;
    MacroLibrary& operator=(const MacroLibrary&) = delete;

  private:
    MacroLibrary() = default;
    static MacroLibrary ReadFrom(LineReader& reader);

    struct Range {
        std::size_t begin;
        std::size_t end;
    };
    std::vector<Shape> shapes_;  // one per line; texts point into texts_
    std::vector<std::unique_ptr<char[]>> texts_;
    std::unordered_map<int32_t, Range> bodies_;
    std::string cut_;
};

// The library at MacroLibraryPath() as it is on disk now, or nothing when it cannot be read.
// A reading is kept and used again while the file stays the same one, unchanged: same device,
// inode, size and modification time.
std::shared_ptr<const MacroLibrary> CurrentMacroLibrary();

// While one of these lives, the library is looked at once, when a placement first needs it, and
// every later placement uses that reading. A redraw holds one, so an edit of the library shows at
// the next redraw and never splits one redraw into two versions of it.
class MacroLibraryScope {
  public:
    MacroLibraryScope();
    ~MacroLibraryScope();
    MacroLibraryScope(const MacroLibraryScope&) = delete;
    MacroLibraryScope& operator=(const MacroLibraryScope&) = delete;

    const MacroLibrary* Library();
    // Counts one more figure expanded in this scope; false once the redraw has its fill.
    bool TakeFigure() {
        if (expanded_ == kMaxExpandedFigures) {
            return false;
        }
        ++expanded_;
        return true;
    }

  private:
    bool looked_ = false;
    std::shared_ptr<const MacroLibrary> library_;
    std::size_t expanded_ = 0;
};

// What the placements will not draw for want of the library or within its limits, one sentence
// each; empty when they draw in full.
std::vector<std::string> MacroLibraryNotices(std::span<const MacroCall> calls);

// The macro numbers these placements name that the library has no block for, each once, in
// order; empty when the library cannot be read.
std::vector<int32_t> MissingMacros(std::span<const MacroCall> calls);

void DrawMacro(int32_t x, int32_t y, int32_t orientation, int32_t mirror, int32_t number);
void DrawMacroCall(MacroCall call);
// The placement's body drawn with a drawer that serves a whole redraw.
void DrawMacroCall(const MacroCall& call, const ShapeDrawer& drawer);
