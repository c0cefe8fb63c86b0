#pragma once
// Page 9 of the setup wizard, "Swashplate travel". Waiting for its content: until its
// controls are built, the page shows its title only and sends nothing.

#include "CWizardPage.h"

class CStep10 : public CWizardPage {
    Q_OBJECT
public:
    CStep10(int pageNumber, const QString& title, QWidget* parent = nullptr);

protected:
    void InitPage() override;
};
