#include "wizard/CStep1.h"

namespace {
constexpr CWizardPage::StaticText kStatics[] = {
    {.id = 1035,
     .x = 4,
     .y = 5,
     .w = 470,
     .h = 20,
     .text = "1.Power on the transmitter and create a new helicopter model, set the trims and sub-trims of all the "
             "channels to be zero. Set the swashplate mode as a no mixing mode(Futaba:H1; JR:1 servo NORM)in your "
             "transmitter."},
    {.id = 1037,
     .x = 5,
     .y = 25,
     .w = 485,
     .h = 20,
     .text = "2.Make sure all the mixing functions related to swashplate and tail are turned off. Do not adjust the "
             "collective pitch curve now, remain it as a straight line."},
    {.id = 1064,
     .x = 5,
     .y = 45,
     .w = 285,
     .h = 10,
     .text = "3.Take DX7 and 8FG for example, conservative configuration shown below."},
};
constexpr int kDx7Picture = 179, kFutaba8fgPicture = 180;
}  // namespace

CStep1::CStep1(Orvex& unit, int pageNumber, const QString& title, QWidget* parent)
    : CWizardPage(unit, pageNumber, title, parent) {}

void CStep1::InitPage() {
    AddPicture(kDx7Picture, QPoint(10, 150));
    AddPicture(kFutaba8fgPicture, QPoint(420, 150));
    AddStatics(kStatics);
}
