#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Every byte from 0x00 to 0x20 is a blank; bytes from 0x80 up are not.
inline bool IsBlank(char c) {
    return static_cast<unsigned char>(c) <= 0x20;
}

std::string Trim(std::string_view text);
std::string_view TrimView(std::string_view text);

// The first n characters, or the whole text when it is shorter.
std::string LeftStr(std::string_view text, std::size_t n);

// From the 1-based position start on: count characters, or all of them when count is 0.
std::string MidStr(std::string_view text, std::size_t start, std::size_t count);

// Takes the text before the first space; the line keeps its trimmed rest.
std::string PopToken(std::string& line);
std::string_view PopTokenView(std::string_view& line);

// Optional sign and decimal digits, wrapping around in 32 bits; no digits read as 0.
int32_t ReadNumber(std::string_view token);
