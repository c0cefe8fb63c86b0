#pragma once
// The COM list: a combo box that tells its owner just before its list drops
// down, so the list can be filled afresh each time it opens.

#include <QComboBox>

class PortComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit PortComboBox(QWidget* parent = nullptr) : QComboBox(parent) {}
    void showPopup() override;

signals:
    void aboutToDropDown();
};
