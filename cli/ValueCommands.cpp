#include "cli/ValueCommands.h"

#include "cli/CliSession.h"
#include "cli/Json.h"
#include "cli/VerifiedWrite.h"
#include "params/ConfigFile.h"
#include "params/ParameterTable.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <numeric>
#include <optional>
#include <string_view>
#include <utility>

namespace {

constexpr WriteTexts kSetTexts = {
    "the values were sent, but the Orvex did not confirm them and may not hold them; the change is not verified.",
    "the Orvex confirmed the values, but they could not be read back; the change is not verified.",
    "the values did not take; these bytes read back differently (read back -> set):\n",
};

// Letters that differ in case only count as the same.
size_t EditDistance(std::string_view a, std::string_view b) {
    std::vector<size_t> row(b.size() + 1);
    std::iota(row.begin(), row.end(), size_t{0});
    for (size_t i = 1; i <= a.size(); ++i) {
        size_t diagonal = row[0];
        row[0] = i;
        for (size_t j = 1; j <= b.size(); ++j) {
            const bool same = std::tolower(static_cast<unsigned char>(a[i - 1])) ==
                              std::tolower(static_cast<unsigned char>(b[j - 1]));
            const size_t above = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (same ? 0 : 1)});
            diagonal = above;
        }
    }
    return row[b.size()];
}

// Names the unknown name and up to three known names closest to it.
std::string UnknownName(const std::string& name) {
    std::vector<std::pair<size_t, const char*>> near;
    for (const char* known : ValueNames())
        if (const size_t d = EditDistance(name, known); d <= std::max<size_t>(2, name.size() / 3))
            near.emplace_back(d, known);
    std::stable_sort(near.begin(), near.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::string text = "unknown value '" + name + "'";
    if (near.empty()) return text + " (a value is named by its configuration-file key or its label)";
    for (size_t i = 0; i < near.size() && i < 3; ++i)
        text += (i == 0 ? "; closest: '" : ", '") + std::string(near[i].second) + "'";
    return text;
}

// The value a name stands for; nullopt after the usage message.
std::optional<NamedValue> Named(const std::string& name, const char* command) {
    const std::optional<NamedValue> value = FindValueByName(name);
    if (!value) CliUsageError(UnknownName(name), command);
    return value;
}

bool WholeNumber(std::string_view text) {
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) text.remove_prefix(1);
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

struct Assignment {
    NamedValue value;
    int number = 0;
};

// Every NAME=VALUE: a known name, a whole number within its range, each value
// once. nullopt after the usage message for the first that is not.
std::optional<std::vector<Assignment>> Assignments(const std::vector<std::string>& words) {
    std::vector<Assignment> out;
    ConfigFileCheck check;
    for (const std::string& word : words) {
        const size_t equals = word.find('=');
        if (equals == std::string::npos) {
            CliUsageError("'" + word + "' is not NAME=VALUE", "set");
            return std::nullopt;
        }
        const std::string name = word.substr(0, equals), text = word.substr(equals + 1);
        const std::optional<NamedValue> value = Named(name, "set");
        if (!value) return std::nullopt;
        if (!WholeNumber(text)) {
            CliUsageError("the value of '" + name + "' is not a whole number: '" + text + "'", "set");
            return std::nullopt;
        }
        if (std::any_of(out.begin(), out.end(), [&](const Assignment& a) { return a.value.at == value->at; })) {
            CliUsageError("'" + name + "' names a value given before", "set");
            return std::nullopt;
        }
        const int number = ConfigNumberFromText(text);
        check.CheckRange(value->key, number, ByteOf(value->at));
        out.push_back({*value, number});
    }
    if (!check.Refused()) return out;
    std::string lines = check.OutOfRangeLines();
    lines.pop_back();
    CliUsageError("these values are outside their range; the port was not opened:\n" + lines, "set");
    return std::nullopt;
}

std::string Title(const NamedValue& v) { return std::string(Label(v.at)) + " (" + v.key + ")"; }

Json ValueItem(const NamedValue& v) {
    Json item;
    PutKeyAndLabel(item, std::string(v.key));
    return item;
}

Json ValuesDocument(const CliSession& s, const std::string& typed, const Json& values) {
    Json doc = JsonDocument();
    PutPort(doc, s.path(), typed);
    doc["values"] = values;
    return doc;
}

}  // namespace

int GetValues(const std::vector<std::string>& args, bool json) {
    std::vector<NamedValue> values;
    for (size_t i = 1; i < args.size(); ++i) {
        const std::optional<NamedValue> value = Named(args[i], "get");
        if (!value) return 2;
        values.push_back(*value);
    }
    CliSession s;
    std::string error;
    if (!s.Connect(args[0], kCliConnectTimeoutMs, error)) return CliFail(error);
    Json items = Json::array();
    for (const NamedValue& v : values) {
        const int value = *BytePtr(s.orvex().image, v.at);
        if (!json) std::printf("%s: %d\n", Title(v).c_str(), value);
        items.push_back(ValueItem(v));
        items.back()["value"] = value;
    }
    if (json) PrintJson(ValuesDocument(s, args[0], items));
    return 0;
}

int SetValues(const std::vector<std::string>& args, bool json) {
    const std::optional<std::vector<Assignment>> assignments =
        Assignments(std::vector<std::string>(args.begin() + 1, args.end()));
    if (!assignments) return 2;
    CliSession s;
    std::string error;
    if (!s.Connect(args[0], kCliConnectTimeoutMs, error)) return CliFail(error);
    const ParameterImage before = s.orvex().image;
    ParameterImage wanted = before;
    for (const Assignment& a : *assignments) *BytePtr(wanted, a.value.at) = static_cast<int8_t>(a.number);
    const WriteOutcome written = WriteVerified(s, PlanRestore(before, wanted), kSetTexts);

    Json items = Json::array();
    for (const Assignment& a : *assignments) {
        const int old = *BytePtr(before, a.value.at), readBack = *BytePtr(s.orvex().image, a.value.at);
        if (!json && written.stage == WriteStage::Verified)
            std::printf("%s: %d → %d\n", Title(a.value).c_str(), old, a.number);
        Json item = ValueItem(a.value);
        item["old"] = old;
        item["new"] = a.number;
        item["value"] = written.ReadBack() ? Json(readBack) : Json();
        item["confirmed"] = written.ReadBack() && readBack == a.number;
        items.push_back(item);
    }
    if (json) PrintJson(ValuesDocument(s, args[0], items));
    return written.stage == WriteStage::Verified ? 0 : CliFail(written.error);
}
