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

#include <QtGlobal>

namespace {
template <class Page>
CWizardPage* Make(Orvex& orvex, int number, const QString& title, QWidget* parent) {
    return new Page(orvex, number, title, parent);
}
}  // namespace

// Titles are in the wizard's context: its tabs show them too.
// The class numbers do not follow the page order: page 11 is CStep13 and
// page 12 is CStep12.
const std::array<WizardPageDef, kWizardPageCount> kWizardPages = {{
    {1, QT_TRANSLATE_NOOP("CSetupWizard", "Transmitter"), "CStep1", Make<CStep1>},
    {2, QT_TRANSLATE_NOOP("CSetupWizard", "Receiver"), "CStep2", Make<CStep2>},
    {3, QT_TRANSLATE_NOOP("CSetupWizard", "Monitor"), "CStep3", Make<CStep3>},
    {4, QT_TRANSLATE_NOOP("CSetupWizard", "Installation"), "CStep4", Make<CStep4>},
    {5, QT_TRANSLATE_NOOP("CSetupWizard", "Servo type"), "CStep6", Make<CStep6>},
    {6, QT_TRANSLATE_NOOP("CSetupWizard", "Swashplate type"), "CStep7", Make<CStep7>},
    {7, QT_TRANSLATE_NOOP("CSetupWizard", "Servo reverse"), "CStep8", Make<CStep8>},
    {8, QT_TRANSLATE_NOOP("CSetupWizard", "Servo trim"), "CStep9", Make<CStep9>},
    {9, QT_TRANSLATE_NOOP("CSetupWizard", "Swashplate travel"), "CStep10", Make<CStep10>},
    {10, QT_TRANSLATE_NOOP("CSetupWizard", "Collective pitch"), "CStep11", Make<CStep11>},
    {11, QT_TRANSLATE_NOOP("CSetupWizard", "Tail setup"), "CStep13", Make<CStep13>},
    {12, QT_TRANSLATE_NOOP("CSetupWizard", "Gyro dir"), "CStep12", Make<CStep12>},
    {13, QT_TRANSLATE_NOOP("CSetupWizard", "Pirouette optimization"), "CStep14", Make<CStep14>},
}};
