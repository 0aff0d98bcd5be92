#pragma once
// The message slots of the main window: each holds the current language's
// text of one message; whoever shows a message reads its slot at that moment.
// All texts are UTF-8.

#include <string>

namespace torvana {

constexpr int LanguageCount = 4;
enum Language : int { English = 0, German = 1, French = 2, Czech = 3 };

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
};

// Fills every slot for the language (0 English, 1 German, 2 French, 3 Czech;
// anything else counts as English).
void SetMessageTexts(MessageTable& table, int languageIndex);

}  // namespace torvana
