#pragma once
// Page 6 of the setup wizard, "Swashplate type". Waiting for its content: until its
// controls are built, the page shows its title only and sends nothing.

#include "CWizardPage.h"

class CStep7 : public CWizardPage {
    Q_OBJECT
public:
    CStep7(int pageNumber, const QString& title, QWidget* parent = nullptr);

protected:
    void InitPage() override;
};
