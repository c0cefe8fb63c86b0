#pragma once
// Just enough JSON writing for the --json outputs.

#include <string>
#include <utility>
#include <vector>

// "text" with quotes, backslashes and control characters escaped.
std::string JsonString(const std::string& text);
// {"key": value, ...}; values are already JSON.
std::string JsonObject(const std::vector<std::pair<std::string, std::string>>& members);
// [a, b, ...]; items are already JSON.
std::string JsonArray(const std::vector<std::string>& items);
