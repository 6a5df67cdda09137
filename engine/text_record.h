#pragma once

// The text-record convention of the program's data files: fields separated by commas or line ends, texts in
// double quotes, one statement per line ended by CR LF. Reading takes fields one after another regardless of
// line breaks.

#include <cstdint>
#include <istream>
#include <memory>
#include <string>
#include <string_view>

namespace tervalo {

class TextRecordReader {
  public:
    // Reads from an open stream (the caller keeps it alive) or from bytes held in memory.
    explicit TextRecordReader(std::istream& in);
    explicit TextRecordReader(std::string_view bytes);
    ~TextRecordReader();
    TextRecordReader(const TextRecordReader&) = delete;
    TextRecordReader& operator=(const TextRecordReader&) = delete;

    // The next field as text. A quoted field is taken between its quotes (commas and blanks inside kept); an
    // unquoted one up to the next comma or line end, blanks around it dropped. Returns false at the end of
    // the data and leaves `field` as it was.
    bool ReadText(std::string& field);

    // The next field as an integer. Returns false, leaving `value` as it was, at the end of the data or when
    // the field's number does not fit (the field is consumed either way).
    bool ReadInt16(std::int16_t& value);
    bool ReadInt32(std::int32_t& value);

    // The next field as a number (decimal point; E or D exponent). Returns false at the end of the data.
    bool ReadDouble(double& value);

    bool AtEnd();

    // Whether the field read last stood between double quotes.
    bool LastFieldWasQuoted() const { return lastQuoted_; }

  private:
    int Peek();
    int Take();
    void SkipLineEnd(int taken);

    std::unique_ptr<std::istream> owned_;
    std::istream* in_;
    bool lastQuoted_ = false;
};

// Builds the bytes of a text-record file statement by statement.
class TextRecordWriter {
  public:
    TextRecordWriter& Text(std::string_view text);  // "text"
    TextRecordWriter& Int(long long value);         // 12
    TextRecordWriter& Raw(std::string_view field);  // a field written exactly as given
    void EndStatement();                            // CR LF

    const std::string& bytes() const { return bytes_; }

  private:
    void Separate();

    std::string bytes_;
    bool statementOpen_ = false;
};

// Longest field the reader keeps; the rest of a longer field is consumed and dropped.
inline constexpr std::size_t kMaxFieldLength = 16 * 1024 * 1024;

}  // namespace tervalo
