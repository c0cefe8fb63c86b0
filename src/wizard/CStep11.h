#pragma once
// Page 10 of the setup wizard, "Collective pitch". Waiting for its content: until its
// controls are built, the page shows its title only and sends nothing.

#include "CWizardPage.h"

class CStep11 : public CWizardPage {
    Q_OBJECT
public:
    CStep11(int pageNumber, const QString& title, QWidget* parent = nullptr);

protected:
    void InitPage() override;
};
