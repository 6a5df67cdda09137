#pragma once

// The notes the user keeps with the project, in a side file beside TempPart.dat (whose fields stay as they
// are): UTF-8 text, as typed into the main window's notes box.

#include <string>
#include <string_view>

namespace tervalo {

inline constexpr const char* kNotesFileName = "TempPart.notes.txt";
// Far beyond a page of notes; a larger file is no notes file of this program.
inline constexpr std::size_t kNotesByteLimit = 1u << 20;

// The notes, empty when the file is missing, unreadable or over the limit.
std::string LoadProjectNotes();

// Rewrites the side file with `notes` (cut at the limit, at a character boundary); an interruption leaves
// the old notes. False when it could not be written.
bool SaveProjectNotes(std::string_view notes);

}  // namespace tervalo
