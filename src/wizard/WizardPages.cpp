#include "wizard/WizardPages.h"

#include "wizard/CStep1.h"
#include "wizard/CStep10.h"
#include "wizard/CStep11.h"
#include "wizard/CStep12.h"
#include "wizard/CStep13.h"
#include "wizard/CStep14.h"
#include "wizard/CStep2.h"
#include "wizard/CStep3.h"
#include "wizard/CStep4.h"
#include "wizard/CStep6.h"
#include "wizard/CStep7.h"
#include "wizard/CStep8.h"
#include "wizard/CStep9.h"

namespace {
template <class Page>
CWizardPage* Make(Orvex& orvex, int number, const QString& title, QWidget* parent) {
    return new Page(orvex, number, title, parent);
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
