// Rendering of one entry of the picture list.
#pragma once

#include <QDir>
#include <QImage>

#include "picture_list.h"

namespace pictures {

// Draws `entry` into `image` (its size, opaque); false when the source cannot be read or
// the drawing name is unknown. Sources are looked up in `sources`.
bool renderPicture(const PictureEntry& entry, const QDir& sources, QImage& image);

// A picture whose pixels are all alike means the source drew nothing.
bool hasContent(const QImage& image);

}  // namespace pictures
