#include "CStep12.h"

#include "DialogUnits.h"

CStep12::CStep12(int pageNumber, const QString& title, QWidget* parent) : CWizardPage(pageNumber, title, parent) {}

void CStep12::InitPage() { AddStatic(title(), DluRect(5, 5, 300, 12)); }
