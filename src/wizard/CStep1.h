#pragma once
// Page 1 of the setup wizard, "Transmitter": how to prepare the transmitter
// before anything else is set, with two example set-ups as pictures. The page
// has no controls of its own and sends nothing.

#include "wizard/CWizardPage.h"

class CStep1 : public CWizardPage {
    Q_OBJECT
public:
    CStep1(Orvex& orvex, int pageNumber, const QString& title, QWidget* parent = nullptr);

protected:
    void InitPage() override;
    void RetranslatePage() override;
};
