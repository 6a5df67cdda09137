#include "widgets/picture_file.h"

#include <QString>
#include <filesystem>

#include "engine/file_access.h"

namespace tervalo {

QPixmap LoadPicture(std::string_view fileName) {
    const auto path = FindFileNoCase(std::filesystem::path(fileName));
    if (!path) return {};
    return QPixmap(QString::fromStdString(path->string()));
}

}  // namespace tervalo
