#include "settings/LastImageFile.h"

#include "settings/AtomicFile.h"

#include <cctype>
#include <cstdio>
#include <optional>
#include <string_view>

namespace torvana {

namespace {

constexpr int NumbersPerLine = 10;
constexpr int NumbersPerParagraph = 100;
constexpr int NumberFieldWidth = 5;
constexpr unsigned ByteModulus = 256;
constexpr unsigned DecimalBase = 10;

bool IsBlank(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }

// Reads the file's words one by one.
class WordReader {
public:
    explicit WordReader(std::string_view text) : rest(text) {}

    std::optional<std::string_view> Next()
    {
        while (!rest.empty() && IsBlank(rest.front()))
            rest.remove_prefix(1);
        if (rest.empty())
            return std::nullopt;
        std::size_t length = 0;
        while (length < rest.size() && !IsBlank(rest[length]))
            ++length;
        const std::string_view word = rest.substr(0, length);
        rest.remove_prefix(length);
        return word;
    }

private:
    std::string_view rest;
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
        if (!std::isdigit(static_cast<unsigned char>(c)))
            return std::nullopt;
        value = (value * DecimalBase + static_cast<unsigned>(c - '0')) % ByteModulus;
    }
    return static_cast<std::uint8_t>(negative ? (ByteModulus - value) % ByteModulus : value);
}

// Fills bytes from the reader until they are full or the numbers end.
template <std::size_t N>
bool ReadBytes(WordReader& reader, std::array<std::uint8_t, N>& bytes)
{
    for (std::uint8_t& byte : bytes) {
        const auto word = reader.Next();
        const auto number = word ? LowByteOf(*word) : std::nullopt;
        if (!number)
            return false;
        byte = *number;
    }
    return true;
}

void AppendNumber(std::string& text, unsigned number)
{
    char field[NumberFieldWidth + 2];
    std::snprintf(field, sizeof field, "%5u ", number);
    text += field;
}

}  // namespace

bool ReadLastImageFile(const std::string& path, ParameterImage& image, PageAllFlags& flags)
{
    const auto text = ReadWholeFile(path);
    if (!text)
        return false;
    WordReader reader(*text);
    if (ReadBytes(reader, image))
        ReadBytes(reader, flags);
    return true;
}

bool WriteLastImageFile(const std::string& path, const ParameterImage& image,
                        const PageAllFlags& flags)
{
    std::string text;
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
    return WriteFileAtomically(path, text);
}

}  // namespace torvana
