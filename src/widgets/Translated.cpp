#include "widgets/Translated.h"

#include <QCoreApplication>

QString Translated(const CoreText& text) {
    return QString::fromStdString(text.Render([](const CoreText& t) {
        if (t.context.empty()) return t.source;
        return QCoreApplication::translate(t.context.c_str(), t.source.c_str()).toStdString();
    }));
}
