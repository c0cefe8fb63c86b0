#pragma once
// What "Transmit Conifg file" would change on the Orvex if a file were opened
// now: every value of the image it sends that differs from the unit's, by the
// name the panels give it. The menu's compare command and quillon-cli diff
// both show this list.

#include "params/ConfigFile.h"

#include <string>
#include <vector>

struct ConfigChange {
    DeviceByte byte;
    std::string name;  // the value's label
    int unitValue;
    int fileValue;
};

struct ConfigComparison {
    ConfigFileResult result;  // !ok: the file was not read, or not taken (check says why)
    ConfigFileCheck check;
    std::vector<ConfigChange> changes;

    // One line a change ("Pitch gain: 40 → 55"), or a line saying that
    // nothing would change; a note on missing keys follows.
    std::string Text() const { return ReportText().English(); }
    CoreText ReportText() const;
};

// Opens the file over the unit's values, as "Open conifg file" does after a
// connect, and compares the image the transmit would send with the unit's.
ConfigComparison CompareConfigFile(const std::string& path, const ParameterImage& unit);
