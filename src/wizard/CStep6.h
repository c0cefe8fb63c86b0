#pragma once
// Page 5 of the setup wizard, "Servo type". Waiting for its content: until its
// controls are built, the page shows its title only and sends nothing.

#include "CWizardPage.h"

class CStep6 : public CWizardPage {
    Q_OBJECT
public:
    CStep6(int pageNumber, const QString& title, QWidget* parent = nullptr);

protected:
    void InitPage() override;
};
