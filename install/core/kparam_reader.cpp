#include "install/core/kparam_reader.h"

#include <fstream>

namespace installer {

namespace {

// The language code stands near the start; a damaged or foreign file is not read beyond this.
constexpr std::size_t kReadLimit = 64 * 1024;

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}
bool IsLineEnd(char c) {
    return c == '\r' || c == '\n';
}

class FieldCursor {
  public:
    explicit FieldCursor(std::string text) : text_(std::move(text)) {}

    bool AtEnd() const { return pos_ >= text_.size(); }

    std::string NextField() {
        while (!AtEnd() && IsBlank(text_[pos_])) ++pos_;
        std::string field;
        if (!AtEnd() && text_[pos_] == '"') {
            const std::size_t close = text_.find('"', pos_ + 1);
            const std::size_t stop = close == std::string::npos ? text_.size() : close;
            field = text_.substr(pos_ + 1, stop - pos_ - 1);
            pos_ = close == std::string::npos ? text_.size() : close + 1;
            // Whatever follows the closing quote up to the delimiter is not part of the field.
            while (!AtEnd() && text_[pos_] != ',' && !IsLineEnd(text_[pos_])) ++pos_;
        } else {
            while (!AtEnd() && text_[pos_] != ',' && !IsLineEnd(text_[pos_])) field += text_[pos_++];
            while (!field.empty() && IsBlank(field.back())) field.pop_back();
        }
        SkipDelimiter();
        return field;
    }

  private:
    void SkipDelimiter() {
        if (AtEnd()) return;
        if (text_[pos_] == ',') {
            ++pos_;
        } else if (text_[pos_] == '\r') {
            ++pos_;
            if (!AtEnd() && text_[pos_] == '\n') ++pos_;
        } else if (text_[pos_] == '\n') {
            ++pos_;
        }
    }

    std::string text_;
    std::size_t pos_ = 0;
};

}  // namespace

std::vector<std::string> ReadLeadingFields(std::istream& in, std::size_t count) {
    std::string text(kReadLimit, '\0');
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    text.resize(static_cast<std::size_t>(in.gcount()));

    FieldCursor cursor(std::move(text));
    std::vector<std::string> fields;
    while (fields.size() < count && !cursor.AtEnd()) fields.push_back(cursor.NextField());
    return fields;
}

std::string ReadLanguageCode(const std::filesystem::path& settingsFile) {
    std::ifstream in(settingsFile, std::ios::binary);
    if (!in) return {};
    const std::vector<std::string> fields = ReadLeadingFields(in, 4);
    return fields.size() == 4 ? fields[3] : std::string();
}

}  // namespace installer
