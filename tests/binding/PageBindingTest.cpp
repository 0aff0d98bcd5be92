#include "ui/binding/PageBinding.h"

#include "core/Defaults.h"
#include "core/Normalise.h"

#include <gtest/gtest.h>

namespace torvana {
namespace {

class PageBindingTest : public ::testing::Test {
protected:
    ParameterImage image{};
};

TEST_F(PageBindingTest, ThrottleAtFullOpeningWrapsAroundTheByte)
{
    VariousPageValues v = FillVariousPage(image);
    v.tps100 = 2500;
    WriteVariousPage(v, image);
    EXPECT_EQ(image[Offset::Tps100], 0);
    v.tps100 = 4900;
    WriteVariousPage(v, image);
    EXPECT_EQ(image[Offset::Tps100], 240);
    EXPECT_EQ(FillVariousPage(image).tps100, 4900);
    image[Offset::Tps100] = 0;
    EXPECT_EQ(FillVariousPage(image).tps100, 2500);

    v.tps0 = 300;
    WriteVariousPage(v, image);
    EXPECT_EQ(image[Offset::Tps0], 30);
}

TEST_F(PageBindingTest, TwoSwitchesAreStoredInverted)
{
    VariousPageValues v = FillVariousPage(image);
    v.aktRpm = true;
    v.aktLimiter1 = false;
    v.aktTlakOleje = true;
    WriteVariousPage(v, image);
    EXPECT_EQ(image[Offset::ActRpm], 0);
    EXPECT_EQ(image[Offset::ActLim1], 1);
    EXPECT_EQ(image[Offset::ActOil], 1);

    image[Offset::ActRpm] = 1;
    image[Offset::ActLim1] = 0;
    image[Offset::ActOil] = 0;
    const VariousPageValues filled = FillVariousPage(image);
    EXPECT_FALSE(filled.aktRpm);
    EXPECT_TRUE(filled.aktLimiter1);
    EXPECT_FALSE(filled.aktTlakOleje);
}

TEST_F(PageBindingTest, OffsetCodedFieldsWrapInTheByte)
{
    CorrectionsPageValues c = FillCorrectionsPage(image);
    c.syticKorekce[0] = 300;
    c.syticKorekce[1] = 100;
    c.retardRetard[0] = -5;
    c.retardTemp[0] = -10;
    WriteCorrectionsPage(c, image);
    EXPECT_EQ(image[Offset::ChokeCorrection], 200);
    EXPECT_EQ(image[Offset::ChokeCorrection + 1], 0);
    EXPECT_EQ(image[Offset::RetardValue], 95);
    EXPECT_EQ(image[Offset::RetardTemp], 90);
    const CorrectionsPageValues filled = FillCorrectionsPage(image);
    EXPECT_EQ(filled.syticKorekce[0], 300);
    EXPECT_EQ(filled.retardRetard[0], -5);
    EXPECT_EQ(filled.retardTemp[0], -10);

    KnockPageValues k = FillKnockPage(image);
    k.start[0] = -60;
    k.end[14] = 80;
    WriteKnockPage(k, image);
    EXPECT_EQ(image[KnockOffset(KnockArray::Start, 0)], 40);
    EXPECT_EQ(image[KnockOffset(KnockArray::End, 14)], 180);
    EXPECT_EQ(FillKnockPage(image).start[0], -60);
}

TEST_F(PageBindingTest, ChokeOverThreeHundredPercentIsLimitedByTheControl)
{
    CorrectionsPageValues c = FillCorrectionsPage(image);
    c.syticKorekce[2] = 400;
    WriteCorrectionsPage(c, image);
    EXPECT_EQ(image[Offset::ChokeCorrection + 2], 250);
}

TEST_F(PageBindingTest, TooSmallCorrectionBecomesTheControlLimitOnTheNextWrite)
{
    image[Offset::WaterTemp] = 5;
    CorrectionsPageValues c = FillCorrectionsPage(image);
    EXPECT_EQ(c.voda[0], 5);
    const auto range = FindUpDownRange("UpDownVoda", 0);
    ASSERT_TRUE(range);
    c.voda[0] = ClampToRange(c.voda[0], *range);
    WriteCorrectionsPage(c, image);
    EXPECT_EQ(image[Offset::WaterTemp], 10);
}

TEST_F(PageBindingTest, PressureAndRetardAxisBoundsRiseWithTheIndex)
{
    CorrectionsPageValues c = FillCorrectionsPage(image);
    c.tlakTlak[9] = 0;
    c.retardTemp[9] = 200;
    WriteCorrectionsPage(c, image);
    EXPECT_EQ(image[Offset::DruckAxis + 9], 19);
    EXPECT_EQ(image[Offset::RetardTemp + 9], 110 + 100);
}

TEST_F(PageBindingTest, ServoAndPositionStepsAndOutputOrder)
{
    ServoPageValues s = FillServoPage(image);
    s.servoNap[0] = 4980;
    s.servoHyster = 1274;
    s.powerOutA = {1000, 2000, 3000};
    s.powerOutB = {4000, 5000, 6000};
    s.powerOutInv = {false, true, false};
    s.servoEnable = true;
    WriteServoPage(s, image);
    EXPECT_EQ(image[Offset::VoltServo], 249);
    EXPECT_EQ(image[Offset::ServoHyster], 254);
    EXPECT_EQ(image[Offset::PowerOutLevel1 + 1], 40);  // output 2, level 1
    EXPECT_EQ(image[Offset::PowerOutLevel2 + 2], 120);  // output 3, level 2
    EXPECT_EQ(image[Offset::PowerOutReversed + 1], 1);
    EXPECT_EQ(image[Offset::ServoEnable], 1);

    PositionPageValues p = FillPositionPage(image);
    p.polohaA[0] = 722;
    p.polohaBRpm[14] = 12500;
    p.radioPolohaB = 2;
    WritePositionPage(p, image);
    EXPECT_EQ(image[Offset::PositionA], 144);
    EXPECT_EQ(image[Offset::PositionBRpm + 14], 250);
    EXPECT_EQ(image[Offset::PositionBReference], 2);
}

TEST_F(PageBindingTest, ListWithoutSelectionKeepsTheStoredItem)
{
    image[KnockOffset(KnockArray::Level, 3)] = 17;
    image[Offset::Bike] = 2;
    image[Offset::PositionAReference] = 1;
    KnockPageValues k = FillKnockPage(image);
    k.level[3] = -1;
    WriteKnockPage(k, image);
    EXPECT_EQ(image[KnockOffset(KnockArray::Level, 3)], 17);

    VariousPageValues v = FillVariousPage(image);
    v.bike = -1;
    v.radioPolohaA = -1;
    WriteVariousPage(v, image);
    EXPECT_EQ(image[Offset::Bike], 2);
    EXPECT_EQ(image[Offset::PositionAReference], 1);
}

// Every value of a normalised default set lies inside its control's range,
// so filling a page and writing it back changes nothing.
TEST_F(PageBindingTest, FillThenWriteKeepsADefaultImage)
{
    for (std::uint8_t bike = 0; bike < BikeCount; ++bike) {
        image.fill(0);
        image[Offset::Bike] = bike;
        FillDefaultParameters(image);
        NormaliseImage(image);
        const ParameterImage before = image;
        std::array<std::uint8_t, CurveCount> flags{1, 0, 1, 0, 0, 0, 0, 0, 1};
        const auto flagsBefore = flags;

        for (int t = 0; t < CurveCount; ++t)
            WriteCurvePage(FillCurvePage(image, t, flags), t, image, flags);
        WritePositionPage(FillPositionPage(image), image);
        WriteServoPage(FillServoPage(image), image);
        WriteKnockPage(FillKnockPage(image), image);
        WriteVariousPage(FillVariousPage(image), image);
        WriteCorrectionsPage(FillCorrectionsPage(image), image);

        for (std::size_t o = 0; o < ImageSize; ++o)
            ASSERT_EQ(image[o], before[o]) << "bike " << int(bike) << " offset " << o;
        EXPECT_EQ(flags, flagsBefore);
    }
}

}  // namespace
}  // namespace torvana
