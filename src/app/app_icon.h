#pragma once

#include <QIcon>

// The program's icon, drawn from the SVG the desktop entry names.
QIcon ApplicationIcon();
