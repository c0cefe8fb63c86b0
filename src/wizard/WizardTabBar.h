#pragma once
// The wizard's tab bar as assistive tools read it: a page tab list whose tabs
// say which of them is selected (the highlighted one), can be pressed, and lie
// where they are drawn. Qt's own tab bar interface reports no selected tab,
// and it answers for QTabBar before any interface of ours can, so the wizard
// uses this class of its own.
//
// Thirteen titles are wider than the strip: every title gets the same
// largest width that lets all of them fit, so short titles stay whole and
// only the longest give up their middles (the whole title is the tooltip).

#include <QTabBar>

class WizardTabBar : public QTabBar {
    Q_OBJECT
public:
    explicit WizardTabBar(QWidget* parent = nullptr);

protected:
    QSize tabSizeHint(int index) const override;
    // The skin draws the current title bold: a shortened one is shortened
    // for the bold face, so it keeps to the room the plain one had.
    void initStyleOption(QStyleOptionTab* option, int index) const override;

private:
    int WidthLimit() const;
};
