#include "WindowFixture.h"

#include "settings/IniFile.h"
#include "ui/MonitorArea.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QTabWidget>

namespace torvana {
namespace {

TEST_F(WindowTest, ExitAndStartBringBackSettingsAndTheUnsavedImage)
{
    TFormHlav& first = Start();
    first.MenuLanguageClick(2);
    first.Controls().pageControl1->setCurrentIndex(2);
    auto* allServo = first.findChild<QCheckBox*>("CheckBoxAll_Servo");
    ASSERT_NE(allServo, nullptr);
    allServo->setChecked(true);
    first.Monitor().ExtMonitor()->setChecked(true);
    first.MenuCom1Click(4);
    first.Controls().labelFile2->setText("/tmp/bench.ign");
    first.move(40, 30);
    first.Image()[CurveCellOffset(5, 9, 14)] = 44;  // never saved to a file, not on the page shown
    const ParameterImage atExit = first.Image();
    Close();
    EXPECT_EQ(sink.shown, std::vector<std::string>{"Erreur connections PC!\nno such port"});  // already French

    const IniFile ini((Dir() + "/torvana/Torvana_R.ini").toStdString());
    EXPECT_EQ(ini.ReadInteger("FORM_HLAV", "Language", -1), 2);
    EXPECT_EQ(ini.ReadInteger("IGNITION", "PageControl1->ActivePageIndex", -1), 2);
    EXPECT_EQ(ini.ReadInteger("IGNITION", "CheckBoxAll_Servo->Checked", -1), 1);
    EXPECT_EQ(ini.ReadInteger("FORM_HLAV", "ComPort", -1), 4);

    TFormHlav& second = Start();
    EXPECT_EQ(second.LanguageIndex(), 2);
    EXPECT_TRUE(second.Controls().menuLanguage[2]->isChecked());
    EXPECT_EQ(second.Controls().pageControl1->currentIndex(), 2);
    EXPECT_EQ(second.Pages().ActivePageIndex(), 2);
    EXPECT_TRUE(second.findChild<QCheckBox*>("CheckBoxAll_Servo")->isChecked());
    EXPECT_TRUE(second.Monitor().ExtMonitor()->isChecked());
    EXPECT_EQ(second.ComPortNumber(), 4);
    EXPECT_TRUE(second.Controls().menuCom[3]->isChecked());
    EXPECT_EQ(second.Controls().labelFile2->text(), "/tmp/bench.ign");
    EXPECT_EQ(second.pos(), QPoint(40, 30));
    for (std::size_t i = 0; i < ImageSize; ++i) {
        ASSERT_EQ(second.Image()[i], atExit[i]) << "offset " << i;
    }
}

TEST_F(WindowTest, SettingsThatCannotBeWrittenAreReportedAtExit)
{
    Start();
    // A folder where the settings file should be makes every write fail.
    ASSERT_TRUE(QDir().mkpath(Dir() + "/torvana/Torvana_R.ini"));
    Close();
    ASSERT_EQ(sink.shown.size(), 1u);
    EXPECT_NE(sink.shown[0].find("Unable to write to"), std::string::npos);
}

TEST_F(WindowTest, ClosingDuringATransferKeepsTheImageOnScreen)
{
    TFormHlav& w = Start();
    w.Image()[CurveCellOffset(4, 1, 1)] = 99;
    w.MenuProgramClick();
    Tick(3);
    ASSERT_NE(w.Link().Mode(), TransferIdle);
    const ParameterImage onScreen = w.Image();
    Close();
    EXPECT_EQ(Start().Image(), onScreen);
}

}  // namespace
}  // namespace torvana
