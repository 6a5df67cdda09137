#include "shell/project_notes.h"

#include "engine/file_access.h"

namespace tervalo {

std::string LoadProjectNotes() {
    return ReadFileBytes(kNotesFileName, kNotesByteLimit).value_or(std::string());
}

bool SaveProjectNotes(std::string_view notes) {
    if (notes.size() > kNotesByteLimit) {
        std::size_t end = kNotesByteLimit;
        // Back to the first byte of a UTF-8 sequence, so the cut splits no character.
        while (end > 0 && (static_cast<unsigned char>(notes[end]) & 0xC0) == 0x80) --end;
        notes = notes.substr(0, end);
    }
    return ReplaceFileBytes(kNotesFileName, notes);
}

}  // namespace tervalo
