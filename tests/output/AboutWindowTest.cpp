#include "ui/output/AboutWindow.h"

#include "texts/MessageTable.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QTimer>
#include <gtest/gtest.h>

namespace torvana {
namespace {

TEST(AboutBuildStamp, DateKeepsTheCompilersForm)
{
    EXPECT_EQ(BuildDateText("May 19 2005"), "May 19 2005");
}

TEST(AboutBuildStamp, SingleDigitDayKeepsTheCompilersTwoBlanks)
{
    EXPECT_EQ(BuildDateText("Dec  9 2026"), "Dec  9 2026");
    EXPECT_EQ(BuildDateText("Dec 9 2026"), "");
    EXPECT_EQ(BuildDateText("Dec  x 2026"), "");
}

TEST(AboutBuildStamp, TimeInTwentyFourHourForm)
{
    EXPECT_EQ(BuildTimeText("22:38:51"), "22:38:51");
    EXPECT_EQ(BuildTimeText("00:00:07"), "00:00:07");
}

TEST(AboutBuildStamp, MalformedTimeGivesNothing)
{
    EXPECT_EQ(BuildTimeText("2:38:51"), "");
    EXPECT_EQ(BuildTimeText("22-38-51"), "");
    EXPECT_EQ(BuildTimeText("22:38:5x"), "");
}

TEST(AboutCaption, OnePerLanguage)
{
    EXPECT_EQ(AboutCaption(0), "About Torvana_R");
    EXPECT_EQ(AboutCaption(1), "\u00dcber Programm Torvana_R");
    EXPECT_EQ(AboutCaption(2), "Information Torvana_R");
    EXPECT_EQ(AboutCaption(3), "O programu Torvana_R");
    EXPECT_EQ(AboutCaption(7), "About Torvana_R");
}

TEST(AboutCentring, HalvesRoundTowardsZero)
{
    EXPECT_EQ(CentredPosition(QSize(1920, 1080), QSize(662, 568)), QPoint(629, 256));
    EXPECT_EQ(CentredPosition(QSize(1025, 769), QSize(663, 569)), QPoint(512 - 331, 384 - 284));
}

TEST(AboutCentring, WindowLargerThanScreenGetsNegativeCorner)
{
    EXPECT_EQ(CentredPosition(QSize(800, 600), QSize(1011, 701)), QPoint(400 - 505, 300 - 350));
}

QString LabelText(const TFormAbout& about, const char* name)
{
    const auto* label = about.findChild<QLabel*>(QString::fromLatin1(name));
    return label != nullptr ? label->text() : QString();
}

void ClickLabel(QLabel* label)
{
    const QPointF inside(label->width() / 2.0, label->height() / 2.0);
    QMouseEvent press(QEvent::MouseButtonPress, inside, label->mapToGlobal(inside), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, inside, label->mapToGlobal(inside), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(label, &press);
    QCoreApplication::sendEvent(label, &release);
}

TEST(AboutWindow, ShowsTheBuildStampInItsForms)
{
    const TFormAbout about;
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^[A-Z][a-z]{2} [ 1-9][0-9] [0-9]{4}$"))
                    .match(LabelText(about, "LabelDate"))
                    .hasMatch())
        << LabelText(about, "LabelDate").toStdString();
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^[0-2][0-9]:[0-5][0-9]:[0-5][0-9]$"))
                    .match(LabelText(about, "LabelTime"))
                    .hasMatch())
        << LabelText(about, "LabelTime").toStdString();
}

TEST(AboutWindow, HoldsTheProductPictureAtItsDesignedSize)
{
    const TFormAbout about;
    const auto* picture = about.findChild<QLabel*>(QStringLiteral("Image1"));
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->pixmap().size(), QSize(634, 480));
    EXPECT_EQ(picture->geometry(), QRect(10, 8, 634, 481));
    EXPECT_EQ(about.size(), AboutWindowSize);
}

TEST(AboutWindow, CaptionFollowsTheLanguageAndTheStampDoesNot)
{
    TFormAbout about;
    const QString date = LabelText(about, "LabelDate");
    const QString time = LabelText(about, "LabelTime");
    about.FormActivate(German);
    EXPECT_EQ(about.windowTitle(), QStringLiteral("\u00dcber Programm Torvana_R"));
    about.FormActivate(English);
    EXPECT_EQ(about.windowTitle(), QStringLiteral("About Torvana_R"));
    EXPECT_EQ(LabelText(about, "LabelDate"), date);
    EXPECT_EQ(LabelText(about, "LabelTime"), time);
}

TEST(AboutWindow, ModalUntilOkIsClickedAndCanBeShownAgain)
{
    TFormAbout about;
    auto* ok = about.findChild<QLabel*>(QStringLiteral("LabelExit"));
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->text(), QStringLiteral("OK"));
    for (const int language : {French, English}) {
        bool wasModal = false;
        QString caption;
        QTimer::singleShot(0, &about, [&] {
            wasModal = QApplication::activeModalWidget() == &about;
            caption = about.windowTitle();
            ClickLabel(ok);
        });
        about.ShowModal(language);
        EXPECT_TRUE(wasModal);
        EXPECT_EQ(caption.toStdString(), AboutCaption(language));
        EXPECT_TRUE(about.isHidden());
    }
}

TEST(AboutWindow, CloseBoxHidesWithoutDestroying)
{
    TFormAbout about;
    QTimer::singleShot(0, &about, [&about] { about.close(); });
    about.ShowModal(English);
    EXPECT_TRUE(about.isHidden());
    EXPECT_FALSE(about.testAttribute(Qt::WA_DeleteOnClose));
    EXPECT_TRUE(about.windowFlags().testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(about.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
}

}  // namespace
}  // namespace torvana
