#include "widgets/ApplicationFilters.h"

#include "widgets/ControlNaming.h"
#include "widgets/FocusFrame.h"
#include "widgets/ScreenFit.h"
#include "widgets/WheelGuard.h"

void InstallApplicationFilters() {
    WheelGuard::Install();
    FocusFrame::Install();
    ScreenFit::Install();
    InstallComboBoxReading();
}
