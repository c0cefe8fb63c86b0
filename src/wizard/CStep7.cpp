#include "CStep7.h"

#include "DialogUnits.h"

CStep7::CStep7(int pageNumber, const QString& title, QWidget* parent) : CWizardPage(pageNumber, title, parent) {}

void CStep7::InitPage() { AddStatic(title(), DluRect(5, 5, 300, 12)); }
