#include "ui/output/PrintReport.h"

#include <gtest/gtest.h>

namespace torvana {
namespace {

TEST(FitToPage, WideWindowOnPortraitPageTakesFullWidth)
{
    const QRectF fit = FitToPage(QSizeF(1000, 750), QRectF(0, 0, 500, 800));
    EXPECT_DOUBLE_EQ(fit.width(), 500);
    EXPECT_DOUBLE_EQ(fit.height(), 500.0 * 750 / 1000);
    EXPECT_EQ(fit.topLeft(), QPointF(0, 0));
}

TEST(FitToPage, LandscapePageWiderThanWindowTakesFullHeight)
{
    const QRectF fit = FitToPage(QSizeF(1000, 750), QRectF(0, 0, 1200, 600));
    EXPECT_DOUBLE_EQ(fit.height(), 600);
    EXPECT_DOUBLE_EQ(fit.width(), 600.0 * 1000 / 750);
}

TEST(FitToPage, SameProportionsFillThePage)
{
    const QRectF fit = FitToPage(QSizeF(400, 300), QRectF(0, 0, 800, 600));
    EXPECT_EQ(fit, QRectF(0, 0, 800, 600));
}

TEST(FitToPage, StartsAtThePagesTopLeftCorner)
{
    const QRectF fit = FitToPage(QSizeF(200, 100), QRectF(30, 40, 100, 400));
    EXPECT_EQ(fit, QRectF(30, 40, 100, 50));
}

TEST(FitToPage, TallWindowOnPortraitPageTakesFullHeight)
{
    const QRectF fit = FitToPage(QSizeF(300, 900), QRectF(0, 0, 600, 800));
    EXPECT_DOUBLE_EQ(fit.height(), 800);
    EXPECT_DOUBLE_EQ(fit.width(), 800.0 * 300 / 900);
}

TEST(FitToPage, EmptyWindowGivesAnEmptyRectangle)
{
    EXPECT_TRUE(FitToPage(QSizeF(0, 300), QRectF(0, 0, 600, 800)).isEmpty());
}

}  // namespace
}  // namespace torvana
