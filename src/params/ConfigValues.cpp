#include "params/ConfigValues.h"

void ConfigValues::SetStartValues() {
    for (const ConfigDef& d : kConfigDefs) v_[static_cast<size_t>(d.id)] = d.start;
}
