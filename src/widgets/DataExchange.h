#pragma once
// Integer exchange between edit boxes and values, with the range check every
// dialog uses, and the rule that keeps periodic refreshes away from a box the
// user is typing in: a box edited by the user (QLineEdit::isModified) is not
// overwritten by a refresh until the entry is confirmed (Enter or OK).

class QLineEdit;
class QWidget;

namespace DataExchange {

// Reads the box into value. Text that is not an integer shows "Please enter
// an integer." and leaves value unchanged; a number outside min..max shows
// "Please enter an integer between <min> and <max>." and is still stored in
// value. Both failures return false and put the focus back on the box.
bool ReadInt(QLineEdit* edit, int& value, int min, int max, QWidget* parent);

// Shows value in the box (clears the box's modified flag).
void WriteInt(QLineEdit* edit, int value);

// Shows value unless the user has edited the box and not yet confirmed it.
void RefreshInt(QLineEdit* edit, int value);

// Marks the user's entry as taken, so refreshes update the box again.
void Confirm(QLineEdit* edit);

}  // namespace DataExchange
