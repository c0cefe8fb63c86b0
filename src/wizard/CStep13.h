#pragma once
// Page 11 of the setup wizard, "Tail setup". Waiting for its content: until its
// controls are built, the page shows its title only and sends nothing.

#include "CWizardPage.h"

class CStep13 : public CWizardPage {
    Q_OBJECT
public:
    CStep13(int pageNumber, const QString& title, QWidget* parent = nullptr);

protected:
    void InitPage() override;
};
