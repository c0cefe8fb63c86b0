#pragma once
// Vertical signal bar: positive values grow up from the centre line,
// negative values down from it, over background picture 183.

#include "widgets/CSignalBar.h"

class CTrimBar : public CSignalBar {
    Q_OBJECT
public:
    explicit CTrimBar(QWidget* parent = nullptr);

    // The bar of value in a client of that size, limited to the client.
    static QRect BarRect(QSize client, int value, int maximum);

protected:
    QRect Bar(QSize client, int value, int maximum) const override;
};
