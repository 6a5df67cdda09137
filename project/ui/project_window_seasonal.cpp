// The seasonal panel of the project window: opened from the decision figures, over the project's sections
// like the lifetime panel, following the project as the window shows it.

#include <QPushButton>

#include "project/ui/project_window.h"
#include "project/ui/seasonal_panel.h"

namespace tervalo {

void Projektdaten::BuildSeasonalPanel() {
    seasonalPanel_ = new SeasonalPanel(this);
    connect(seasonalPanel_->closeButton(), &QPushButton::clicked, this, &Projektdaten::SeasonalHide);
    connect(this, &Projektdaten::RecordShown, seasonalPanel_, [this] {
        if (seasonalPanel_->isVisible()) seasonalPanel_->ShowProject(record_);
    });
}

void Projektdaten::SeasonalShow() {
    TakeWidgetTexts();
    seasonalPanel_->Open(record_);
    CoverContent(true);
    PlaceOverlays();
    seasonalPanel_->show();
    seasonalPanel_->raise();
    if (auto* first = seasonalPanel_->findChild<QWidget*>(QStringLiteral("EvaporatorDifference")))
        first->setFocus();
}

void Projektdaten::SeasonalHide() {
    seasonalPanel_->hide();
    CoverContent(false);
    if (QWidget* button = findChild<QWidget*>(QStringLiteral("SeasonalButt"))) button->setFocus();
}

}  // namespace tervalo
