#include "CStep8.h"

#include "DialogUnits.h"

CStep8::CStep8(int pageNumber, const QString& title, QWidget* parent) : CWizardPage(pageNumber, title, parent) {}

void CStep8::InitPage() { AddStatic(title(), DluRect(5, 5, 300, 12)); }
