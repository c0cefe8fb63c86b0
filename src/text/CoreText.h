#pragma once
// A message the Qt-free core composes for the pilot, kept as its English
// source text with its values, so that a window can show it translated while
// quillon-cli, the files and the link log take the English.
//
// A source is marked for lupdate where it is written:
//     CoreText::Of("ConfigCompare", QT_TRANSLATE_NOOP("ConfigCompare", "%1: %2 → %3"), {label, before, after})
// (lupdate needs the context inside the mark, so it is written twice). An
// argument is itself a CoreText: a plain value (number, file name, port) has
// no context and is never translated; a parameter label has "ParameterTable".

#include <functional>
#include <string>
#include <string_view>
#include <vector>

// The mark is the text itself, as Qt's macro of the same name is.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

struct CoreText {
    std::string context;  // empty: a value shown as it is
    std::string source;   // the English text, %1..%N for the arguments
    std::vector<CoreText> args;

    CoreText() = default;
    // A plain value.
    CoreText(std::string value) : source(std::move(value)) {}
    CoreText(const char* value) : source(value) {}

    static CoreText Of(const char* context, const char* source, std::vector<CoreText> args = {});
    static CoreText Number(long long value) { return CoreText(std::to_string(value)); }
    // The parts one after the other with separator between them (a list of lines).
    static CoreText Joined(const std::vector<CoreText>& parts, std::string_view separator);

    bool empty() const { return source.empty() && args.empty(); }

    // The text with every argument's text put in, the pattern of each part
    // given by pattern (a window's translation); in one pass, so an argument
    // holding "%2" stays as it is.
    std::string Render(const std::function<std::string(const CoreText&)>& pattern) const;
    std::string English() const;
};

// %1..%N of pattern replaced by args[0..N-1] in one pass; a number beyond the
// arguments, and a '%' not followed by a digit, stay as written.
std::string SubstituteArgs(std::string_view pattern, const std::vector<std::string>& args);
