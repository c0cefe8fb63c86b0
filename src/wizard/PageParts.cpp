#include "wizard/PageParts.h"

#include "widgets/DialogUnits.h"
#include "wizard/CWizardPage.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QGroupBox>
#include <QPushButton>
#include <QStringList>

namespace PageParts {

namespace {
// Padding and border of a page button, and the room kept free beside its text (pixels).
constexpr int kButtonPadding = 4, kButtonBorder = 1, kCaptionAir = 3;
constexpr int kCaptionInset = kButtonPadding + kButtonBorder + kCaptionAir;
}  // namespace

QGroupBox* AddGroup(QWidget* page, const QString& title, const QString& name, int x, int y, int w, int h) {
    auto* box = new QGroupBox(title, page);
    box->setObjectName(QStringLiteral("group ") + name);
    box->setAccessibleName(name);
    box->setGeometry(DluRect(x, y, w, h));
    box->setAttribute(Qt::WA_TransparentForMouseEvents);
    box->setStyleSheet(QStringLiteral("QGroupBox { background: transparent; }"));
    box->lower();
    return box;
}

QPushButton* AddButton(QWidget* page, int id, int x, int y, int w, int h) {
    auto* b = new QPushButton(page);
    NameControl(b, id);
    b->setAutoDefault(false);
    b->setStyleSheet(
        QStringLiteral("QPushButton { min-width: 0px; min-height: 0px; padding: 2px %1px; }").arg(kButtonPadding));
    b->setGeometry(DluRect(x, y, w, h));
    return b;
}

void SetCaption(QPushButton* button, const QString& caption, const QString& accessibleName) {
    Rename(button, accessibleName.isEmpty() ? caption : accessibleName);
    button->ensurePolished();
    const QFontMetrics metrics(button->font());
    const int room = button->width() - 2 * kCaptionInset;
    // Fill each line with as many words as fit; a word wider than the room
    // stands on a line of its own.
    QStringList lines;
    for (const QString& word : caption.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString longer = lines.isEmpty() ? word : lines.last() + QLatin1Char(' ') + word;
        if (!lines.isEmpty() && metrics.horizontalAdvance(longer) <= room)
            lines.last() = longer;
        else
            lines << word;
    }
    button->setText(lines.join(QLatin1Char('\n')));
}

QString Caption(const QPushButton* button) {
    QString text = button->text();
    return text.replace(QLatin1Char('\n'), QLatin1Char(' '));
}

QString LabelText(CV value) { return QCoreApplication::translate("ParameterTable", Label(value)); }

}  // namespace PageParts
