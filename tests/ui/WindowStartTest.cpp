#include "WindowFixture.h"

#include "core/Defaults.h"
#include "core/Normalise.h"
#include "settings/IniFile.h"
#include "ui/MonitorArea.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <QTabWidget>

namespace torvana {
namespace {

ParameterImage FreshDefaults()
{
    ParameterImage expected{};
    FillDefaultParameters(expected);
    NormaliseImage(expected);
    return expected;
}

int CheckedCount(const auto& actions)
{
    int count = 0;
    for (const QAction* action : actions) {
        count += action->isChecked() ? 1 : 0;
    }
    return count;
}

TEST_F(WindowTest, FirstStartIsCentredOnPortOneInEnglishWithTheDefaults)
{
    TFormHlav& w = Start();
    const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
    EXPECT_EQ(w.size(), QSize(1010, 788));
    EXPECT_EQ(w.pos(), QPoint((screen.width() - 1010) / 2, (screen.height() - 788) / 2));
    EXPECT_EQ(w.objectName(), "TFormHlav");
    EXPECT_EQ(w.windowTitle(), "Programming of Torvana_Racing unit");
    EXPECT_EQ(w.ComPortNumber(), 1);
    EXPECT_TRUE(w.Controls().menuCom[0]->isChecked());
    EXPECT_EQ(CheckedCount(w.Controls().menuCom), 1);
    EXPECT_EQ(w.LanguageIndex(), 0);
    EXPECT_TRUE(w.Controls().menuLanguage[0]->isChecked());
    EXPECT_EQ(CheckedCount(w.Controls().menuLanguage), 1);
    EXPECT_TRUE(w.Controls().labelFile2->text().isEmpty());
    EXPECT_TRUE(w.Controls().labelHlaseni->isHidden());
    EXPECT_TRUE(w.Controls().cGauge->isHidden());
    EXPECT_TRUE(w.Monitor().Label(MonitorLabel::LabelTest1)->isHidden());
    EXPECT_TRUE(w.Monitor().Label(MonitorLabel::LabelTest8)->isHidden());
    EXPECT_TRUE(sink.shown.empty());

    const ParameterImage expected = FreshDefaults();
    for (std::size_t i = BlockSize; i < ImageSize; ++i) {
        ASSERT_EQ(w.Image()[i], expected[i]) << "offset " << i;
    }
}

TEST_F(WindowTest, FourteenPagesInTheirOrder)
{
    TFormHlav& w = Start();
    const QTabWidget* tabs = w.Controls().pageControl1;
    ASSERT_EQ(tabs->count(), 14);
    const QStringList captions = {"Ign 1", "Ign 2", "Ign 3", "Jet 1A", "Jet 2A", "Jet 3A", "Jet 1B", "Jet 2B", "Jet 3B"};
    for (int i = 0; i < captions.size(); ++i) {
        EXPECT_EQ(tabs->tabText(i), captions[i]);
    }
    EXPECT_EQ(tabs->widget(9)->objectName(), "TabSheet_Poloha");
    EXPECT_EQ(tabs->widget(10)->objectName(), "TabSheet_Servo");
    EXPECT_EQ(tabs->widget(11)->objectName(), "KnockTabSheet");
    EXPECT_EQ(tabs->widget(12)->objectName(), "TabSheet_Ruzne");
    EXPECT_EQ(tabs->widget(13)->objectName(), "TabSheet_Korekce");
    EXPECT_EQ(tabs->tabText(9), "Position");
    EXPECT_EQ(tabs->tabText(13), "Corrections");
}

TEST_F(WindowTest, PortThatCannotOpenIsReportedAndStartUpGoesOn)
{
    ports.refuse = true;
    TFormHlav& w = Start();
    ASSERT_EQ(sink.shown.size(), 1u);
    EXPECT_EQ(sink.shown[0], "Com opening error!\nno such port");
    EXPECT_EQ(w.Link().Line(), nullptr);

    // Silence makes the connection label show on the 19th tick.
    Tick(18);
    EXPECT_TRUE(w.Controls().labelSpojeni->isHidden());
    Tick();
    EXPECT_FALSE(w.Controls().labelSpojeni->isHidden());
}

TEST_F(WindowTest, ChoosingAPortReopensItAndChecksOnlyItsItem)
{
    TFormHlav& w = Start();
    const int before = ports.opened;
    w.MenuCom1Click(3);
    EXPECT_EQ(w.ComPortNumber(), 3);
    EXPECT_TRUE(w.Controls().menuCom[2]->isChecked());
    EXPECT_EQ(CheckedCount(w.Controls().menuCom), 1);
    EXPECT_EQ(sink.shown, std::vector<std::string>{"Com opening error!\nno such port"});
    // The same port again: closed and opened once more.
    w.MenuCom1Click(1);
    w.MenuCom1Click(1);
    EXPECT_EQ(ports.opened, before + 3);
    EXPECT_NE(w.Link().Line(), nullptr);
}

TEST_F(WindowTest, ComItemsCarryTheirNumbersInCaptionAndHint)
{
    TFormHlav& w = Start();
    EXPECT_EQ(w.Controls().menuCom[0]->text(), "Com &1");
    EXPECT_EQ(w.Controls().menuCom[9]->text(), "Com 1&0");
    EXPECT_EQ(w.Controls().menuCom[9]->statusTip(), "Set com 10");
    EXPECT_EQ(w.Controls().menuCom[9]->objectName(), "MenuCom10");
}

class CommandLineTest : public WindowTest {
protected:
    void StoreLanguage(int language)
    {
        QDir().mkpath(Dir() + "/torvana");
        IniFile ini((Dir() + "/torvana/Torvana_R.ini").toStdString());
        ASSERT_TRUE(ini.WriteInteger("FORM_HLAV", "Language", language));
    }
};

TEST_F(CommandLineTest, ExactWordOverridesTheStoredLanguage)
{
    StoreLanguage(2);
    EXPECT_EQ(Start({"DEUTSCH"}).LanguageIndex(), 1);
    EXPECT_TRUE(window->Controls().menuLanguage[1]->isChecked());
}

TEST_F(CommandLineTest, OtherWordsKeepTheStoredLanguage)
{
    StoreLanguage(2);
    EXPECT_EQ(Start({"deutsch"}).LanguageIndex(), 2);
    window.reset();
    EXPECT_EQ(Start({"CZECH"}).LanguageIndex(), 2);
    window.reset();
    EXPECT_EQ(Start().LanguageIndex(), 2);
}

TEST_F(WindowTest, LanguageMenuKeepsExactlyOneCheckMark)
{
    TFormHlav& w = Start();
    for (int language : {3, 1, 2, 0}) {
        w.MenuLanguageClick(language);
        EXPECT_EQ(w.LanguageIndex(), language);
        EXPECT_TRUE(w.Controls().menuLanguage[static_cast<std::size_t>(language)]->isChecked());
        EXPECT_EQ(CheckedCount(w.Controls().menuLanguage), 1);
    }
}

TEST_F(WindowTest, LanguageSwitchRewritesCaptionsListsAndTheProgrammingCount)
{
    ports.refuse = true;
    TFormHlav& w = Start();
    Tick(19);
    sink.answer = Answer::No;
    w.ComboBoxBikeChange(3);
    w.Controls().pageControl1->setCurrentIndex(12);
    w.MenuLanguageClick(3);
    auto* bike = w.findChild<QComboBox*>("ComboBoxBike");
    ASSERT_NE(bike, nullptr);
    EXPECT_EQ(bike->currentText(), "3 trysek fuel 98 oct.");
    EXPECT_EQ(w.Controls().menuExit->text(), "&Konec");
    EXPECT_EQ(w.Controls().pageControl1->tabText(12), "Různé");
    // No unit answers: the count shows the prefix and "---".
    EXPECT_EQ(w.Monitor().Label(MonitorLabel::LabelPocetProgramovani)->text(), "Počet programování= ---");
    w.MenuLanguageClick(0);
    EXPECT_EQ(bike->currentText(), "3 injectors fuel 98 oct.");
    EXPECT_EQ(w.Controls().menuExit->text(), "E&xit");
    EXPECT_EQ(w.Controls().menuExit->statusTip(), "End of program");
}

TEST_F(WindowTest, ManualOpensFromTheWorkingDirectoryOrReportsItsName)
{
    TFormHlav& w = Start();
    const QString saved = QDir::currentPath();
    QDir::setCurrent(Dir());
    w.MenuContensClick();
    EXPECT_EQ(sink.shown, std::vector<std::string>{"Error by opening file Torvana_R_en.pdf !"});

    QFile(QDir(Dir()).filePath("Torvana_R_en.pdf")).open(QIODevice::WriteOnly);
    w.MenuContensClick();
    EXPECT_EQ(dialogs.lastOpened, QDir(Dir()).filePath("Torvana_R_en.pdf"));
    EXPECT_EQ(sink.shown.size(), 1u);

    dialogs.viewerStarts = false;
    w.MenuContensClick();
    EXPECT_EQ(sink.shown.size(), 2u);
    QDir::setCurrent(saved);
}

}  // namespace
}  // namespace torvana
