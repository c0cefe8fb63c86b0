#pragma once
// The wizard pages' numbers on a ValueSlider (Swashplate travel, Collective
// pitch, Tail setup), each bound to one ConfigValues entry and the device
// byte behind it:
//
// - moving the slider puts the value into the ConfigValues entry;
// - letting go of the mouse, the end of a move made otherwise, or Enter in
//   the box writes the entry and the device byte and sends the whole image;
// - the page's refresh shows the ConfigValues entry (ValueSlider::Refresh).
//
// The range (validation and clamp; the top of the range at the top) is that
// of the entry in the parameter table.

#include "params/ParameterTable.h"

class CWizardPage;
class ValueSlider;

struct PageSliderDef {
    CV name;               // the ConfigValues entry; its device byte goes with it
    int sliderId, editId;  // control ids
    int x, y, w, h;        // slider place, dialog units
    int editX, editY;      // edit box place, dialog units (30 x 14)
    int tickFrequency;     // also the step of the scale labels
    const char* caption;   // the page's static over the slider ("Servo trim"), marked for the page's class
};

namespace PageSliders {

// Creates the slider, its box and scale on the page, at the ConfigValues entry.
ValueSlider* Add(CWizardPage* page, const PageSliderDef& def);

// Range, tick frequency, position, the skin, the page's static that names the
// slider as its label, the box, then the scale beside it.
void Initialise(ValueSlider* slider, const PageSliderDef& def);

// The slider's and its box's names in the language shown.
void Retranslate(ValueSlider* slider, const PageSliderDef& def);

}  // namespace PageSliders
