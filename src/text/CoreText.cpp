#include "text/CoreText.h"

CoreText CoreText::Of(const char* context, const char* source, std::vector<CoreText> args) {
    CoreText t(source);
    t.context = context;
    t.args = std::move(args);
    return t;
}

CoreText CoreText::Joined(const std::vector<CoreText>& parts, std::string_view separator) {
    CoreText t;
    for (size_t i = 0; i < parts.size(); ++i)
        t.source += (i ? std::string(separator) : std::string()) + "%" + std::to_string(i + 1);
    t.args = parts;
    return t;
}

std::string CoreText::Render(const std::function<std::string(const CoreText&)>& pattern) const {
    std::string text = pattern(*this);
    // A text without arguments has no place to fill: a '%' in a value is the value's.
    if (args.empty()) return text;
    std::vector<std::string> filled;
    filled.reserve(args.size());
    for (const CoreText& a : args) filled.push_back(a.Render(pattern));
    return SubstituteArgs(text, filled);
}

std::string CoreText::English() const {
    return Render([](const CoreText& t) { return t.source; });
}

std::string SubstituteArgs(std::string_view pattern, const std::vector<std::string>& args) {
    std::string out;
    out.reserve(pattern.size());
    for (size_t i = 0; i < pattern.size();) {
        size_t end = i + 1;
        size_t number = 0;
        while (pattern[i] == '%' && end < pattern.size() && pattern[end] >= '0' && pattern[end] <= '9')
            number = number * 10 + static_cast<size_t>(pattern[end++] - '0');
        if (end > i + 1 && number >= 1 && number <= args.size()) {
            out += args[number - 1];
            i = end;
        } else {
            out += pattern[i++];
        }
    }
    return out;
}
