#pragma once
// The --json documents. Every document is an object that starts with
// "format": 1; fields are added, never renamed, within one format. Text is
// always valid UTF-8: a file or port name that is not is given with each
// invalid byte replaced by U+FFFD, and its exact bytes in hex beside it
// ("file" and "file_bytes").

#include "params/ParameterTable.h"

#include <nlohmann/json.hpp>

#include <string>

// Members keep the order they are added in.
using Json = nlohmann::ordered_json;

inline constexpr int kJsonFormat = 1;

// {"format": 1}
Json JsonDocument();
// object[field] = name, with object[field + "_bytes"] when name is not UTF-8.
void PutName(Json& object, const std::string& field, const std::string& name);
// "port": the resolved path, "port_name": the name it was given as.
void PutPort(Json& object, const std::string& path, const std::string& typed);
// "key": the configuration-file key that sets the byte (null: none), "label":
// the name the windows give it.
void PutKeyAndLabel(Json& object, DeviceByte byte);
// The same for a configuration-file key.
void PutKeyAndLabel(Json& object, const std::string& key);
// The document on standard output, indented, one per run.
void PrintJson(const Json& document);
