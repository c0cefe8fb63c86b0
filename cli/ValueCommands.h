#pragma once
// quillon-cli get PORT NAME...: the Orvex's values, each named by its
// configuration-file key or its label, in any letter case.
// quillon-cli set PORT NAME=VALUE...: every name and value is checked (a value
// against its range, as a configuration file's) before the port is opened;
// then all values go out in one parameter frame, and the command succeeds only
// when the Orvex confirmed it and reads back every value as set.

#include <string>
#include <vector>

int GetValues(const std::vector<std::string>& args, bool json);
int SetValues(const std::vector<std::string>& args, bool json);
