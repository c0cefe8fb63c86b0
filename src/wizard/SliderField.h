#pragma once
// One number of a wizard page on a vertical slider, with its edit box below
// and its scale of tick labels beside it, bound to one ConfigValues entry and
// the device byte behind it (Swashplate travel, Collective pitch, Tail setup).
//
// - Moving the slider (mouse, keys, wheel) puts the value into the field, the
//   ConfigValues entry and the edit box.
// - Letting go of the mouse button on the slider, or the end of a move made
//   otherwise (SliderSettle), writes the device byte and sends the whole image.
// - Enter in the edit box reads it with its range check (the range message
//   on failure), moves the slider to the typed number (before the clamp, so
//   the slider sits at its end for a number beyond the range), clamps, writes
//   the ConfigValues entry and the device byte, sends, and shows the value.
//   One press is one entry: a held key's repeats are not new entries.
// - Refresh() shows the ConfigValues entry; a slider the user holds, an edit
//   box the user is typing in and an entry being confirmed are left alone.

#include "params/ParameterTable.h"

#include <QObject>
#include <QString>

#include <vector>

class QLabel;
class QLineEdit;
class QSlider;
class QWidget;
class CWizardPage;
struct Orvex;
class SliderSettle;

// The value's range (validation and clamp; the slider shows the top of the
// range at its top) is that of its table entry.
struct SliderFieldDef {
    CV name;               // the ConfigValues entry; its device byte goes with it
    int sliderId, editId;  // control ids
    int x, y, w, h;        // slider place, dialog units
    int editX, editY;      // edit box place, dialog units (30 x 14)
    int tickFrequency;     // also the step of the scale labels
    const char* caption;   // the page's static over the slider ("Servo trim")
};

class SliderField : public QObject {
    Q_OBJECT
public:
    // Creates the controls on the page; the value comes from ConfigValues.
    SliderField(CWizardPage* page, const SliderFieldDef& def);

    // Range, tick frequency, position, the skin, then the scale beside it.
    void Initialise();

    int value() const { return value_; }
    QSlider* slider() const { return slider_; }
    QLineEdit* edit() const { return edit_; }

    // The value from ConfigValues, shown on the slider and in the edit box.
    void Refresh();
    // The value into the edit box unless the user is typing there.
    void RefreshEdit();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OnDrag();
    void OnRelease();
    void OnEnter();
    void ShowPosition();
    void PlaceScale();
    void StoreByte();

    SliderFieldDef def_;
    Orvex& orvex_;
    const ByteDef& range_;
    int value_;
    QWidget* page_;
    QSlider* slider_;
    QLineEdit* edit_;
    SliderSettle* settle_;
    bool confirming_ = false;
    std::vector<QLabel*> scale_;
};
