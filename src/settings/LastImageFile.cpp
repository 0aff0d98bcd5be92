#include "settings/LastImageFile.h"

#include "core/CharClass.h"
#include "texts/MessageTable.h"

#include <optional>
#include <string_view>

namespace torvana {

namespace {

constexpr int NumbersPerLine = 10;
constexpr int NumbersPerParagraph = 100;
constexpr int NumberFieldWidth = 5;
constexpr unsigned ByteModulus = 256;
constexpr unsigned DecimalBase = 10;

bool IsBlank(char c) { return IsWhiteSpace(static_cast<unsigned char>(c)); }

// Reads the file's words one by one, counting lines for the messages.
class WordReader {
public:
    explicit WordReader(std::string_view text) : rest(text) {}

    std::optional<std::string_view> Next()
    {
        while (!rest.empty() && IsBlank(rest.front())) {
            if (rest.front() == '\n')
                ++line;
            rest.remove_prefix(1);
        }
        if (rest.empty())
            return std::nullopt;
        std::size_t length = 0;
        while (length < rest.size() && !IsBlank(rest[length]))
            ++length;
        const std::string_view word = rest.substr(0, length);
        rest.remove_prefix(length);
        return word;
    }

    int Line() const { return line; }

private:
    std::string_view rest;
    int line = 1;
};

// Low 8 bits of an unsigned decimal word read the way C's %u reads it (a
// minus sign wraps the value); nullopt when the word is not a number.
std::optional<std::uint8_t> LowByteOf(std::string_view word)
{
    const bool negative = !word.empty() && word.front() == '-';
    if (!word.empty() && (word.front() == '-' || word.front() == '+'))
        word.remove_prefix(1);
    if (word.empty())
        return std::nullopt;
    unsigned value = 0;
    for (const char c : word) {
        if (!IsDecimalDigit(static_cast<unsigned char>(c)))
            return std::nullopt;
        value = (value * DecimalBase + static_cast<unsigned>(c - '0')) % ByteModulus;
    }
    return static_cast<std::uint8_t>(negative ? (ByteModulus - value) % ByteModulus : value);
}

// Fills bytes from the reader until they are full or the numbers end;
// false when they ended first.
template <std::size_t N>
bool ReadBytes(WordReader& reader, std::array<std::uint8_t, N>& bytes, LastImageReading& reading)
{
    for (std::uint8_t& byte : bytes) {
        const auto word = reader.Next();
        if (!word)
            return false;
        const auto number = LowByteOf(*word);
        if (!number) {
            reading.stopLine = reader.Line();
            return false;
        }
        byte = *number;
        ++reading.numbers;
    }
    return true;
}

// Every byte's field with its separator ("  255 "), made once: the writer
// prints two thousand of them.
constexpr std::size_t FieldLength = NumberFieldWidth + 1;
constexpr auto ByteFields = [] {
    std::array<std::array<char, FieldLength>, ByteModulus> fields{};
    for (unsigned value = 0; value < ByteModulus; ++value) {
        auto& field = fields[value];
        field.fill(' ');
        std::size_t at = NumberFieldWidth;
        unsigned rest = value;
        do {
            field[--at] = static_cast<char>('0' + rest % DecimalBase);
            rest /= DecimalBase;
        } while (rest != 0);
    }
    return fields;
}();

void AppendNumber(std::string& text, std::uint8_t number)
{
    text.append(ByteFields[number].data(), FieldLength);
}

}  // namespace

LastImageReading ReadLastImage(const std::string& path, ParameterImage& image, PageAllFlags& flags)
{
    const FileReadResult file = ReadFileUpTo(path, LastImageFileSizeLimit);
    LastImageReading reading;
    reading.file = file.status;
    reading.reason = file.reason;
    if (file.status != FileReadStatus::Read)
        return reading;
    return ParseLastImage(file.contents, image, flags);
}

LastImageReading ParseLastImage(std::string_view text, ParameterImage& image, PageAllFlags& flags)
{
    LastImageReading reading;
    reading.file = FileReadStatus::Read;
    WordReader reader(text);
    if (ReadBytes(reader, image, reading))
        ReadBytes(reader, flags, reading);
    return reading;
}

bool ReadLastImageFile(const std::string& path, ParameterImage& image, PageAllFlags& flags)
{
    return ReadLastImage(path, image, flags).file == FileReadStatus::Read;
}

std::optional<std::string> LastImageProblem(const LastImageReading& reading, const std::string& path,
                                            int languageIndex)
{
    MessageTable texts;
    SetMessageTexts(texts, languageIndex);
    const std::string read = std::to_string(reading.numbers);
    const std::string all = std::to_string(LastImageNumberCount);
    switch (reading.file) {
    case FileReadStatus::Missing: return std::nullopt;
    case FileReadStatus::Unreadable:
    case FileReadStatus::TooLarge: return FillIn(texts.TextLastImageUnreadable, {path, reading.reason});
    case FileReadStatus::Read: break;
    }
    if (reading.stopLine != 0)
        return FillIn(texts.TextLastImageDamaged, {path, std::to_string(reading.stopLine), read, all});
    if (reading.numbers < ImageSize)
        return FillIn(texts.TextLastImageIncomplete, {path, read, all});
    return std::nullopt;
}

std::string FormatLastImage(const ParameterImage& image, const PageAllFlags& flags)
{
    std::string text;
    text.reserve(LastImageNumberCount * FieldLength + ImageSize / NumbersPerLine +
                 ImageSize / NumbersPerParagraph);
    for (std::size_t offset = 0; offset < image.size(); ++offset) {
        AppendNumber(text, image[offset]);
        const std::size_t count = offset + 1;
        if (count % NumbersPerLine == 0)
            text += '\n';
        if (count % NumbersPerParagraph == 0)
            text += '\n';
    }
    for (const std::uint8_t flag : flags)
        AppendNumber(text, flag);
    return text;
}

bool WriteLastImageFile(const std::string& path, const ParameterImage& image,
                        const PageAllFlags& flags, std::string* reason)
{
    const std::string failure = ReplaceFile(path, FormatLastImage(image, flags));
    if (reason != nullptr)
        *reason = failure;
    return failure.empty();
}

}  // namespace torvana
