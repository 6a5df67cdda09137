#pragma once

// A paint device that keeps what is drawn on it: lines (paths as their pieces) and texts with their fonts, at
// 300 dpi.

#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainterPath>
#include <QTextItem>
#include <QTransform>
#include <vector>

namespace tervalo::test {

class RecordingEngine : public QPaintEngine {
  public:
    struct Text {
        QPointF baseline;
        QString text;
        QFont font;
    };
    RecordingEngine() : QPaintEngine(QPaintEngine::AllFeatures) {}
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState& changed) override {
        if (changed.state() & QPaintEngine::DirtyTransform) transform = changed.transform();
    }
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawLines(const QLineF* drawn, int count) override {
        lines.insert(lines.end(), drawn, drawn + count);
    }
    void drawLines(const QLine* drawn, int count) override {
        for (int i = 0; i < count; ++i) lines.push_back(QLineF(drawn[i]));
    }
    // A path's straight pieces count as lines.
    void drawPath(const QPainterPath& path) override {
        for (const QPolygonF& polygon : path.toSubpathPolygons())
            for (qsizetype i = 1; i < polygon.size(); ++i)
                lines.push_back(QLineF(polygon[i - 1], polygon[i]));
    }
    void drawTextItem(const QPointF& p, const QTextItem& item) override {
        texts.push_back({transform.map(p), item.text(), item.font()});
    }
    Type type() const override { return QPaintEngine::User; }

    std::vector<QLineF> lines;  // as drawn, without the painter's transform
    std::vector<Text> texts;    // baselines on the device
    QTransform transform;
};

class RecordingDevice : public QPaintDevice {
  public:
    RecordingDevice(int width, int height) : width_(width), height_(height) {}
    QPaintEngine* paintEngine() const override { return &engine; }
    int metric(PaintDeviceMetric metric) const override {
        switch (metric) {
            case PdmWidth:
                return width_;
            case PdmHeight:
                return height_;
            case PdmWidthMM:
                return width_ * 254 / 3000;
            case PdmHeightMM:
                return height_ * 254 / 3000;
            case PdmDpiX:
            case PdmDpiY:
            case PdmPhysicalDpiX:
            case PdmPhysicalDpiY:
                return 300;
            case PdmDepth:
                return 32;
            case PdmNumColors:
                return 1 << 24;
            case PdmDevicePixelRatio:
                return 1;
            case PdmDevicePixelRatioScaled:
                return static_cast<int>(devicePixelRatioFScale());
            default:
                return 0;
        }
    }
    mutable RecordingEngine engine;

  private:
    int width_, height_;
};

}  // namespace tervalo::test
