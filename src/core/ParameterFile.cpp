#include "core/ParameterFile.h"

#include "core/AtomicFile.h"
#include "core/FileKeys.h"
#include "core/NumberText.h"
#include "core/WordScanner.h"

#include <ostream>
#include <string_view>

namespace torvana {
namespace {

constexpr std::string_view LineEnd = "\r\n";
constexpr std::string_view IdentificationKey = "KAVELTRA_KEY";
constexpr std::uint16_t IdentificationNumber = ParameterFileVersion;
constexpr std::size_t QuotedWordLimit = 32;
constexpr std::size_t ParameterFileTypicalSize = 16 * 1024;  // a written file is about 13 kB
constexpr int IdentificationFieldWidth = 3;
constexpr int NumberFieldWidth = 5;

void AppendNumber(std::string& line, const FileElement& element, int value)
{
    const auto asUnsigned = static_cast<long long>(static_cast<unsigned>(value));
    switch (element.encoding) {
    case Encoding::Identification:
        AppendRightAligned(line, asUnsigned, IdentificationFieldWidth);
        line += ' ';
        break;
    case Encoding::Flag:
    case Encoding::InvertedFlag:
    case Encoding::Option: AppendRightAligned(line, value, NumberFieldWidth); break;
    case Encoding::Signed:
        AppendRightAligned(line, value, NumberFieldWidth);
        line += ' ';
        break;
    default:
        AppendRightAligned(line, asUnsigned, NumberFieldWidth);
        line += ' ';
        break;
    }
}

void AppendKey(std::string& text, const FileKey& key, const ParameterImage& image,
               const FileOptions& options)
{
    std::size_t next = 0;
    for (std::size_t line = 0; line < key.lineLengths.size(); ++line) {
        if (line == 0) {
            const auto width = static_cast<std::size_t>(key.fieldWidth);
            const std::string_view name = key.name.substr(0, width);
            text += name;
            text.append(width - name.size(), ' ');
        } else if (key.indentContinuation) {
            text.append(static_cast<std::size_t>(KeyFieldWidth), ' ');
        }
        for (int i = 0; i < key.lineLengths[line]; ++i, ++next) {
            AppendNumber(text, key.elements[next], FileValue(key.elements[next], image, options));
        }
        text += LineEnd;
    }
    if (key.trailer == Trailer::EmptyLine) {
        text += LineEnd;
    } else if (key.trailer == Trailer::BlankField) {
        text.append(static_cast<std::size_t>(KeyFieldWidth), ' ');
        text += LineEnd;
    }
}

std::string ParameterFileText(const ParameterImage& image, const FileOptions& options)
{
    std::string text;
    text.reserve(ParameterFileTypicalSize);
    for (const FileKey& key : ParameterFileKeys()) {
        AppendKey(text, key, image, options);
    }
    return text;
}

// A word of digits with an optional leading minus. Negative numbers and
// numbers beyond 16 bits wrap, as C's %u leaves them.
bool ParseNumber(std::string_view word, std::uint16_t& lowBits)
{
    const bool negative = !word.empty() && word.front() == '-';
    if (negative) {
        word.remove_prefix(1);
    }
    if (word.empty()) {
        return false;
    }
    std::uint16_t value = 0;
    for (char c : word) {
        if (c < '0' || c > '9') {
            return false;
        }
        value = static_cast<std::uint16_t>(value * 10 + (c - '0'));
    }
    lowBits = negative ? static_cast<std::uint16_t>(-value) : value;
    return true;
}

std::string Quoted(std::string_view word)
{
    if (word.size() > QuotedWordLimit) {
        return "\"" + std::string(word.substr(0, QuotedWordLimit)) + "...\"";
    }
    return "\"" + std::string(word) + "\"";
}

ReadResult Rejected(int line, const std::string& what, ReadFault fault)
{
    ReadResult result{ReadStatus::Rejected, "line " + std::to_string(line) + ": " + what, line};
    result.fault = fault;
    return result;
}

ReadResult ScanRejected(const WordScanner& scanner)
{
    ReadResult result = Rejected(scanner.Line(), scanner.Fault(),
                                 scanner.FaultKind() == ScanFault::NotText ? ReadFault::NotText : ReadFault::WordTooLong);
    result.byte = scanner.FaultByte();
    return result;
}

ReadResult NotANumber(const WordScanner& scanner, std::string_view word, std::string_view key)
{
    ReadResult result = Rejected(scanner.Line(), Quoted(word) + " where a number of " + std::string(key) + " is expected",
                                 ReadFault::NotANumber);
    result.word = Quoted(word);
    result.key = key;
    return result;
}

}  // namespace

void WriteParameterFile(std::ostream& out, const ParameterImage& image, const FileOptions& options)
{
    out << ParameterFileText(image, options);
}

ReadResult ReadParameterFile(std::string_view text, ParameterImage& image, FileOptions& options)
{
    WordScanner scanner(text);
    std::string_view word;
    std::uint16_t number = 0;
    bool versionMatched = false;
    while (!versionMatched && scanner.Next(word)) {
        if (word != IdentificationKey || !scanner.Next(word)) {
            continue;
        }
        if (!ParseNumber(word, number)) {
            return NotANumber(scanner, word, IdentificationKey);
        }
        versionMatched = number == IdentificationNumber;
    }
    if (scanner.Faulty()) {
        return ScanRejected(scanner);
    }
    if (!versionMatched) {
        return {ReadStatus::VersionMismatch, "no identification with version " + std::to_string(ParameterFileVersion), 0};
    }

    ParameterImage newImage = image;
    FileOptions newOptions = options;
    while (scanner.Next(word)) {
        const FileKey* key = FindFileKey(word);
        if (key == nullptr) {
            continue;
        }
        for (const FileElement& element : key->elements) {
            if (!scanner.Next(word)) {
                break;
            }
            if (!ParseNumber(word, number)) {
                return NotANumber(scanner, word, key->name);
            }
            StoreFileValue(element, number, newImage, newOptions);
        }
    }
    if (scanner.Faulty()) {
        return ScanRejected(scanner);
    }
    image = newImage;
    options = newOptions;
    return {ReadStatus::Accepted, {}, 0};
}

ReadResult LoadParameterFile(const std::string& path, ParameterImage& image, FileOptions& options)
{
    const FileReadResult file = ReadFileUpTo(path, ParameterFileSizeLimit);
    if (file.status != FileReadStatus::Read) {
        return {ReadStatus::Unreadable, file.reason, 0};
    }
    return ReadParameterFile(file.contents, image, options);
}

std::string SaveParameterFile(const std::string& path, const ParameterImage& image,
                              const FileOptions& options)
{
    return ReplaceFile(path, ParameterFileText(image, options));
}

}  // namespace torvana
