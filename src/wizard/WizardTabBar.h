#pragma once
// The wizard's tab bar as assistive tools read it: a page tab list whose tabs
// say which of them is selected (the highlighted one), can be pressed, and lie
// where they are drawn. Qt's own tab bar interface reports no selected tab,
// and it answers for QTabBar before any interface of ours can, so the wizard
// uses this class of its own.

#include <QTabBar>

class WizardTabBar : public QTabBar {
    Q_OBJECT
public:
    explicit WizardTabBar(QWidget* parent = nullptr);
};
