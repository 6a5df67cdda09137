// Renders the distribution's pictures as listed in the picture list: icons and flags from SVG
// files, everything else from the drawing code. Each picture is checked (not blank) and
// written as a 24-bit BMP (or JPEG for a .jpg name).
//
// Usage: tervalo_pictures <picture list> <source directory> <output directory>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextStream>
#include <cstdio>

#include "drawings.h"
#include "paint_kit.h"

namespace {

struct PictureEntry {
    QString output;
    QSize size;
    QString kind;  // icon, flag, draw or scene
    QString source;
    QString data;
    int line = 0;
};

QString describe(const PictureEntry& entry) { return QString("%1 (line %2)").arg(entry.output).arg(entry.line); }

bool parseList(const QString& file, QList<PictureEntry>& entries, QStringList& problems) {
    QFile list(file);
    if (!list.open(QIODevice::ReadOnly | QIODevice::Text)) {
        problems << "cannot read the picture list " + file;
        return false;
    }
    QTextStream in(&list);
    for (int line = 1; !in.atEnd(); ++line) {
        const QString text = in.readLine().section('#', 0, 0).trimmed();
        if (text.isEmpty()) continue;
        const QStringList fields = text.split(' ', Qt::SkipEmptyParts);
        const QStringList size = fields.value(1).split('x');
        PictureEntry entry{fields.value(0), QSize(size.value(0).toInt(), size.value(1).toInt()), fields.value(2),
                           fields.value(3), fields.value(4), line};
        if (fields.size() < 4 || size.size() != 2 || entry.size.isEmpty()) {
            problems << QString("line %1 of the picture list is not 'name WxH kind source [data]'").arg(line);
            continue;
        }
        entries << entry;
    }
    return true;
}

bool renderSvg(const QString& file, QPainter& painter, const QSizeF& size) {
    QSvgRenderer renderer(file);
    if (!renderer.isValid()) return false;
    renderer.render(&painter, QRectF(QPointF(0, 0), size));
    return true;
}

// A picture whose pixels are all alike means the source drew nothing.
bool hasContent(const QImage& image) {
    const QRgb first = image.pixel(0, 0);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != first) return true;
    return false;
}

bool render(const PictureEntry& entry, const QDir& sources, QImage& image) {
    image = QImage(entry.size, QImage::Format_RGB32);
    image.fill(entry.kind == "icon" ? pictures::palette::buttonFace : QColor(Qt::white));
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform | QPainter::TextAntialiasing);
    const QSizeF size(entry.size);
    bool drawn = false;
    if (entry.kind == "icon" || entry.kind == "flag") {
        drawn = renderSvg(sources.filePath(entry.source), painter, size);
    } else if (entry.kind == "draw" || entry.kind == "scene") {
        painter.save();
        drawn = pictures::drawNamedPicture(entry.source, entry.data.isEmpty() ? QString() : sources.filePath(entry.data),
                                           painter, size);
        painter.restore();
    }
    if (drawn && (entry.kind == "flag" || entry.kind == "scene")) {
        // A thin frame keeps white fields (England, Poland, snow) apart from the window.
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(entry.kind == "flag" ? QColor(0x80, 0x80, 0x80) : QColor(0x6a, 0x76, 0x82));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRect(0, 0, entry.size.width() - 1, entry.size.height() - 1));
    }
    return drawn;
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s <picture list> <source directory> <output directory>\n", argv[0]);
        return 2;
    }
    const QDir sources(QString::fromLocal8Bit(argv[2]));
    const QDir output(QString::fromLocal8Bit(argv[3]));
    if (!output.exists() && !QDir().mkpath(output.path())) {
        std::fprintf(stderr, "cannot create %s\n", argv[3]);
        return 1;
    }
    QList<PictureEntry> entries;
    QStringList problems;
    parseList(QString::fromLocal8Bit(argv[1]), entries, problems);
    for (const PictureEntry& entry : entries) {
        QImage image;
        if (!render(entry, sources, image)) {
            problems << describe(entry) + ": cannot draw '" + entry.source + "'";
            continue;
        }
        if (!hasContent(image)) {
            problems << describe(entry) + ": came out blank";
            continue;
        }
        const bool jpeg = entry.output.endsWith(".jpg", Qt::CaseInsensitive);
        const QImage flat = image.convertToFormat(QImage::Format_RGB888);
        if (!flat.save(output.filePath(entry.output), jpeg ? "JPG" : "BMP", jpeg ? 92 : -1))
            problems << describe(entry) + ": cannot write " + output.filePath(entry.output);
    }
    for (const QString& problem : problems) std::fprintf(stderr, "pictures: %s\n", qPrintable(problem));
    return problems.isEmpty() ? 0 : 1;
}
