#include "CStep14.h"

#include "DialogUnits.h"

CStep14::CStep14(int pageNumber, const QString& title, QWidget* parent) : CWizardPage(pageNumber, title, parent) {}

void CStep14::InitPage() { AddStatic(title(), DluRect(5, 5, 300, 12)); }

void CStep14::StopDirectionCheck() { Command::DirectionCheckOff(orvex()); }
