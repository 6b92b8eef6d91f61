#pragma once

#include <QByteArrayView>
#include <QImage>
#include <QList>

// The images of an icon file (.ico) whose pixels are palette indices of 1, 4 or 8 bits, as the
// program's icon has, each with its transparency mask applied. They are decoded here because
// Qt's image plugin for icons costs more start-up time to find and load than all of the main
// menu's dialog building. An image that is not of that kind, or does not lie wholly inside
// `data`, is left out.
QList<QImage> DecodeIcoImages(QByteArrayView data);
