#include "platform/window_host.h"

WindowHost* frmMain = nullptr;
