#include "cli/Json.h"

#include <cstdio>
#include <optional>

namespace {
bool IsUtf8(const std::string& text) {
    try {
        (void)Json(text).dump();
        return true;
    } catch (const Json::type_error&) {
        return false;
    }
}

std::string Hex(const std::string& bytes) {
    std::string out;
    char pair[3];
    for (const unsigned char c : bytes) {
        std::snprintf(pair, sizeof pair, "%02x", c);
        out += pair;
    }
    return out;
}
}  // namespace

Json JsonDocument() { return Json{{"format", kJsonFormat}}; }

void PutName(Json& object, const std::string& field, const std::string& name) {
    if (IsUtf8(name)) {
        object[field] = name;
        return;
    }
    object[field] = Json::parse(Json(name).dump(-1, ' ', false, Json::error_handler_t::replace));
    object[field + "_bytes"] = Hex(name);
}

void PutPort(Json& object, const std::string& path, const std::string& typed) {
    PutName(object, "port", path);
    PutName(object, "port_name", typed);
}

void PutKeyAndLabel(Json& object, DeviceByte byte) {
    const char* key = FileKeyOf(byte);
    object["key"] = key ? Json(key) : Json();
    object["label"] = Label(byte);
}

void PutKeyAndLabel(Json& object, const std::string& key) {
    object["key"] = key;
    const std::optional<NamedValue> value = FindValueByName(key);
    object["label"] = value ? Label(value->at) : key.c_str();
}

void PrintJson(const Json& document) {
    // Any text that slipped past PutName still comes out as UTF-8.
    std::printf("%s\n", document.dump(2, ' ', false, Json::error_handler_t::replace).c_str());
}
