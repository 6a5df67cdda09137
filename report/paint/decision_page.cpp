#include "report/paint/decision_page.h"

#include <QFontMetricsF>
#include <QPainter>

#include "config/run_settings.h"
#include "localisation/code_page.h"
#include "localisation/decision_texts.h"
#include "localisation/languages.h"
#include "localisation/shown_numbers.h"
#include "project/decision/decision_rows.h"
#include "project/paint/sensitivity_chart.h"
#include "project/project_lists.h"

namespace tervalo {

namespace {

// As in the decision view: pale green where the heat pump saves, pale red where it costs more.
const QColor kSaves(226, 243, 226);
const QColor kCostsMore(250, 228, 224);

QFont PageFont(const QString& family, double points, bool bold = false) {
    QFont font(family);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

class PageText {
  public:
    PageText(int codePage, char separator) : codePage_(codePage), separator_(separator) {}
    QString operator()(const std::string& text) const {
        return QString::fromStdString(CodePageToUtf8(text, codePage_));
    }
    // A text holding figures, with the page's decimal separator.
    QString Numbers(const std::string& text) const { return (*this)(ShownNumbers(text, separator_)); }

  private:
    int codePage_;
    char separator_;
};

// A heading line at `y`; returns the height used.
double Heading(QPainter& painter, const QPointF& at, const QString& text) {
    const QFontMetricsF metrics(painter.font(), painter.device());
    painter.drawText(QPointF(at.x(), at.y() + metrics.ascent()), text);
    return metrics.height() * 1.3;
}

// The saving and the break-even figures: label, figure right-aligned, unit. Returns the height used.
double DrawFigures(QPainter& painter, const QRectF& area, const DecisionPage& decision, const PageText& text,
                   const QString& family) {
    const auto rows =
        decision::DecisionRows(decision.run, decision.record, decision.texts, decision.currency);
    double y = area.top();
    bool dashes = false;
    for (const decision::DecisionRow& row : rows) {
        if (row.opensGroup) {
            painter.setFont(PageFont(family, 9, true));
            y += Heading(painter, QPointF(area.left(), y), text(decision.texts[row.heading]));
        }
        painter.setFont(PageFont(family, 8));
        const QFontMetricsF metrics(painter.font(), painter.device());
        const double baseline = y + metrics.ascent();
        painter.drawText(QPointF(area.left(), baseline),
                         metrics.elidedText(text(row.label), Qt::ElideRight, area.width() * 0.62));
        const QString figure = row.figure ? text.Numbers(row.figure->text) : QStringLiteral("\u2013");
        const double right = area.left() + area.width() * 0.80;
        painter.drawText(QPointF(right - metrics.horizontalAdvance(figure), baseline), figure);
        painter.drawText(QPointF(right + metrics.height() * 0.4, baseline), text(row.unit));
        y += metrics.height() * 1.2;
        dashes = dashes || !row.figure;
    }
    if (dashes) {
        painter.setFont(PageFont(family, 7));
        const QFontMetricsF metrics(painter.font(), painter.device());
        painter.drawText(QPointF(area.left(), y + metrics.ascent()),
                         text(decision.texts[decision_texts::kNoFigure]));
        y += metrics.height() * 1.2;
    }
    return y - area.top();
}

// The table of heat sources (rows) by distributions (columns). Returns the height used.
double DrawWhatIf(QPainter& painter, const QRectF& area, const DecisionPage& decision, const PageText& text,
                  const QString& family) {
    const std::vector<decision::WhatIfCell>& cells = decision.run.whatIf;
    const std::vector<std::string> sources = ListEntries(ProjectList::AnwendBereich);
    const std::vector<std::string> distributions = ListEntries(ProjectList::VFlsize);
    if (cells.empty() || distributions.empty()) return 0;
    const decision::WhatIfCell* chosen = decision::ChosenCell(cells, decision.record);

    painter.setFont(PageFont(family, 6.5));
    const QFontMetricsF metrics(painter.font(), painter.device());
    const double line = metrics.height();
    const double pad = line * 0.25;
    const double first = area.width() * 0.2;
    const double column = (area.width() - first) / static_cast<double>(distributions.size());
    const double headHeight = 2 * line + 2 * pad;
    const double cellHeight = 5 * line + 2 * pad;
    const QPen grid(QColor(150, 150, 150), 0);

    painter.setPen(Qt::black);
    for (std::size_t d = 0; d < distributions.size(); ++d) {
        const QRectF head(area.left() + first + column * static_cast<double>(d), area.top(), column,
                          headHeight);
        painter.drawText(head.adjusted(pad, pad, -pad, -pad),
                         Qt::AlignHCenter | Qt::AlignBottom | Qt::TextWordWrap, text(distributions[d]));
    }
    for (std::size_t s = 0; s < sources.size(); ++s) {
        const double top = area.top() + headHeight + cellHeight * static_cast<double>(s);
        painter.setPen(Qt::black);
        painter.drawText(QRectF(area.left(), top, first, cellHeight).adjusted(pad, pad, -pad, -pad),
                         Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, text(sources[s]));
    }
    QRectF chosenBox;
    for (const decision::WhatIfCell& cell : cells) {
        const QRectF box(area.left() + first + column * (cell.distribution - 1),
                         area.top() + headHeight + cellHeight * (cell.heatSource - 1), column, cellHeight);
        if (cell.saving.money) painter.fillRect(box, cell.saving.money->value >= 0 ? kSaves : kCostsMore);
        painter.setPen(grid);
        painter.drawRect(box);
        painter.setPen(Qt::black);
        QStringList lines;
        for (const std::string& l : decision::WhatIfCellLines(cell, decision.texts, decision.currency))
            lines << metrics.elidedText(text.Numbers(l), Qt::ElideRight, column - 2 * pad);
        painter.setFont(PageFont(family, 6.5, &cell == chosen));
        painter.drawText(box.adjusted(pad, pad, -pad, -pad), Qt::AlignCenter, lines.join(QLatin1Char('\n')));
        painter.setFont(PageFont(family, 6.5));
        if (&cell == chosen) chosenBox = box;
    }
    // The frame of the project's choice over the grid lines of its neighbours.
    painter.setPen(QPen(Qt::black, line * 0.12));
    if (chosen) painter.drawRect(chosenBox);
    painter.setPen(Qt::black);
    return headHeight + cellHeight * static_cast<double>(sources.size());
}

}  // namespace

DecisionPage DecisionPageOf(const ProjectRecord& record, const FeatureTexts& texts,
                            const std::string& currency, ActionLoads* loads) {
    return {record, decision::EvaluateDecision(record, true, true, loads), texts, currency,
            ShownDecimalSeparator(Settings.LanguageCode)};
}

void DrawDecisionPage(QPainter& painter, const QRectF& page, const DecisionPage& decision,
                      const QString& fontFamily) {
    using namespace decision_texts;
    painter.save();
    painter.setPen(Qt::black);
    const PageText text(decision.texts.codePage(), decision.decimalSeparator);
    const double margin = page.width() * 0.07;
    const QRectF body = page.adjusted(margin, margin * 0.8, -margin, -margin * 0.8);

    painter.setFont(PageFont(fontFamily, 13, true));
    double y = body.top() + Heading(painter, body.topLeft(), text(decision.texts[kTitle]));
    painter.setFont(PageFont(fontFamily, 8));
    y += QFontMetricsF(painter.font(), painter.device()).height() * 0.5;

    y += DrawFigures(painter, QRectF(body.left(), y, body.width() * 0.85, body.bottom() - y), decision, text,
                     fontFamily);
    painter.setFont(PageFont(fontFamily, 9, true));
    y += QFontMetricsF(painter.font(), painter.device()).height() * 0.6;
    y += Heading(painter, QPointF(body.left(), y), text(decision.texts[kWhatIfHeading]));
    y += DrawWhatIf(painter, QRectF(body.left(), y, body.width(), body.bottom() - y), decision, text,
                    fontFamily);

    // The chart in what is left below the table.
    painter.setFont(PageFont(fontFamily, 7));
    y += QFontMetricsF(painter.font(), painter.device()).height() * 1.5;
    if (body.bottom() - y > 0 && decision.run.sensitivity) {
        const decision::Sensitivity shown =
            decision.run.resultsAsShown ? *decision.run.sensitivity : decision::Sensitivity{};
        DrawSensitivityChart(
            painter, QRectF(body.left(), y, body.width(), body.bottom() - y), shown,
            SensitivityChartTextsOf(decision.texts, decision.currency, decision.decimalSeparator));
    }
    painter.restore();
}

}  // namespace tervalo
