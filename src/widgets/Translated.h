#pragma once
// A message the core composed, in the language the program shows: its source
// and every argument with a context through QCoreApplication::translate, the
// arguments put in in one pass (CoreText::Render).

#include "text/CoreText.h"

#include <QString>

QString Translated(const CoreText& text);
