#include "CStep11.h"

#include "DialogUnits.h"

CStep11::CStep11(int pageNumber, const QString& title, QWidget* parent) : CWizardPage(pageNumber, title, parent) {}

void CStep11::InitPage() { AddStatic(title(), DluRect(5, 5, 300, 12)); }
