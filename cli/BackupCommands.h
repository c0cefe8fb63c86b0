#pragma once
// quillon-cli backup PORT FILE: the whole image as the Orvex reports it, in a
// backup file. quillon-cli restore PORT FILE: sends a backup with the frames
// the program's own pages use, reads the unit back and succeeds only when
// every restorable byte holds the backup's value. quillon-cli history [PORT]:
// the images kept on connect (--json: as one JSON document).

#include <string>
#include <vector>

int BackupUnit(const std::vector<std::string>& args);
int RestoreUnit(const std::vector<std::string>& args);
int ListUnitHistory(const std::vector<std::string>& args, bool json);
