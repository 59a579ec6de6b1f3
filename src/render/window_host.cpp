#include "render/window_host.h"

WindowHost* frmMain = nullptr;
