#pragma once

#include <array>

#include "app/glyphs.h"
#include "app/tfrm_main.h"
#include "render/window_host.h"

// The main window as designed: every component with its bounds, settings and the handlers its
// events are bound to. Bounds are left, top, width, height in pixels; the form's are its
// position on the screen and its outer size, frame included.
enum class ComponentKind {
    Form,
    PaintBox,
    Shape,
    Button,
    BitButton,
    Edit,
    HorizontalBar,
    VerticalBar,
    OpenDialog,
    PrintDialog
};

struct ComponentDefinition {
    const char* name;
    ComponentKind kind;
    int left, top, width, height;
    const char* caption;  // caption or text; '&' marks the access key
    int tab_order;        // -1: not in the tab order
    Glyph glyph;
    TfrmMain::Handler on_click;  // OnClick or OnChange; nullptr: none
};

inline constexpr int kScrollMin = -1000;
inline constexpr int kScrollMax = 1000;
inline constexpr int kScrollSmallChange = 1;
inline constexpr int kScrollLargeChange = 100;
inline constexpr int kPrintCopies = 1;

inline constexpr std::array<ComponentDefinition, 14> kFormDefinition{{
    {"frmMain", ComponentKind::Form, 178, 64, 555, 391, kMainFormCaption, -1, Glyph::None, nullptr},
    {"pbScreen", ComponentKind::PaintBox, 8, 40, 521, 305, "", -1, Glyph::None, nullptr},
    {"shBack", ComponentKind::Shape, 8, 40, 65, 65, "", -1, Glyph::None, nullptr},
    {"btnZoomPlus", ComponentKind::Button, 304, 8, 17, 25, "+", 0, Glyph::None,
     &TfrmMain::btnZoomPlusClick},
    {"btnZoomMinus", ComponentKind::Button, 320, 8, 17, 25, "-", 1, Glyph::None,
     &TfrmMain::btnZoomMinusClick},
    {"txtZoom", ComponentKind::Edit, 336, 8, 41, 21, "1", 2, Glyph::None, nullptr},
    {"scrLeftRight", ComponentKind::HorizontalBar, 8, 344, 513, 16, "", 3, Glyph::None,
     &TfrmMain::scrLeftRightChange},
    {"scrTopDown", ComponentKind::VerticalBar, 528, 40, 16, 297, "", 4, Glyph::None,
     &TfrmMain::scrTopDownChange},
    {"btnLoad", ComponentKind::BitButton, 8, 8, 73, 25, "&Load", 5, Glyph::OpenFolder,
     &TfrmMain::btnLoadClick},
    {"btnSave", ComponentKind::BitButton, 80, 8, 73, 25, "&Save", 6, Glyph::Diskette, nullptr},
    {"btnSaveAs", ComponentKind::BitButton, 152, 8, 73, 25, "Save &as", 7, Glyph::Diskette,
     nullptr},
    {"OpenDialog", ComponentKind::OpenDialog, 0, 0, 0, 0, "", -1, Glyph::None, nullptr},
    {"prnDialog", ComponentKind::PrintDialog, 0, 0, 0, 0, "", -1, Glyph::None, nullptr},
    {"btnPrint", ComponentKind::BitButton, 224, 8, 73, 25, "&Print", 8, Glyph::Printer,
     &TfrmMain::btnPrintClick},
}};
