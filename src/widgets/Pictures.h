#pragma once
// The program's pictures live in the resource tree as ":/png/<id>.png".
// Every window loads them through these two calls, so a picture is decoded
// once per run and a missing one simply draws nothing.

#include <QIcon>
#include <QPixmap>
#include <QString>

// Resource path of picture id, e.g. ":/png/170.png".
QString PngPath(int id);

// The picture with that id; a null pixmap when the resource is missing.
QPixmap LoadPng(int id);

// The same picture as an icon; a null icon when the resource is missing.
QIcon LoadIcon(int id);
