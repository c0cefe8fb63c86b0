#pragma once
// The pages of the setup wizard in page order: number, tab title, class and
// the function that creates the page. The wizard adds them in this order;
// tab index = page number - 1.

#include "widgets/AppLog.h"

#include <QString>

#include <array>

class CWizardPage;
struct Orvex;
class QWidget;

struct WizardPageDef {
    int number;
    const char* title;
    const char* className;
    CWizardPage* (*create)(Orvex& orvex, int number, const QString& title, QWidget* parent);
};

constexpr int kWizardPageCount = 13;
extern const std::array<WizardPageDef, kWizardPageCount> kWizardPages;

// Pages the wizard itself treats specially.
constexpr int kReceiverPage = 2;
constexpr int kMonitorPage = 3;
constexpr int kInstallationPage = 4;
constexpr int kPirouettePage = 13;  // holds the direction check
