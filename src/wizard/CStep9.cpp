#include "CStep9.h"

#include "DialogUnits.h"

CStep9::CStep9(int pageNumber, const QString& title, QWidget* parent) : CWizardPage(pageNumber, title, parent) {}

void CStep9::InitPage() { AddStatic(title(), DluRect(5, 5, 300, 12)); }
