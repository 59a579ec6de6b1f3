#include "test_support.h"

#include <fstream>

#include "macro/macro_library.h"
#include "model/viewer_state.h"

namespace {

bool IsFigure(const std::string& line) {
    for (const char* call : {" MoveTo ", " LineTo ", " Ellipse ", " Rectangle ", " Polygon ",
                             " PolyBezier ", " TextOut "}) {
        if (line.find(call) != std::string::npos) {
            return true;
        }
    }
    return false;
}

}  // namespace

void CoreTest::SetUp() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(info->test_suite_name()) + "." + info->name();
    for (char& c : name) {
        if (c == '/') {
            c = '_';
        }
    }
    folder_ = std::filesystem::temp_directory_path() / "ombrix-tests" / name;
    std::filesystem::remove_all(folder_);
    std::filesystem::create_directories(folder_);

    ResetViewerState();
    MacroLibraryFile.clear();
    host_ = std::make_unique<HeadlessHost>(&trace_, (folder_ / "ombrix").string());
    frmMain = host_.get();
}

void CoreTest::TearDown() {
    frmMain = nullptr;
    host_.reset();
    std::filesystem::current_path(std::filesystem::temp_directory_path());
    std::filesystem::remove_all(folder_);
}

std::vector<std::string> CoreTest::TakeTrace() {
    std::vector<std::string> lines;
    std::istringstream in(trace_.str());
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    trace_.str("");
    return lines;
}

std::vector<std::string> CoreTest::TakeFigures() {
    std::vector<std::string> figures;
    for (const std::string& line : TakeTrace()) {
        if (IsFigure(line)) {
            figures.push_back(line);
        }
    }
    return figures;
}

std::filesystem::path CoreTest::WriteFile(const std::string& name, const std::string& bytes) {
    const std::filesystem::path path = folder_ / name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

void CoreTest::WriteLibrary(const std::string& bytes) {
    WriteFile("standard.mcr", bytes);
}
