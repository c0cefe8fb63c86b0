#pragma once
// quillon-cli doctor: checks what usually keeps a connect from working and
// says how to fix each; 0 only when nothing blocks a connect.

#include <string>
#include <vector>

int Doctor(const std::vector<std::string>& args);
