#pragma once
// Marks a text of the Qt-free core that the windows show, so lupdate finds it
// under a context ("ParameterTable"). The mark is the text itself, as Qt's own
// macro of the same name is: the core, quillon-cli and every file keep the
// English text; a window translates it with
// QCoreApplication::translate(context, text).

#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif
