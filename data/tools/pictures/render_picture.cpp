#include "render_picture.h"

#include <QPainter>
#include <QSvgRenderer>

#include "drawings.h"
#include "paint_kit.h"

namespace pictures {
namespace {

bool renderSvg(const QString& file, QPainter& painter, const QSizeF& size) {
    QSvgRenderer renderer(file);
    if (!renderer.isValid()) return false;
    renderer.render(&painter, QRectF(QPointF(0, 0), size));
    return true;
}

}  // namespace

bool hasContent(const QImage& image) {
    if (image.isNull()) return false;
    const QRgb first = image.pixel(0, 0);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != first) return true;
    return false;
}

bool renderPicture(const PictureEntry& entry, const QDir& sources, QImage& image) {
    image = QImage(entry.size, QImage::Format_RGB32);
    image.fill(entry.kind == "icon" ? palette::buttonFace : QColor(Qt::white));
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform |
                           QPainter::TextAntialiasing);
    const QSizeF size(entry.size);
    bool drawn = false;
    if (entry.kind == "icon" || entry.kind == "flag") {
        drawn = renderSvg(sources.filePath(entry.source), painter, size);
    } else if (entry.kind == "draw" || entry.kind == "scene") {
        painter.save();
        drawn = drawNamedPicture(
            entry.source, entry.data.isEmpty() ? QString() : sources.filePath(entry.data), painter, size);
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

}  // namespace pictures
