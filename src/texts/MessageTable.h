#pragma once
// The message slots of the main window: each holds the current language's
// text of one message; whoever shows a message reads its slot at that moment.
// All texts are UTF-8.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace torvana {

constexpr int LanguageCount = 4;
enum Language : int { English = 0, German = 1, French = 2, Czech = 3 };

// The language's position in every text table; a value outside 0 to 3 reads
// as English.
constexpr std::size_t LanguageSlot(int languageIndex)
{
    return languageIndex >= 0 && languageIndex < LanguageCount ? static_cast<std::size_t>(languageIndex)
                                                               : static_cast<std::size_t>(English);
}

struct MessageTable {
    std::string TextManualFile;
    std::string TextProgramError;
    std::string TextVerifyError;
    std::string TextReadError;
    std::string TextProgramDevice;
    std::string TextVersionMismatch;
    std::string TextVerify;
    std::string TextRead;
    std::string TextSaving;
    std::string TextNumberOfProgramming;
    std::string TextComOpenError;
    std::string TextOpenFileError;
    std::string TextDefaultQuestion;
    std::string TextFileVersionMismatch;
    std::string TextPrintDate;
    std::string TextNoReading;
    std::string TextManualOpenError;  // composed: lead text, file name, " !"
    // Beyond the message slots of the window's design: %1 the device, %2 its group.
    std::string TextComPermission;
    // Hint of an edit box whose range limits the stored value; %1 is that value.
    std::string TextValueLimited;

    // Messages of this program beyond the designed ones; %1, %2 ... stand
    // for what FillIn puts in.
    std::string TextFileRejected;         // file, line, what is wrong
    std::string TextByteNotText;          // byte in two hex digits
    std::string TextWordTooLong;          // longest word
    std::string TextNotANumber;           // word, key
    std::string TextLastImageUnreadable;  // file, the system's reason
    std::string TextLastImageDamaged;     // file, line, values read, values in all
    std::string TextLastImageIncomplete;  // file, values read, values in all
    std::string TextUnableToWrite;        // file; the system's reason follows on the next line
    std::string TextNoDefaultPrinter;
    std::string TextPrinterRefused;       // printer
    std::string TextPdfWriteError;        // file, the system's reason
    std::string TextUnexpectedError;      // what went wrong
    std::string TextSetWrittenTo;         // the last-image file
};

// pattern with %1 replaced by the first value, %2 by the second, and so on
// (up to %9); a number without a value stays as it is.
std::string FillIn(std::string_view pattern, const std::vector<std::string>& values);

// Fills every slot for the language (0 English, 1 German, 2 French, 3 Czech;
// anything else counts as English).
void SetMessageTexts(MessageTable& table, int languageIndex);

}  // namespace torvana
