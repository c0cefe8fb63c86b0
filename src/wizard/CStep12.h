#pragma once
// Page 12 of the setup wizard, "Gyro dir". Waiting for its content: until its
// controls are built, the page shows its title only and sends nothing.

#include "CWizardPage.h"

class CStep12 : public CWizardPage {
    Q_OBJECT
public:
    CStep12(int pageNumber, const QString& title, QWidget* parent = nullptr);

protected:
    void InitPage() override;
};
