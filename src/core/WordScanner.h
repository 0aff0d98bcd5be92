#pragma once
// Splits the text of a parameter file into words at any white space and
// refuses what is not text, so that the reader never sees binary data or
// an unbounded word. A UTF-8 byte-order mark at the start and end-of-file
// marks (Ctrl-Z) at the end, as some editors add them, are no part of it.

#include <cstddef>
#include <string>
#include <string_view>

namespace torvana {

// Longest word a parameter file may hold.
constexpr std::size_t MaxWordLength = 259;

enum class ScanFault {
    None,
    NotText,      // a control byte (FaultByte) inside a word
    WordTooLong,  // longer than MaxWordLength
};

class WordScanner {
public:
    explicit WordScanner(std::string_view text);

    // The next word; false at the end of the text or on a fault.
    bool Next(std::string_view& word);

    // Line (from 1) of the last word returned, or of the fault.
    int Line() const { return line; }
    bool Faulty() const { return !fault.empty(); }
    const std::string& Fault() const { return fault; }
    ScanFault FaultKind() const { return faultKind; }
    unsigned char FaultByte() const { return faultByte; }

private:
    std::string_view text;
    std::size_t position = 0;
    int line = 1;         // of the last word
    int currentLine = 1;  // at position
    std::string fault;
    ScanFault faultKind = ScanFault::None;
    unsigned char faultByte = 0;
};

}  // namespace torvana
