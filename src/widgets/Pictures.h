#pragma once
// The program's pictures live in the resource tree as ":/png/<id>.png".
// Every window loads them through these two calls, so a picture is decoded
// once per run and a missing one simply draws nothing.

#include <QIcon>
#include <QPixmap>
#include <QString>

class QPainter;
class QRect;
class QWidget;

// Resource path of picture id, e.g. ":/png/170.png".
QString PngPath(int id);

// The picture with that id; a null pixmap when the resource is missing.
QPixmap LoadPng(int id);

// The same picture as an icon; a null icon when the resource is missing.
QIcon LoadIcon(int id);

// The pictures carry dark text on a clear ground: on a dark window (a dark
// desktop palette with no skin) the area of each is first given a light
// ground of its own, before any picture is drawn.
void DrawPictureGround(QPainter& painter, const QRect& area, const QWidget* on);
