#pragma once

// What the other windows call of the report side.
//  - The project window's print command, after it has set CalculationLock: PrintProject.
//  - The main window's printer command (button PriButt, menu Printset): ShowPrinterSetup.

#include "project/project_record.h"

class QWidget;

namespace tervalo {

// Writes ergEN1.DAT from the project window's current texts and shows the results view modally. When the
// file cannot be written the user is told and the view is not opened; the result is then false.
bool PrintProject(const ProjectRecord& project, QWidget* parent);

// Shows the results view of the file as it stands (a missing file shows the frame alone). With `project`,
// printing offers the project's cycle page.
void ShowResultsView(QWidget* parent, const ProjectRecord* project = nullptr);

// The printer set-up dialog ("Kelvara Printer Setup"); the chosen printer stays current for the run. True
// when confirmed.
bool ShowPrinterSetup(QWidget* parent);

}  // namespace tervalo
