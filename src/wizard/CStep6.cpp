#include "CStep6.h"

#include "DialogUnits.h"

CStep6::CStep6(int pageNumber, const QString& title, QWidget* parent) : CWizardPage(pageNumber, title, parent) {}

void CStep6::InitPage() { AddStatic(title(), DluRect(5, 5, 300, 12)); }
