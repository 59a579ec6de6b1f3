#include "model/text.h"

namespace {

bool IsNumberSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

}  // namespace

std::string Trim(std::string_view text) {
    return std::string(TrimView(text));
}

std::string_view TrimView(std::string_view text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && IsBlank(text[begin])) {
        ++begin;
    }
    while (end > begin && IsBlank(text[end - 1])) {
        --end;
    }
    return text.substr(begin, end - begin);
}

std::string LeftStr(std::string_view text, std::size_t n) {
    return std::string(text.substr(0, n));
}

std::string MidStr(std::string_view text, std::size_t start, std::size_t count) {
    const std::size_t offset = start == 0 ? 0 : start - 1;
    if (offset >= text.size()) {
        return {};
    }
    return std::string(text.substr(offset, count == 0 ? std::string_view::npos : count));
}

std::string PopToken(std::string& line) {
    std::string_view rest = line;
    std::string token(PopTokenView(rest));
    line = std::string(rest);
    return token;
}

std::string_view PopTokenView(std::string_view& line) {
    const std::size_t space = line.find(' ');
    if (space == std::string_view::npos) {
        const std::string_view token = line;
        line = {};
        return token;
    }
    const std::string_view token = line.substr(0, space);
    line = TrimView(line.substr(space));
    return token;
}

int32_t ReadNumber(std::string_view token) {
    std::size_t i = 0;
    while (i < token.size() && IsNumberSpace(token[i])) {
        ++i;
    }
    bool negative = false;
    if (i < token.size() && (token[i] == '+' || token[i] == '-')) {
        negative = token[i] == '-';
        ++i;
    }
    // Unsigned arithmetic: a number beyond 32 bits wraps around as the format expects.
    uint32_t value = 0;
    for (; i < token.size() && token[i] >= '0' && token[i] <= '9'; ++i) {
        value = value * 10u + static_cast<uint32_t>(token[i] - '0');
    }
    if (negative) {
        value = 0u - value;
    }
    return static_cast<int32_t>(value);
}
