#pragma once
// Page 2 of the setup wizard, "Receiver": the user picks the receiver system;
// the choice is written to the device at once and the page shows the wiring
// picture and the instructions for that system.

#include "wizard/CWizardPage.h"

class QComboBox;
class QLabel;

// Control ids of the receiver page: the list, then its instruction lines top to bottom.
namespace ReceiverPageIds {
constexpr int List = 1179;
constexpr int Line1 = 1035, Line2 = 1038, Line3 = 1037, Line4 = 1064, Line5 = 1065, Line6 = 1198, Line7 = 1199;
constexpr int Line8 = 1200, Line9 = 1201, Line10 = 1202, Line11 = 1204, Line12 = 1205, Line13 = 1206, Line14 = 1207;
}  // namespace ReceiverPageIds

class CStep2 : public CWizardPage {
    Q_OBJECT
public:
    CStep2(Orvex& orvex, int pageNumber, const QString& title, QWidget* parent = nullptr);

    // The list shows the systems in this order; the device numbers them the
    // same except that list items 5 and 6 are exchanged. The same exchange
    // turns a receiver code back into a list index.
    static int ExchangeListAndCode(int value);
    static constexpr int kSystemCount = 9;

    int selection() const { return selection_; }
    // The wiring picture drawn for the current selection.
    int wiringPicture() const;

protected:
    void InitPage() override;
    void UpdateControls() override;
    void RetranslatePage() override;
    bool PictureShown(int pngId) const override;

private:
    void OnSelectionChanged(int index);
    void WriteTextSet();

    int selection_;
    QComboBox* list_ = nullptr;
    QLabel* transmitter_ = nullptr;
    std::vector<QLabel*> lines_;
};
