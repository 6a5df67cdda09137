#include "engine/text_record.h"

#include <limits>
#include <sstream>

#include "engine/number_text.h"

namespace tervalo {

namespace {

constexpr int kEnd = std::char_traits<char>::eof();

bool IsBlank(int c) {
    return c == ' ' || c == '\t';
}
bool IsLineEnd(int c) {
    return c == '\r' || c == '\n';
}

void TrimTrailingBlanks(std::string& text) {
    while (!text.empty() && IsBlank(static_cast<unsigned char>(text.back()))) text.pop_back();
}

template <typename Int>
bool ReadInteger(TextRecordReader& reader, Int& value) {
    std::string field;
    if (!reader.ReadText(field)) return false;
    const double number = LeadingNumber(field);
    if (!(number >= static_cast<double>(std::numeric_limits<Int>::min()) - 0.5 &&
          number < static_cast<double>(std::numeric_limits<Int>::max()) + 0.5))
        return false;
    // Integer fields round like the assignment of a number to an integer: half to even.
    value = static_cast<Int>(RoundHalfEven(number));
    return true;
}

}  // namespace

TextRecordReader::TextRecordReader(std::istream& in) : in_(&in) {}

TextRecordReader::TextRecordReader(std::string_view bytes)
    : owned_(std::make_unique<std::istringstream>(std::string(bytes), std::ios::binary)), in_(owned_.get()) {}

TextRecordReader::~TextRecordReader() = default;

int TextRecordReader::Peek() {
    return in_->rdbuf() ? in_->rdbuf()->sgetc() : kEnd;
}

int TextRecordReader::Take() {
    return in_->rdbuf() ? in_->rdbuf()->sbumpc() : kEnd;
}

void TextRecordReader::SkipLineEnd(int taken) {
    if (taken == '\r' && Peek() == '\n') Take();
}

bool TextRecordReader::AtEnd() {
    return Peek() == kEnd;
}

bool TextRecordReader::ReadText(std::string& field) {
    int c = Peek();
    while (IsBlank(c)) {
        Take();
        c = Peek();
    }
    if (c == kEnd) return false;

    std::string text;
    const bool quoted = c == '"';
    if (quoted) {
        Take();
        for (c = Take(); c != kEnd && c != '"'; c = Take())
            if (text.size() < kMaxFieldLength) text.push_back(static_cast<char>(c));
        // Whatever stands between the closing quote and the next separator is dropped.
        if (c == '"')
            for (c = Take(); c != kEnd && c != ',' && !IsLineEnd(c); c = Take()) {
            }
    } else {
        for (c = Take(); c != kEnd && c != ',' && !IsLineEnd(c); c = Take())
            if (text.size() < kMaxFieldLength) text.push_back(static_cast<char>(c));
        TrimTrailingBlanks(text);
    }
    if (IsLineEnd(c)) SkipLineEnd(c);
    lastQuoted_ = quoted;
    field = std::move(text);
    return true;
}

bool TextRecordReader::ReadInt16(std::int16_t& value) {
    return ReadInteger(*this, value);
}

bool TextRecordReader::ReadInt32(std::int32_t& value) {
    return ReadInteger(*this, value);
}

bool TextRecordReader::ReadDouble(double& value) {
    std::string field;
    if (!ReadText(field)) return false;
    value = LeadingNumber(field);
    return true;
}

void TextRecordWriter::Separate() {
    if (statementOpen_) bytes_.push_back(',');
    statementOpen_ = true;
}

TextRecordWriter& TextRecordWriter::Text(std::string_view text) {
    Separate();
    bytes_.push_back('"');
    bytes_.append(text);
    bytes_.push_back('"');
    return *this;
}

TextRecordWriter& TextRecordWriter::Int(long long value) {
    Separate();
    bytes_.append(std::to_string(value));
    return *this;
}

TextRecordWriter& TextRecordWriter::Raw(std::string_view field) {
    Separate();
    bytes_.append(field);
    return *this;
}

void TextRecordWriter::EndStatement() {
    bytes_.append("\r\n");
    statementOpen_ = false;
}

}  // namespace tervalo
