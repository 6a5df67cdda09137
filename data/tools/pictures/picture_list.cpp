#include "picture_list.h"

#include <QRegularExpression>

namespace pictures {

QList<PictureEntry> parsePictureList(const QString& text, QStringList& problems) {
    static const QStringList kinds = {"icon", "flag", "draw", "scene"};
    QList<PictureEntry> entries;
    const QStringList lines = text.split('\n');
    for (int index = 0; index < lines.size(); ++index) {
        const int line = index + 1;
        const QString content = lines[index].section('#', 0, 0).trimmed();
        if (content.isEmpty()) continue;
        const QStringList fields = content.split(QRegularExpression("\\s+"), Qt::SkipEmptyParts);
        const QStringList size = fields.value(1).split('x');
        PictureEntry entry{fields.value(0), QSize(size.value(0).toInt(), size.value(1).toInt()),
                           fields.value(2), fields.value(3),
                           fields.value(4), line};
        if (fields.size() < 4 || fields.size() > 5 || size.size() != 2 || entry.size.isEmpty() ||
            !kinds.contains(entry.kind)) {
            problems << QString("line %1 of the picture list is not 'name WxH kind source [data]'").arg(line);
            continue;
        }
        entries << entry;
    }
    return entries;
}

}  // namespace pictures
