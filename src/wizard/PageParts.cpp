#include "PageParts.h"

#include "DialogUnits.h"

#include <QFontMetrics>
#include <QGroupBox>
#include <QPushButton>

#include <algorithm>
#include <climits>

namespace PageParts {

namespace {
constexpr int kCaptionMargin = 6;  // dialog units left free inside a button
}

QGroupBox* AddGroup(QWidget* page, const QString& title, int x, int y, int w, int h) {
    auto* box = new QGroupBox(title, page);
    box->setObjectName(title.isEmpty() ? QStringLiteral("group") : QStringLiteral("group ") + title);
    box->setAccessibleName(title.isEmpty() ? QStringLiteral("group") : title);
    box->setGeometry(DluRect(x, y, w, h));
    box->setAttribute(Qt::WA_TransparentForMouseEvents);
    box->setStyleSheet(QStringLiteral("QGroupBox { background: transparent; }"));
    box->lower();
    return box;
}

void SetCaption(QPushButton* button, const QString& caption) {
    button->setAccessibleName(caption);
    button->ensurePolished();
    const QFontMetrics metrics(button->font());
    const int room = button->width() - DluX(kCaptionMargin);
    if (metrics.horizontalAdvance(caption) <= room) {
        button->setText(caption);
        return;
    }
    int best = -1, bestWidth = INT_MAX;
    for (int i = caption.indexOf(QLatin1Char(' ')); i >= 0; i = caption.indexOf(QLatin1Char(' '), i + 1)) {
        const int width =
            std::max(metrics.horizontalAdvance(caption.left(i)), metrics.horizontalAdvance(caption.mid(i + 1)));
        if (width < bestWidth) {
            best = i;
            bestWidth = width;
        }
    }
    button->setText(best < 0 ? caption : caption.left(best) + QLatin1Char('\n') + caption.mid(best + 1));
}

QString Caption(const QPushButton* button) {
    QString text = button->text();
    return text.replace(QLatin1Char('\n'), QLatin1Char(' '));
}

}  // namespace PageParts
