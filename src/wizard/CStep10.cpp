#include "CStep10.h"

#include "DialogUnits.h"

CStep10::CStep10(int pageNumber, const QString& title, QWidget* parent) : CWizardPage(pageNumber, title, parent) {}

void CStep10::InitPage() { AddStatic(title(), DluRect(5, 5, 300, 12)); }
