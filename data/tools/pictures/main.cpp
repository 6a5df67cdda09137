// Renders the distribution's pictures as listed in the picture list: icons and flags from SVG
// files, everything else from the drawing code. Each picture is checked (not blank) and
// written as a 24-bit BMP (or JPEG for a .jpg name).
//
// Usage: tervalo_pictures <picture list> <source directory> <output directory>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <cstdio>

#include "picture_list.h"
#include "render_picture.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s <picture list> <source directory> <output directory>\n", argv[0]);
        return 2;
    }
    QFile list(QString::fromLocal8Bit(argv[1]));
    if (!list.open(QIODevice::ReadOnly | QIODevice::Text)) {
        std::fprintf(stderr, "pictures: cannot read the picture list %s\n", argv[1]);
        return 1;
    }
    const QDir sources(QString::fromLocal8Bit(argv[2]));
    const QDir output(QString::fromLocal8Bit(argv[3]));
    if (!QDir().mkpath(output.path())) {
        std::fprintf(stderr, "pictures: cannot create %s\n", argv[3]);
        return 1;
    }
    QStringList problems;
    const auto entries = pictures::parsePictureList(QString::fromUtf8(list.readAll()), problems);
    for (const auto& entry : entries) {
        const QString where = QString("%1 (line %2)").arg(entry.output).arg(entry.line);
        QImage image;
        if (!pictures::renderPicture(entry, sources, image)) {
            problems << where + ": cannot draw '" + entry.source + "'";
        } else if (!pictures::hasContent(image)) {
            problems << where + ": came out blank";
        } else {
            const bool jpeg = entry.output.endsWith(".jpg", Qt::CaseInsensitive);
            const QImage flat = image.convertToFormat(QImage::Format_RGB888);
            if (!flat.save(output.filePath(entry.output), jpeg ? "JPG" : "BMP", jpeg ? 92 : -1))
                problems << where + ": cannot write " + output.filePath(entry.output);
        }
    }
    for (const QString& problem : problems) std::fprintf(stderr, "pictures: %s\n", qPrintable(problem));
    return problems.isEmpty() ? 0 : 1;
}
