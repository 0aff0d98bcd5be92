#include "WindowFixture.h"

#include "core/Header.h"
#include "settings/LastImageFile.h"

#include <QDir>
#include <QLabel>
#include <QTabWidget>

namespace torvana {
namespace {

constexpr int VariousPage = 12;

QString Label(const TFormHlav& w, const char* name)
{
    const auto* label = w.findChild<QLabel*>(name);
    return label ? label->text() : QStringLiteral("<missing>");
}

// The version labels tell what the connected unit runs: a header that only
// came back with the last image must not be shown as if the unit had said it.
TEST_F(WindowTest, VersionLabelsStayEmptyUntilTheUnitSendsItsHeader)
{
    ParameterImage stored{};
    TFormHlav& first = Start();
    stored = first.Image();
    Close();
    const char oldVersion[] = "OLD";
    std::copy(oldVersion, oldVersion + 3, stored.begin() + Offset::FirmwareVersionChars);
    stored[Offset::FirmwareDay] = 24;
    stored[Offset::FirmwareMonthCode] = MonthCode(12);
    ASSERT_TRUE(QDir().mkpath(Dir() + "/torvana"));
    ASSERT_TRUE(WriteLastImageFile((Dir() + "/torvana/_Torvana_R.ini").toStdString(), stored, {}));

    TFormHlav& w = Start();
    ASSERT_EQ(w.Image()[Offset::FirmwareDay], 24);
    w.Controls().pageControl1->setCurrentIndex(VariousPage);
    EXPECT_EQ(Label(w, "LabelVerze1"), "");
    EXPECT_EQ(Label(w, "LabelVerze2"), "");
    EXPECT_EQ(Label(w, "LabelVerze3"), "");

    w.MenuReadClick();
    ASSERT_TRUE(TickUntilIdle());
    const HeaderTexts unitHeader = DecodeHeader(unit.Store());
    ASSERT_FALSE(unitHeader.versionText.empty());
    EXPECT_EQ(Label(w, "LabelVerze1").toStdString(), unitHeader.versionText);
    EXPECT_EQ(Label(w, "LabelVerze2").toStdString(), unitHeader.dateText);
    EXPECT_EQ(Label(w, "LabelVerze3").toStdString(), unitHeader.timeText);
}

}  // namespace
}  // namespace torvana
