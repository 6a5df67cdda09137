#pragma once

// The seasonal view of the project: its refrigeration cycle through the three reference seasons (seasonal COP
// beside the band of certified units, the seasonal balance and break-even figures) and the bin chart of one
// season (load, heat pump and back-up by outdoor temperature). One drawing for the project window's panel,
// the printed page, PDF files and the tests' images. Links Qt Gui only.

#include <QRectF>
#include <QString>
#include <string>
#include <vector>

#include "localisation/feature_texts.h"
#include "project/paint/feature_page.h"
#include "project/seasonal/project_seasons.h"

class QPainter;

namespace tervalo {

// With the seasonal caption file; fileDamaged: Seasonal.json was damaged.
struct SeasonalPage : FeaturePageOptions {
    seasonal::ProjectSeasons seasons;
};

// The project as it stands with the inputs of Seasonal.json in the current directory, in the run's language
// and currency; its calculations take the loads of the action that prints it.
SeasonalPage SeasonalPageOf(const ProjectRecord& record, ActionLoads* loads = nullptr);

// The rows of the seasons table: a heading row, then one row per figure with a column per season (texts as
// code-page bytes of the caption file).
std::vector<std::vector<std::string>> SeasonRows(const SeasonalPage& content);

// The bin chart of one season into `area`, in the painter's font: per bin the heat pump's part of the load
// and the back-up stacked as bars, the unit's capacity as a line. Nothing is drawn for a season without
// result.
void DrawSeasonChart(QPainter& painter, const QRectF& area, const seasonal::ProjectSeason& season,
                     const FeatureTexts& texts, char decimalSeparator);

// The seasons table, notes and the chart of `chartSeason` (0 average, 1 colder, 2 warmer) into `area`, with
// fonts of `fontFamily` sized in points of the painter's device. The page and the panel draw this.
void DrawSeasonalView(QPainter& painter, const QRectF& area, const SeasonalPage& content,
                      std::size_t chartSeason, const QString& fontFamily);

// The report page: heading and the view of the average season.
void DrawSeasonalPage(QPainter& painter, const QRectF& page, const SeasonalPage& content,
                      const QString& fontFamily);

}  // namespace tervalo
