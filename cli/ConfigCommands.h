#pragma once
// quillon-cli save PORT FILE: fetches the parameters from the Orvex and writes
// the configuration file exactly as "Save Config file" does after a connect.
// quillon-cli load PORT FILE: reads the file as "Open conifg file" does and
// sends it as "Transmit Conifg file" does; a file holding a value outside its
// range is refused before the device is touched.
// quillon-cli diff PORT FILE: lists what that load would change on the Orvex.
// All use the program's own configuration-file and parameter code.

#include <string>
#include <vector>

int SaveConfig(const std::vector<std::string>& args);
int LoadConfig(const std::vector<std::string>& args);
// --json: the changes and missing keys as one JSON document.
int DiffConfig(const std::vector<std::string>& args, bool json);
