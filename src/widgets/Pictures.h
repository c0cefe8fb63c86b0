#pragma once
// The program's pictures live in the resource tree as ":/png/<id>.png".
// Every window loads them through these two calls, so a picture is decoded
// once per run and a missing one simply draws nothing.
//
// A picture with text has a copy per language, ":/png/<lang>/<id>.png" (e.g.
// zh_CN); the loader takes the copy of the pictures' language and falls back to
// the English picture when there is none. A window keeps the pixmaps it loaded:
// one that outlives a language change loads its pictures again to follow it.

#include <QIcon>
#include <QPixmap>
#include <QString>

class QPainter;
class QRect;
class QWidget;

// The language of the pictures loaded from now on: a translation's code
// ("zh_CN"), or empty for English.
void SetPictureLanguage(const QString& code);

// Resource path of picture id in the pictures' language, e.g. ":/png/170.png"
// in English, ":/png/zh_CN/170.png" in Simplified Chinese.
QString PngPath(int id);

// The picture with that id; a null pixmap when the resource is missing.
QPixmap LoadPng(int id);

// The same picture as an icon; a null icon when the resource is missing.
QIcon LoadIcon(int id);

// The pictures carry dark text on a clear ground: on a dark window (a dark
// desktop palette with no skin) the area of each is first given a light
// ground of its own, before any picture is drawn.
void DrawPictureGround(QPainter& painter, const QRect& area, const QWidget* on);
