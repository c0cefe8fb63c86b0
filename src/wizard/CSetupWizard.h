#pragma once
// The setup wizard "Setup": thirteen pages laid over the display area of a
// tab strip, moved through with Previous and Next, left with Finish or
// Cancel. The page on screen is the link's notify window; showing the
// Monitor page asks the device for status reports and showing its
// neighbours tells it to stop. Finish and Cancel stop a running direction
// check and send a query with ReplyRequest 0, which ends any reports. The caller runs it with exec() and
// takes the link back afterwards.

#include "params/Orvex.h"

#include <QDialog>
#include <QRect>

#include <vector>

class CWizardPage;
class QPushButton;
class QTabBar;
class QWidget;

// Control ids of the wizard's frame; each control is named after its id.
namespace WizardIds {
constexpr int Ok = 1, Cancel = 1026, Finish = 1027, Previous = 1028, Next = 1029, Tabs = 1030;
}  // namespace WizardIds

class CSetupWizard : public QDialog {
    Q_OBJECT
public:
    explicit CSetupWizard(Orvex& orvex, QWidget* parent = nullptr);
    ~CSetupWizard() override;

    int currentPage() const { return currentPage_; }
    int pageCount() const { return static_cast<int>(pages_.size()); }
    // Page 1..pageCount(); nullptr for other numbers.
    CWizardPage* page(int number) const;
    QTabBar* tabBar() const { return tabBar_; }

    // The dialog's OK operation: does nothing, so neither the Enter key nor
    // the hidden OK button ends the wizard.
    void accept() override;
    // The dialog's cancel operation: Cancel, Escape and the close box.
    void reject() override;
    void done(int result) override;

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    enum ButtonPosition { FirstPage = 0, MiddlePage = 1, LastPage = 2 };

    void BuildFrame();
    // The title, buttons, tab titles and the page announcement in the language shown.
    void RetranslateUi();
    // Tells a screen reader, and the tab list, which page is on screen.
    void AnnouncePage();
    void RefocusForReaders();
    void MeasurePageFrame();
    void AddPage(CWizardPage* page);
    void ShowPage(int k);
    void SetButtons(ButtonPosition position);
    // The first control of the page on screen takes the focus (Next or Previous on a page without one).
    void FocusOnPage();
    void OnPrevious();
    void OnNext();
    void OnFinish();
    // What Finish and Cancel both do to the link.
    void EndLink();

    Orvex& orvex_;
    ChangeLog::Origin origin_{
        orvex_.changes,
        CoreText::Of("ChangeLog", QT_TRANSLATE_NOOP("ChangeLog", "Setup"))};  // renamed after the page shown
    QWidget* tabControl_ = nullptr;
    QTabBar* tabBar_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QPushButton* previous_ = nullptr;
    QPushButton* next_ = nullptr;
    QPushButton* finish_ = nullptr;
    std::vector<CWizardPage*> pages_;
    int currentPage_ = 0;
    QString pageAnnouncement_;  // the page shown, as told to a screen reader
    QRect pageFrame_;           // left, top, right, bottom as the tab strip gives them
};
