#pragma once

#include <QIcon>

enum class Glyph { None, OpenFolder, Diskette, Printer };

// A 16 x 16 button picture in the standard 16-colour palette.
QIcon GlyphIcon(Glyph glyph);
