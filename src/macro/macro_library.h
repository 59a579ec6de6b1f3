#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <unordered_map>
#include <vector>

#include "model/primitive.h"

// The macro library file when it is not standard.mcr beside the executable; empty by default.
extern std::string MacroLibraryFile;

std::string MacroLibraryPath();

// The macro library as read at one moment: its lines as read, and where each macro's body lies.
class MacroLibrary {
  public:
    // Nothing when the file cannot be opened.
    static std::optional<MacroLibrary> Read(const std::string& path);

    // The body lines of the first block with this number, each still ending in its line feed.
    std::span<const std::string> Body(int32_t number) const;

  private:
    struct Range {
        std::size_t begin;
        std::size_t end;
    };
    std::vector<std::string> lines_;
    std::unordered_map<int32_t, Range> bodies_;
};

// While one of these lives, the library is read at most once, when a placement first needs it,
// and every later placement uses that reading. A redraw holds one, so an edit of the library
// shows at the next redraw.
class MacroLibraryScope {
  public:
    MacroLibraryScope();
    ~MacroLibraryScope();
    MacroLibraryScope(const MacroLibraryScope&) = delete;
    MacroLibraryScope& operator=(const MacroLibraryScope&) = delete;

    struct Snapshot {
        bool read = false;
        std::optional<MacroLibrary> library;
    };

  private:
    Snapshot snapshot_;
};

void DrawMacro(int32_t x, int32_t y, int32_t orientation, int32_t mirror, int32_t number);
void DrawMacroCall(MacroCall call);
