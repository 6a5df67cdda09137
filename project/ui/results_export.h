#pragma once

// The project window's export: the project, its results and its decision figures written as a CSV table or a
// JSON document, with the columns and members tervalo-calc writes.

#include "localisation/feature_texts.h"
#include "project/project_record.h"

class QWidget;

namespace tervalo {

// Asks for the file in a file dialog (the type chosen there, or the name's suffix, decides the format), asks
// before an existing file is replaced (No offers the dialog again), and writes the file as a whole. The user
// is told when it could not be written. `texts` are the decision caption file's.
void ExportResults(const ProjectRecord& record, const FeatureTexts& texts, QWidget* parent);

}  // namespace tervalo
