#pragma once
// The "Advance Menu": the expert parameters the main panel does not show
// (P, I and D gains, accelerations, dead bands, tail compensation, burst
// coefficient, governor) plus the use of the AUX channel and the active
// parameter condition.
//
// The numbers are collected and sent together by OK; the AUX choice, the
// condition and "Reset zero" act on the device at once. While the dialog is
// open it holds the link: every answered frame refreshes the fields from the
// parameter image and is acknowledged, so the device keeps the dialog up to
// date. A field the user has edited is left alone by that refresh until OK
// takes it.

#include "params/Orvex.h"
#include "protocol/FrameParser.h"
#include "protocol/ReceiveStage.h"

#include <QDialog>
#include <QPixmap>

#include <array>
#include <vector>

class CBalloonTip;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

class CAdvanceMenuDialog : public QDialog, public LinkListener {
    Q_OBJECT
public:
    // Control ids of the dialog template.
    enum ControlId {
        IdOk = 1,
        IdCancel = 2,
        IdGovernorOff = 1069,
        IdGovernorCalibrate = 1070,
        IdGovernorReset = 1125,
        IdZeroPitch = 1161,
        IdResetZero = 1162,
        IdCondition = 1165,
        IdAuxFunction = 1168,
        IdAuxHelp = 1196,
        IdConditionHelp = 1197,
        // The number fields: main rotor, tail rotor, governor.
        IdRollP = 1136,
        IdRollI = 1137,
        IdRollD = 1138,
        IdPitchP = 1139,
        IdPitchI = 1140,
        IdPitchD = 1141,
        IdAcceleration = 1142,
        IdDeceleration = 1143,
        IdRcDeadBand = 1144,
        IdGyroDeadBand = 1145,
        IdBurst = 1209,
        IdYawP = 1148,
        IdYawI = 1149,
        IdYawD = 1150,
        IdAccelerationL = 1151,
        IdAccelerationR = 1152,
        IdDecelerationL = 1153,
        IdDecelerationR = 1154,
        IdTailRcDeadBand = 1155,
        IdTailGyroDeadBand = 1156,
        IdCollectiveToTail = 1159,
        IdCyclicToTail = 1160,
        IdGovernorP = 1210,
        IdGovernorI = 1211,
        IdGovernorD = 1212,
        IdGovernorTotal = 1215,
        IdCollectiveCompensate = 1213,
        IdCyclicCompensate = 1214,
    };
    static constexpr int kHelpPictureId = 262;
    static constexpr int kBalloonIconId = 255;
    // Where the help picture is drawn, in client pixels.
    static const QPoint kHelpPicturePoints[2];

    explicit CAdvanceMenuDialog(Orvex& orvex, QWidget* parent = nullptr);
    ~CAdvanceMenuDialog() override;

    int governorMode() const { return governorMode_; }
    CBalloonTip* balloon() const { return balloon_; }
    // The session's top listener while open: every frame that arrives is
    // looked at, because "Reset zero" sends two frames at once and the
    // parameter reply to the second must not be lost behind the
    // acknowledgement of the first.
    void OnLinkReceive(int portNumber) override;

public slots:
    // OK: every field is read and range-tested first; only when all pass are
    // they written to the image, sent once and the dialog closed.
    void accept() override;
    // The link goes back to the window beneath as the dialog closes.
    void done(int result) override;

protected:
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* e) override;

private:
    struct Field {
        int def;  // index into the field table
        QLineEdit* edit;
        int value;
        QLabel* label = nullptr;
    };

    // Every text in the language in use; again on a language change.
    void RetranslateUi();
    static QString LabelText(CV value);
    void LoadValues();
    void BuildControls();
    void BuildGroups();
    void BuildFields();
    void BuildSelections();
    void BuildGovernor();
    void BuildButtons();
    void InitDialog();
    void AddBalloonHelp();

    void OnAuxFunctionChosen(int index);
    void OnConditionChosen(int index);
    void OnResetZero();
    void OnGovernorOff(bool checked);
    void OnGovernorCalibrate(bool checked);
    void OnGovernorReset();
    void ShowGovernorMode();
    // "Calibrate RPM" or "Governor On" (marked in this class's context).
    void SetCalibrateText(const char* source);

    bool ReadFields(std::vector<int>& values);
    void WriteImage(const std::vector<int>& values);

    void RefreshFromImage();

    Orvex& orvex_;
    ChangeLog::Origin origin_{orvex_.changes,
                              CoreText::Of("ChangeLog", QT_TRANSLATE_NOOP("ChangeLog", "Advance Menu"))};
    std::vector<Field> fields_;
    int auxIndex_ = 0;
    int conditionIndex_ = 0;
    int zeroPitch_ = 0;
    int governorMode_ = 0;

    QLineEdit* zeroPitchEdit_ = nullptr;
    QLabel* zeroPitchLabel_ = nullptr;
    QLabel* tailCompensate_ = nullptr;
    std::array<QGroupBox*, 5> groups_{};
    std::array<QLabel*, 2> helpMarkers_{};
    QPushButton* resetZero_ = nullptr;
    QPushButton* governorReset_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
    const char* calibrateText_ = nullptr;
    QComboBox* auxCombo_ = nullptr;
    QComboBox* conditionCombo_ = nullptr;
    QRadioButton* governorOff_ = nullptr;
    QRadioButton* governorCalibrate_ = nullptr;
    QPixmap helpPicture_;
    CBalloonTip* balloon_ = nullptr;
    ReceiveStage stage_{1024};
    FrameParser parser_;
};
