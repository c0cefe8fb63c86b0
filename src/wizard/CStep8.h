#pragma once
// Page 7 of the setup wizard, "Servo reverse". Waiting for its content: until its
// controls are built, the page shows its title only and sends nothing.

#include "CWizardPage.h"

class CStep8 : public CWizardPage {
    Q_OBJECT
public:
    CStep8(int pageNumber, const QString& title, QWidget* parent = nullptr);

protected:
    void InitPage() override;
};
