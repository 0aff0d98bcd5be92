#include "core/WordScanner.h"

#include "core/CharClass.h"

#include <cstdio>

namespace torvana {
namespace {

constexpr unsigned char FirstPrintable = 0x20;
constexpr unsigned char Delete = 0x7F;
constexpr std::size_t FaultTextCapacity = 64;
constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";
constexpr char EndOfFileMark = '\x1A';

// Bytes from 0x80 up are letters of the 8-bit code page and count as text.
bool IsControl(unsigned char c) { return c < FirstPrintable || c == Delete; }

}  // namespace

WordScanner::WordScanner(std::string_view fileText) : text(fileText)
{
    if (text.starts_with(ByteOrderMark)) {
        text.remove_prefix(ByteOrderMark.size());
    }
    // Only a mark with nothing but white space after it ends the text; one
    // with words after it is refused where it stands.
    std::size_t end = text.size();
    while (end > 0 && (text[end - 1] == EndOfFileMark || IsWhiteSpace(text[end - 1]))) {
        --end;
    }
    text.remove_suffix(text.size() - end);
}

bool WordScanner::Next(std::string_view& word)
{
    if (Faulty()) {
        return false;
    }
    while (position < text.size() && IsWhiteSpace(text[position])) {
        if (text[position] == '\n') {
            ++currentLine;
        }
        ++position;
    }
    if (position == text.size()) {
        return false;
    }
    line = currentLine;
    const std::size_t start = position;
    for (; position < text.size() && !IsWhiteSpace(text[position]); ++position) {
        const auto c = static_cast<unsigned char>(text[position]);
        if (IsControl(c)) {
            char what[FaultTextCapacity];
            std::snprintf(what, sizeof what, "byte 0x%02X is not text", c);
            fault = what;
            faultKind = ScanFault::NotText;
            faultByte = c;
            return false;
        }
    }
    if (position - start > MaxWordLength) {
        fault = "word longer than " + std::to_string(MaxWordLength) + " characters";
        faultKind = ScanFault::WordTooLong;
        return false;
    }
    word = text.substr(start, position - start);
    return true;
}

}  // namespace torvana
