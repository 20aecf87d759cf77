#pragma once

#include <QImage>

// The Milky Way's panorama made ready to lay on the sky: grey, at most 2048
// pixels wide, turned so that galactic north is up and rolled so that the
// galactic centre stands in the middle column, the longitude growing to the
// left as seen from inside the sphere and the middle row the galactic
// equator. Where the centre and north lie is read from the picture itself:
// the centre is the middle of the brightest stretch of columns (the bulge, a
// sixteenth of the width wide), and north is the side of the middle row
// that is darker there (the bulge shines brightest south of the dust lane
// along the equator). A null image for one that is not a wide band.
QImage MilkyWayMap(const QImage& panorama);
// Whether a picture of `size` is a wide band that a map can be made from.
bool IsMilkyWayBand(QSize size);
// The size of the map made from a band of `size`: a power of two each way,
// as OpenGL 1.1 takes.
QSize MilkyWayMapSize(QSize size);

// The column of the bulge's middle in a grey picture, found as above.
int BulgeColumn(const QImage& grey);
