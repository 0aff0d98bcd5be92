#include "link/PortAccess.h"

#include "texts/MessageTable.h"

#include <gtest/gtest.h>

namespace torvana {
namespace {

// A refused device names itself and the system's reason; only a permission
// error adds what to do, naming the device's group, in the chosen language.
TEST(PortAccessTest, PermissionAdviceNamesTheGroupInEveryLanguage)
{
    const std::string device = "/dev/null";
    const std::string group = DeviceGroup(device);
    ASSERT_FALSE(group.empty());
    for (int language = English; language < LanguageCount; ++language) {
        SCOPED_TRACE(language);
        MessageTable table;
        SetMessageTexts(table, language);
        const std::string refused = PortOpenReason(table, "Permission denied", true, device);
        EXPECT_EQ(refused.rfind(device + ": Permission denied\n", 0), 0u) << refused;
        EXPECT_NE(refused.find("usermod -aG " + group + " $USER"), std::string::npos) << refused;
        EXPECT_EQ(refused.find("%"), std::string::npos) << refused;
        EXPECT_EQ(refused.find("No permission to use") != std::string::npos, language == English) << refused;
        EXPECT_EQ(PortOpenReason(table, "No such file or directory", false, device),
                  device + ": No such file or directory");
    }
}

}  // namespace
}  // namespace torvana
