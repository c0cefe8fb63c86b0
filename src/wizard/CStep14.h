#pragma once
// Page 13 of the setup wizard, "Pirouette optimization". Waiting for its
// content: until its controls are built, the page shows its title only; the
// wizard's Finish and Cancel already stop the direction check through it.

#include "CWizardPage.h"

class CStep14 : public CWizardPage {
    Q_OBJECT
public:
    CStep14(int pageNumber, const QString& title, QWidget* parent = nullptr);

    // Finish and Cancel: the device is told to stop the direction check even
    // when none was started here.
    void StopDirectionCheck() override;

protected:
    void InitPage() override;
};
