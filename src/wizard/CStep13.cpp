#include "CStep13.h"

#include "DialogUnits.h"

CStep13::CStep13(int pageNumber, const QString& title, QWidget* parent) : CWizardPage(pageNumber, title, parent) {}

void CStep13::InitPage() { AddStatic(title(), DluRect(5, 5, 300, 12)); }
