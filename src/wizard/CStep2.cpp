#include "wizard/CStep2.h"

#include "params/ParameterTable.h"
#include "widgets/DialogUnits.h"
#include "wizard/PageParts.h"

#include <QComboBox>
#include <QLabel>
#include <QStringList>

namespace {
constexpr int kLineCount = 14;

// The fourteen instruction lines, top to bottom: control id and y (dialog
// units); each is 345 x 10 at x = 5.
constexpr int kLineX = 5, kLineWidth = 345, kLineHeight = 10;
struct LineDef {
    int id;
    int y;
};
// clang-format off
constexpr LineDef kLines[kLineCount] = {
    {.id = ReceiverPageIds::Line1,  .y =   5},
    {.id = ReceiverPageIds::Line2,  .y =  18},
    {.id = ReceiverPageIds::Line3,  .y =  31},
    {.id = ReceiverPageIds::Line4,  .y =  44},
    {.id = ReceiverPageIds::Line5,  .y =  57},
    {.id = ReceiverPageIds::Line6,  .y =  70},
    {.id = ReceiverPageIds::Line7,  .y =  83},
    {.id = ReceiverPageIds::Line8,  .y =  96},
    {.id = ReceiverPageIds::Line9,  .y = 109},
    {.id = ReceiverPageIds::Line10, .y = 121},
    {.id = ReceiverPageIds::Line11, .y = 133},
    {.id = ReceiverPageIds::Line12, .y = 146},
    {.id = ReceiverPageIds::Line13, .y = 158},
    {.id = ReceiverPageIds::Line14, .y = 171},
};
// clang-format on

// A set of texts over the fourteen lines. A text in several lines ("\n") is
// followed by null for each further line it takes: in a language whose text
// has fewer lines, it is one label over all of them, wrapped at its width.
using TextSet = const char* const[kLineCount];

// Conventional receiver: its wiring picture says it all.
constexpr TextSet kNoText = {"", "", "", "", "", "", "", "", "", "", "", "", "", ""};

constexpr TextSet kSbusText = {
    QT_TRANSLATE_NOOP("CStep2",
                      "Enter the 'FUNCTION' menu of your transmitter, define the sequence of the channels as below:"),
    QT_TRANSLATE_NOOP("CStep2", "                        Mode 2    Mode 1"),
    QT_TRANSLATE_NOOP("CStep2", "1  AILERON       J1   T1     J1   T1"),
    QT_TRANSLATE_NOOP("CStep2", "2  ELEVAROR    J2   T2     J3   T3"),
    QT_TRANSLATE_NOOP("CStep2", "3  THROTTLE    J3   T3     J2   T2"),
    QT_TRANSLATE_NOOP("CStep2", "4  RUDDER        J4   T4     J4   T4"),
    QT_TRANSLATE_NOOP("CStep2", "5  GYRO            --    --      --    --"),
    QT_TRANSLATE_NOOP("CStep2", "6  PITCH           J3   --      J2   --"),
    QT_TRANSLATE_NOOP("CStep2",
                      "Plug the short end of the S-Bus adapter cable to your receiver's\n"
                      "S-Bus port,and plug the long end to the Orvex-S's RUD port."),
    nullptr,
    "",
    "",
    "",
    "",
};

// The satellite systems, with the full-width colon and the curly quotes
// of the binding instructions (the texts as the pilots know them).
constexpr TextSet kDsmText = {
    QT_TRANSLATE_NOOP("CStep2", "DSM2-1：transmitter is DX 7 etc.(can bind by Orvex-S)"),
    QT_TRANSLATE_NOOP("CStep2", "DSM2-2：transmitter is DX 8,DSX9 etc.(recommend to bind by 6 or 7 channels receiver)"),
    QT_TRANSLATE_NOOP("CStep2", "DSM2-3：transmitter is DX 8,DSX9 etc.(recommend to bind by 9 channels receiver)"),
    QT_TRANSLATE_NOOP("CStep2",
                      "DSM2-4：transmitter with DM 8,DM9 module.(recommend to bind by 6 or 7 channels receiver)"),
    QT_TRANSLATE_NOOP("CStep2", "DSMJ:      transmitter is DSMJ format.(can bind by Orvex-S)"),
    QT_TRANSLATE_NOOP("CStep2", "DSMX-1：transmitter is DX 8 etc.(11ms mode, recommend to bind by matched receiver)"),
    QT_TRANSLATE_NOOP("CStep2", "DSMX-2：transmitter is DX 8 etc.(22ms mode, recommend to bind by matched receiver)"),
    QT_TRANSLATE_NOOP("CStep2",
                      "Binding method (left figure): plug the dual male connecter\n"
                      "cable to the ‘PIT/ELE/AUX’ port and ‘AIL’ port, plug the\n"
                      "DSM2/DSMJ adapter cable to the 'RUD' port, power on\n"
                      "the Orvex-S, it will enter binding mode, now bind as your\n"
                      "transmitter manual. After binding, remove the dual male\n"
                      "After binding, remove the dual male connecter cable from\n"
                      "the 'PIT/ELE/AUX' port and 'AIL' port."),
    nullptr,
    nullptr,
    nullptr,
    nullptr,
    nullptr,
    nullptr,
};

constexpr int kConventionalSelection = 0, kSbusSelection = 1;

// Wiring pictures: conventional receiver, S-Bus, satellite (binding and flying),
// each with what it shows for assistive tools.
constexpr int kConventionalPicture = 182, kSbusPicture = 261, kSatellitePicture = 260;
struct WiringText {
    int png;
    const char* name;
    const char* text;
};
// clang-format off
constexpr WiringText kWiringTexts[] = {
    {kConventionalPicture, QT_TRANSLATE_NOOP("CStep2", "Wiring of a conventional receiver"),
     QT_TRANSLATE_NOOP("CStep2", "Receiver channels 1 AIL, 2 ELE, 3 THR, 4 RUD, 5 GYRO, 6 PIT. Leads: plug each receiver channel into the Orvex input of the same name; the throttle goes "
     "straight to the speed controller. Outputs CH1, CH2, CH3 drive the swashplate servos, TAIL the tail servo. The DATA port takes the USB data cable.")},
    {kSbusPicture,         QT_TRANSLATE_NOOP("CStep2", "Wiring of an S-Bus receiver"),
     QT_TRANSLATE_NOOP("CStep2", "The short end of the S-Bus adapter cable goes to the receiver's S.BUS port, the long end to the RUD port of the Orvex-S; the receiver's other ports are "
     "unused. Outputs CH1, CH2, CH3 and TAIL drive the servos.")},
    {kSatellitePicture,    QT_TRANSLATE_NOOP("CStep2", "Wiring of a satellite receiver"),
     QT_TRANSLATE_NOOP("CStep2", "Binding: the dual male connector cable joins the AIL and PIT/ELE/AUX ports, the satellite's DSM2/DSMJ adapter cable goes to the RUD port. Flying: the "
     "satellite stays on the RUD port, the AIL and PIT/ELE/AUX ports are left free.")},
};
// The list's first entry is a kind of receiver, the others are the systems' own names.
constexpr const char* kConventionalName = QT_TRANSLATE_NOOP("CStep2", "Conventional receiver");
// clang-format on

const TextSet& TextSetFor(int selection) {
    if (selection == kConventionalSelection) return kNoText;
    if (selection == kSbusSelection) return kSbusText;
    return kDsmText;  // every other selection counts as a satellite system
}

int PictureFor(int selection) {
    if (selection == kConventionalSelection) return kConventionalPicture;
    if (selection == kSbusSelection) return kSbusPicture;
    return kSatellitePicture;
}

bool InList(int index) { return index >= 0 && index < CStep2::kSystemCount; }
}  // namespace

int CStep2::ExchangeListAndCode(int value) {
    if (value == 5) return 6;
    if (value == 6) return 5;
    return value;
}

CStep2::CStep2(Orvex& unit, int pageNumber, const QString& title, QWidget* parent)
    : CWizardPage(unit, pageNumber, title, parent), selection_(ExchangeListAndCode(orvex().config[CV::ReceiverType])) {}

void CStep2::InitPage() {
    const QPoint at[] = {{50, 80}, {200, 150}, {330, 210}};
    for (size_t i = 0; i < std::size(kWiringTexts); ++i)
        AddPicture(kWiringTexts[i].png, at[i], kWiringTexts[i].name, kWiringTexts[i].text);

    transmitter_ = AddStatic(QString(), DluRect(356, 12, 45, 10));
    list_ = new QComboBox(this);
    // The list chooses the receiver system the transmitter talks to.
    NameControl(list_, ReceiverPageIds::List);
    MarkValueControl(list_, ByteOf(CV::ReceiverType).name);
    list_->setGeometry(DluRect(404, 10, 95, 12));
    list_->setMaxVisibleItems(kSystemCount);
    for (int i = 0; i < kSystemCount; ++i)
        list_->addItem(QString::fromLatin1(kReceiverTypeNames[ExchangeListAndCode(i)]));
    connect(list_, &QComboBox::activated, this, &CStep2::OnSelectionChanged);

    for (const LineDef& l : kLines)
        lines_.push_back(AddStatic(l.id, QString(), DluRect(kLineX, l.y, kLineWidth, kLineHeight)));
    UpdateControls();
}

void CStep2::RetranslatePage() {
    transmitter_->setText(tr("Transmitter"));
    list_->setItemText(kConventionalSelection, Tr(kConventionalName));
    NameWithChoice(list_, PageParts::LabelText(CV::ReceiverType));
    WriteTextSet();
}

void CStep2::UpdateControls() {
    // A stored code outside the list shows no selection.
    list_->setCurrentIndex(InList(selection_) ? selection_ : -1);
}

int CStep2::wiringPicture() const { return PictureFor(selection_); }

bool CStep2::PictureShown(int pngId) const { return pngId == wiringPicture(); }

void CStep2::OnSelectionChanged(int index) {
    selection_ = index;
    const int8_t code = static_cast<int8_t>(ExchangeListAndCode(index));
    orvex().config[CV::ReceiverType] = code;
    *BytePtr(orvex().image, Def(CV::ReceiverType).device) = code;
    SendParameters();
    WriteTextSet();
    ShowPictureTexts();
    update();
}

void CStep2::WriteTextSet() {
    const TextSet& set = TextSetFor(selection_);
    for (int i = 0; i < kLineCount;) {
        int lines = 1;  // that the text takes
        while (i + lines < kLineCount && !set[i + lines]) ++lines;
        const QString text = *set[i] ? Tr(set[i]) : QString();
        QStringList pieces = text.split(QLatin1Char('\n'));
        if (pieces.size() != lines) pieces = QStringList{text};
        for (int k = 0; k < lines; ++k) {
            QLabel* line = lines_[static_cast<size_t>(i + k)];
            const int bottom = kLines[i + (pieces.size() == 1 ? lines - 1 : k)].y + kLineHeight;
            line->setGeometry(DluRect(kLineX, kLines[i + k].y, kLineWidth, bottom - kLines[i + k].y));
            line->setText(k < pieces.size() ? pieces[k] : QString());
            // An unused line is no text at all for assistive tools.
            line->setVisible(!line->text().isEmpty());
        }
        i += lines;
    }
}
