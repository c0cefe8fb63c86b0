#include "app/PortComboBox.h"

void PortComboBox::showPopup() {
    emit aboutToDropDown();
    QComboBox::showPopup();
}
