#pragma once
// Horizontal signal bar: positive values grow left from the centre,
// negative values right from it, over background picture 184.

#include "widgets/CSignalBar.h"

class CHorizontalTrimBar : public CSignalBar {
    Q_OBJECT
public:
    explicit CHorizontalTrimBar(QWidget* parent = nullptr);

    // The bar of value in a client of that size, limited to the client.
    static QRect BarRect(QSize client, int value, int maximum);

protected:
    QRect Bar(QSize client, int value, int maximum) const override;
};
