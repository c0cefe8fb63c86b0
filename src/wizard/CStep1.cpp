#include "wizard/CStep1.h"

#include <QCoreApplication>
#include <QStringList>

namespace {
// clang-format off
constexpr CWizardPage::StaticText kStatics[] = {
    {.id = 1035, .x = 4, .y =  5, .w = 470, .h = 20,
     .text = QT_TRANSLATE_NOOP("CStep1", "1.Power on the transmitter and create a new helicopter model, set the trims and sub-trims of all the channels to be zero. Set the swashplate "
             "mode as a no mixing mode(Futaba:H1; JR:1 servo NORM)in your transmitter.")},
    {.id = 1037, .x = 5, .y = 25, .w = 485, .h = 20,
     .text = QT_TRANSLATE_NOOP("CStep1", "2.Make sure all the mixing functions related to swashplate and tail are turned off. Do not adjust the collective pitch curve now, remain it as a "
             "straight line.")},
    {.id = 1064, .x = 5, .y = 45, .w = 285, .h = 10, .text = QT_TRANSLATE_NOOP("CStep1", "3.Take DX7 and 8FG for example, conservative configuration shown below.")},
};
// clang-format on
constexpr int kDx7Picture = 179, kFutaba8fgPicture = 180;

// The two example tables drawn in the pictures, row by row: what to set,
// then menu path and value on each transmitter.
struct ExampleRow {
    const char* parameter;
    const char* dx7Path;
    const char* dx7Value;
    const char* fg8Path;
    const char* fg8Value;
};
constexpr ExampleRow kExampleRows[] = {
    {QT_TRANSLATE_NOOP("CStep1", "Model type"), "SYSTEM > MODEL TYPE", "HELI", "Linkage > Model type",
     QT_TRANSLATE_NOOP("CStep1", "Helicopter, H-1")},
    {QT_TRANSLATE_NOOP("CStep1", "Swash type"), "SYSTEM > SWASH TYPE", QT_TRANSLATE_NOOP("CStep1", "1 servo normal"),
     "Linkage > Model type > Swash", QT_TRANSLATE_NOOP("CStep1", "H-1 (no mixing)")},
    {QT_TRANSLATE_NOOP("CStep1", "Sub-trims"), "ADJUST > SUB TRIM", QT_TRANSLATE_NOOP("CStep1", "0 on all channels"),
     "Linkage > Sub-trim", QT_TRANSLATE_NOOP("CStep1", "0 on all channels")},
    {QT_TRANSLATE_NOOP("CStep1", "End points"), "ADJUST > TRAVEL ADJ", "100% / 100%", "Linkage > End point",
     "100% / 100%"},
    {QT_TRANSLATE_NOOP("CStep1", "Dual rates"), "ADJUST > D/R & EXPO", "AIL, ELE 80%", "Model > Dual rate",
     "AIL, ELE 80%"},
    {QT_TRANSLATE_NOOP("CStep1", "Exponential"), "ADJUST > D/R & EXPO", QT_TRANSLATE_NOOP("CStep1", "soft, 20%"),
     "Model > Dual rate / Exp", QT_TRANSLATE_NOOP("CStep1", "soft, 20%")},
    {QT_TRANSLATE_NOOP("CStep1", "Gyro sensitivity"), "ADJUST > GYRO SENS", "AVCS, 36%", "Model > Gyro", "AVCS, 36%"},
    {QT_TRANSLATE_NOOP("CStep1", "Pitch curve"), "ADJUST > PITCH CURVE", QT_TRANSLATE_NOOP("CStep1", "straight line"),
     "Model > Pitch curve", QT_TRANSLATE_NOOP("CStep1", "straight line")},
};

// One table as text: "Model type: SYSTEM > MODEL TYPE, HELI. ..." The menu
// paths and the transmitters' own words stay in English.
QString ExampleText(bool dx7) {
    const auto text = [](const char* source) { return QCoreApplication::translate("CStep1", source); };
    QStringList rows;
    for (const ExampleRow& r : kExampleRows)
        rows << QCoreApplication::translate("CStep1", "%1: %2, %3.")
                    .arg(text(r.parameter), QLatin1String(dx7 ? r.dx7Path : r.fg8Path),
                         text(dx7 ? r.dx7Value : r.fg8Value));
    return rows.join(QLatin1Char(' '));
}
}  // namespace

CStep1::CStep1(Orvex& unit, int pageNumber, const QString& title, QWidget* parent)
    : CWizardPage(unit, pageNumber, title, parent) {}

void CStep1::InitPage() {
    AddPicture(kDx7Picture, QPoint(10, 150), QT_TR_NOOP("DX7 conservative example"));
    AddPicture(kFutaba8fgPicture, QPoint(420, 150), QT_TR_NOOP("8FG conservative example"));
    AddStatics(kStatics);
}

void CStep1::RetranslatePage() {
    DescribePictures(kDx7Picture, ExampleText(true));
    DescribePictures(kFutaba8fgPicture, ExampleText(false));
}
