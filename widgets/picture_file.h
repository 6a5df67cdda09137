#pragma once

#include <QPixmap>
#include <string_view>

namespace tervalo {

// A picture file (.bmp, .jpg) of the program directory, found without regard to letter case. A missing or
// unreadable file gives a null pixmap, which leaves its box empty.
QPixmap LoadPicture(std::string_view fileName);

}  // namespace tervalo
