#pragma once
// Page 8 of the setup wizard, "Servo trim". Waiting for its content: until its
// controls are built, the page shows its title only and sends nothing.

#include "CWizardPage.h"

class CStep9 : public CWizardPage {
    Q_OBJECT
public:
    CStep9(int pageNumber, const QString& title, QWidget* parent = nullptr);

protected:
    void InitPage() override;
};
