#pragma once
// The modal "about Quillon2.0" box: icon, program text and OK.

#include <QDialog>

class CAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit CAboutBox(QWidget* parent = nullptr);
};
