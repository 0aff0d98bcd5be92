#pragma once
// What the user reads when a parameter file is refused, in the language of
// the message table.

#include "core/ParameterFile.h"
#include "texts/MessageTable.h"

#include <string>

namespace torvana {

// Why a parameter file was not taken (any status but Accepted): the file
// could not be read, with the system's reason; it has another version; or
// the file, the line and what is wrong there, and that nothing was loaded.
std::string RejectedFileMessage(const MessageTable& texts, const std::string& path, const ReadResult& result);

}  // namespace torvana
