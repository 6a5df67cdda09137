#pragma once

#include <filesystem>
#include <string>

// The progress display of the directory page as the copy run leaves it after each change. Positions and
// widths are in twips (1440 to the inch), measured from the page's left edge; 15 twips make one pixel on a
// 96-dpi screen.
namespace installer {

inline constexpr int kTwipsPerPixel = 15;
// The progress bar's full width: 150 twips for each of the 24 classic steps. With more steps each step gets
// its share of the same width and of 96 %, the last 4 % standing for the files being put into place.
inline constexpr int kProgressBarTwips = 3600;
inline constexpr int kProgressPercentBeforeEnd = 96;
inline constexpr int kPercentLabelOffset =
    2600;  // the percentage label stands this far right of the bar's width
inline constexpr int kActivityTwipsPerFile = 100;
inline constexpr int kCounterLabelOffset = 2700;
// The activity bar starts again from zero width after this many files of one step.
inline constexpr int kActivityFilesPerSweep = 50;

struct ProgressDisplay {
    bool barsVisible = false;  // progress bar, percentage label and the activity bar with its counter
    bool activityVisible = false;
    int progressWidth = 0;
    int percentLeft = kPercentLabelOffset;
    std::string percentText = " 1 %";
    int activityWidth = 0;
    int counterLeft = kCounterLabelOffset;
    std::string counterText;
    std::string statusLine;
    // The picture file to show behind the page; it may be missing, then the page shows none.
    std::filesystem::path background;
};

}  // namespace installer
