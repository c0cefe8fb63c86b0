#include "WizardPages.h"

#include "CStep1.h"
#include "CStep10.h"
#include "CStep11.h"
#include "CStep12.h"
#include "CStep13.h"
#include "CStep14.h"
#include "CStep2.h"
#include "CStep3.h"
#include "CStep4.h"
#include "CStep6.h"
#include "CStep7.h"
#include "CStep8.h"
#include "CStep9.h"

Q_LOGGING_CATEGORY(lcWizard, "quillon.wizard")

namespace {
template <class Page>
CWizardPage* Make(int number, const QString& title, QWidget* parent) {
    return new Page(number, title, parent);
}
}  // namespace

// The class numbers do not follow the page order: page 11 is CStep13 and
// page 12 is CStep12.
const std::array<WizardPageDef, kWizardPageCount> kWizardPages = {{
    {1, "Transmitter", "CStep1", Make<CStep1>},
    {2, "Receiver", "CStep2", Make<CStep2>},
    {3, "Monitor", "CStep3", Make<CStep3>},
    {4, "Installation", "CStep4", Make<CStep4>},
    {5, "Servo type", "CStep6", Make<CStep6>},
    {6, "Swashplate type", "CStep7", Make<CStep7>},
    {7, "Servo reverse", "CStep8", Make<CStep8>},
    {8, "Servo trim", "CStep9", Make<CStep9>},
    {9, "Swashplate travel", "CStep10", Make<CStep10>},
    {10, "Collective pitch", "CStep11", Make<CStep11>},
    {11, "Tail setup", "CStep13", Make<CStep13>},
    {12, "Gyro dir", "CStep12", Make<CStep12>},
    {13, "Pirouette optimization", "CStep14", Make<CStep14>},
}};
