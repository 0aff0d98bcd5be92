#include "texts/MessageTable.h"

namespace torvana {

void SetMessageTexts(MessageTable& t, int languageIndex)
{
    (void)languageIndex;  // the other three languages come with the localisation
    t.TextManualFile = "Torvana_R_en.pdf";
    t.TextProgramError = "Program error!";
    t.TextVerifyError = "Verify error!";
    t.TextReadError = "Read error!";
    t.TextProgramDevice = "Program device:";
    t.TextVersionMismatch = "Unmatched version of PC and Ignition programs!";
    t.TextVerify = "Verify:";
    t.TextRead = "Read:";
    t.TextSaving = "Saving:";
    t.TextNumberOfProgramming = "Number of Programing= ";
    t.TextComOpenError = "Com opening error!";
    t.TextOpenFileError = "Open file error!";
    t.TextDefaultQuestion = "Do you want default setting?";
    t.TextFileVersionMismatch = "Unmatched version of *.ign file!";
    t.TextPrintDate = "Date and time of printing:  ";
    t.TextNoReading = "No reading!";
    t.TextManualOpenError = "Error by opening file " + t.TextManualFile + " !";
}

}  // namespace torvana
