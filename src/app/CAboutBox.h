#pragma once
// The modal "about Quillon2.0" box: icon, program text and OK.

#include <QDialog>

class QLabel;
class QPushButton;

class CAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit CAboutBox(QWidget* parent = nullptr);

protected:
    void changeEvent(QEvent* event) override;

private:
    void RetranslateUi();

    QLabel* icon_;
    QLabel* text_;
    QPushButton* ok_;
};
