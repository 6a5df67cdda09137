// The picture list: one line per picture, "name WxH kind source [data]", '#' starts a comment.
#pragma once

#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>

namespace pictures {

struct PictureEntry {
    QString output;  // file name in the program directory
    QSize size;
    QString kind;  // icon, flag, draw or scene
    QString source;
    QString data;  // optional data file of a drawing
    int line = 0;
};

// Reads the entries of `text`; malformed lines are left out and described in `problems`.
QList<PictureEntry> parsePictureList(const QString& text, QStringList& problems);

}  // namespace pictures
