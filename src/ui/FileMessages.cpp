#include "ui/FileMessages.h"

#include "core/WordScanner.h"

#include <cstdio>

namespace torvana {

namespace {

std::string HexByte(unsigned char byte)
{
    constexpr std::size_t Capacity = 3;
    char digits[Capacity];
    std::snprintf(digits, sizeof digits, "%02X", byte);
    return digits;
}

std::string WhatIsWrong(const MessageTable& texts, const ReadResult& result)
{
    switch (result.fault) {
    case ReadFault::NotText: return FillIn(texts.TextByteNotText, {HexByte(result.byte)});
    case ReadFault::WordTooLong: return FillIn(texts.TextWordTooLong, {std::to_string(MaxWordLength)});
    case ReadFault::NotANumber: return FillIn(texts.TextNotANumber, {result.word, result.key});
    case ReadFault::None: break;
    }
    // A fault the reader names only in its own words.
    return result.message;
}

}  // namespace

std::string RejectedFileMessage(const MessageTable& texts, const std::string& path, const ReadResult& result)
{
    if (result.status == ReadStatus::Unreadable) {
        return texts.TextOpenFileError + "\n" + result.message;
    }
    if (result.status == ReadStatus::VersionMismatch) {
        return texts.TextFileVersionMismatch;
    }
    return FillIn(texts.TextFileRejected, {path, std::to_string(result.line), WhatIsWrong(texts, result)});
}

}  // namespace torvana
