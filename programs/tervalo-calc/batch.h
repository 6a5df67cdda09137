#pragma once

// tervalo-calc --batch: one project per row of a CSV file. The header names the fields, each at most once;
// each row's cells are applied in column order to a copy of the project, as FIELD=TEXT arguments would be (an
// empty cell leaves its field alone), and the row's fields, break-even figures and saving go to the output
// file, each as the shown text and the machine number, then the row's warnings. A result the row's
// calculation did not write is left empty, as are the figures then, and its warning says why. Nothing is
// saved; the output file is replaced as a whole.

#include <cstddef>
#include <string>

#include "project/project_record.h"

namespace tervalo {

// The largest input read, and the most rows it may hold after its header.
inline constexpr std::size_t kBatchInputLimit = 16u << 20;
inline constexpr std::size_t kBatchRowLimit = 100000;

struct BatchFiles {
    std::string input;
    std::string output;
};

// Exit status: 0 when every row was computed; 1 when a malformed row was skipped (reported on standard
// error with its number, counted from 1 after the header) or the output could not be written; 2 when the
// input cannot be read, is too large or its header names no input field or one twice; 3 under `strict` when
// a row gave a warning (each on standard error with its row), and the output is then not written.
int RunBatch(const ProjectRecord& project, const BatchFiles& files, bool strict);

}  // namespace tervalo
