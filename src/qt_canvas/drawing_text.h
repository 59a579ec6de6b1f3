#pragma once

#include <QString>
#include <string_view>

// A drawing's text bytes as characters: UTF-8 where they are valid UTF-8, Windows-1252
// otherwise, alike on the screen, on paper and in the caption. A text of the full 255 bytes
// whose last character the limit cut in two loses that character.
QString DrawingText(std::string_view bytes);
