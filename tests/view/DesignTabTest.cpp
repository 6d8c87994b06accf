// The design tab: the view between its rulers and the zoom buttons with their hints.
#include "app/DesignTab.h"

#include <QToolButton>
#include <QTest>

#include <gtest/gtest.h>

namespace tessaly::app {
namespace {

TEST(DesignTab, ZoomButtonsDriveTheViewAndCarryTheirHints)
{
    DesignTab tab([](int n) { return QStringLiteral("text %1").arg(n); });
    tab.resize(800, 600);
    tab.show();
    auto* view = tab.findChild<view::TdtpDocumentView*>(QStringLiteral("Fdocument"));
    ASSERT_TRUE(view);
    view->ResetZoom();
    const float fit = view->ScreenDpm();
    auto* plus = tab.findChild<QToolButton*>(QStringLiteral("spzoomplus"));
    auto* minus = tab.findChild<QToolButton*>(QStringLiteral("spzoommoins"));
    auto* page = tab.findChild<QToolButton*>(QStringLiteral("spzoompage"));
    ASSERT_TRUE(plus && minus && page);
    EXPECT_EQ(plus->toolTip(), QStringLiteral("text 41"));
    EXPECT_EQ(minus->toolTip(), QStringLiteral("text 44"));
    EXPECT_EQ(page->toolTip(), QStringLiteral("text 45"));
    QTest::mouseClick(plus, Qt::LeftButton);
    EXPECT_NEAR(view->ScreenDpm(), fit * 1.1, 1e-3);
    QTest::mouseClick(minus, Qt::LeftButton);
    EXPECT_NEAR(view->ScreenDpm(), fit, 1e-3);
    QTest::mouseClick(page, Qt::LeftButton);
    EXPECT_LT(view->Document().PageHeight() * view->ScreenDpm(), view->viewport()->height());
}

TEST(DesignTab, RulersLineUpWithTheViewport)
{
    DesignTab tab({});
    tab.resize(800, 600);
    tab.show();
    view::TdtpDocumentView* view = tab.Fdocument();
    view->ResetZoom();
    // The top ruler starts where the viewport starts, so ruler pixels are viewport pixels.
    EXPECT_EQ(tab.RulerTop()->mapTo(&tab, QPoint(0, 0)).x(), view->viewport()->mapTo(&tab, QPoint(0, 0)).x());
    EXPECT_EQ(tab.RulerLeft()->mapTo(&tab, QPoint(0, 0)).y(), view->viewport()->mapTo(&tab, QPoint(0, 0)).y());
    EXPECT_EQ(tab.RulerTop()->Offset(), view->PageOrigin().x());
    EXPECT_EQ(tab.RulerLeft()->Offset(), view->PageOrigin().y());
}

}  // namespace
}  // namespace tessaly::app
