// The document view: zoom, page origin and scroll extent, painting of exposed parts, rulers,
// wheel, keyboard commands, thumbnails and the removal of empty texts.
#include "view/DocumentView.h"

#include "document/shapes/TextShape.h"

#include <QApplication>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

namespace tessaly::view {
namespace {

using namespace tessaly::document;

class DocumentViewTest : public ::testing::Test {
protected:
    DocumentViewTest()
    {
        view.resize(600, 400);
        view.Document().SetPageWidth(63.5f);
        view.Document().SetPageHeight(72);
        view.Document().SetColor(0x808080);
        view.show();
        view.UpdateScrollExtent();
    }
    TdtpTextShape* AddText(const QString& text, float left, float top)
    {
        auto shape = std::make_unique<TdtpTextShape>();
        shape->SetBounds(left, top, 0, 0);
        TdtpTextShape* raw = shape.get();
        view.Document().AddShape(std::move(shape));
        raw->SetText(text);
        return raw;
    }
    int ClientWidth() { return view.viewport()->width(); }
    TdtpDocumentView view;
};

TEST_F(DocumentViewTest, ZoomCommandsFollowTheirFormulas)
{
    view.ResetZoom();
    EXPECT_NEAR(view.ScreenDpm(), (ClientWidth() - 22) / 63.5, 1e-3);
    const float fit = view.ScreenDpm();
    view.ZoomIn();
    EXPECT_NEAR(view.ScreenDpm(), fit * 1.1, 1e-3);
    EXPECT_NEAR(view.ZoomPercent(), 110, 1e-3);
    view.ZoomOut();
    EXPECT_NEAR(view.ScreenDpm(), fit, 1e-3);
    view.ZoomToPage();
    const QSize client = view.viewport()->size();
    EXPECT_NEAR(view.ScreenDpm(), std::min((client.width() - 23) / 63.5, (client.height() - 23) / 72.0), 1e-3);
    EXPECT_NEAR(view.ZoomPercent(), 63.5 * view.ScreenDpm() / client.width() * 100, 1e-2);
    view.SetAutoWidth(false);
    const float before = view.ScreenDpm();
    view.SetZoomPercent(300);  // without AutoWidth nothing happens
    EXPECT_EQ(view.ScreenDpm(), before);
    view.SetAutoWidth(true);
    view.SetZoomPercent(200);
    EXPECT_NEAR(view.ScreenDpm(), 2 * (ClientWidth() - 22) / 63.5, 2e-2);
}

TEST_F(DocumentViewTest, ZoomKeepsTheWindowCentreOnItsPoint)
{
    view.SetScreenDpm(20);
    view.horizontalScrollBar()->setValue(300);
    view.verticalScrollBar()->setValue(200);
    const QPoint centre(view.viewport()->width() / 2, view.viewport()->height() / 2);
    const QPointF before = view.ScreenToDoc(centre);
    view.ZoomBy(1.5);
    const QPointF after = view.ScreenToDoc(centre);
    EXPECT_NEAR(after.x(), before.x(), 0.1);
    EXPECT_NEAR(after.y(), before.y(), 0.1);
}

TEST_F(DocumentViewTest, PaperSitsTenPixelsFromTheCornerInPrintLayout)
{
    view.Document().SetModified(false);
    view.SetScreenDpm(10);
    EXPECT_EQ(view.ScrollExtent(), QSize(635 + 20, 720 + 20));
    EXPECT_EQ(view.PageOrigin(), QPoint(10, 10));
    EXPECT_EQ(view.DocToScreen({5, 5}), QPoint(60, 60));
    view.verticalScrollBar()->setValue(100);
    EXPECT_EQ(view.PageOrigin(), QPoint(10, -90));
    EXPECT_NEAR(view.ScreenToDoc(QPoint(60, 60)).y(), 15, 1e-4);
    view.SetViewStyle(TdtpViewStyleType::vsNormal);
    view.verticalScrollBar()->setValue(0);
    EXPECT_EQ(view.ScrollExtent(), QSize(635, 720));
    EXPECT_EQ(view.PageOrigin(), QPoint(0, 0));
    EXPECT_FALSE(view.Document().Modified());  // looking at a page does not change it
}

TEST_F(DocumentViewTest, ExposedPartsPaintLikeTheWhole)
{
    AddText(QStringLiteral("Part"), 5, 5);
    view.SetScreenDpm(8);
    const QRect whole(0, 0, 300, 300);
    const QImage full = view.RenderViewport(whole);
    EXPECT_EQ(full.pixel(3, 3), 0xFF808080u);    // the colour around the page
    EXPECT_EQ(full.pixel(20, 20), 0xFFFFFFFFu);  // paper
    EXPECT_EQ(full.pixel(200, 9), 0xFF000000u);  // frame above the paper
    const QRect part(37, 45, 90, 40);
    EXPECT_EQ(view.RenderViewport(part), full.copy(part));
}

TEST_F(DocumentViewTest, NoPagePaintsOnlyTheColour)
{
    view.Document().SetPageCount(0);
    view.UpdateScrollExtent();
    const QImage image = view.RenderViewport(QRect(0, 0, 50, 50));
    EXPECT_EQ(image.pixel(0, 0), 0xFF808080u);
    EXPECT_EQ(image.pixel(49, 49), 0xFF808080u);
    EXPECT_EQ(view.Document().PageWidth(), 0);
}

TEST_F(DocumentViewTest, RulersFollowThePageOriginAndTheMouse)
{
    TdtpRuler top(Qt::Horizontal), left(Qt::Vertical);
    TdtpRulerCorner corner;
    view.SetRulers(&top, &left, &corner);
    view.SetRulerUnits(TRulerUnit::ruInch);
    view.SetScreenDpm(12);
    view.horizontalScrollBar()->setValue(40);
    EXPECT_EQ(top.Offset(), -30);
    EXPECT_EQ(left.Offset(), 10);
    EXPECT_EQ(top.ScreenDpm(), 12);
    EXPECT_EQ(corner.Units(), TRulerUnit::ruInch);
    QTest::mouseMove(view.viewport(), QPoint(123, 77));
    EXPECT_EQ(top.HairLine(), 123);
    EXPECT_EQ(left.HairLine(), 77);
}

TEST_F(DocumentViewTest, WheelScrollsBySystemLines)
{
    view.SetScreenDpm(20);
    const int step = view.verticalScrollBar()->singleStep() * QApplication::wheelScrollLines();
    QWheelEvent down(QPointF(50, 50), QPointF(), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                     Qt::NoScrollPhase, false);
    QApplication::sendEvent(view.viewport(), &down);
    EXPECT_EQ(view.verticalScrollBar()->value(), step);
    QWheelEvent sideways(QPointF(50, 50), QPointF(), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::ShiftModifier,
                         Qt::NoScrollPhase, false);
    QApplication::sendEvent(view.viewport(), &sideways);
    EXPECT_EQ(view.horizontalScrollBar()->value(), step);
    view.SetScrollWithMouseWheel(false);
    QApplication::sendEvent(view.viewport(), &down);
    EXPECT_EQ(view.verticalScrollBar()->value(), step);
}

TEST_F(DocumentViewTest, DeleteKeyRemovesTheSelection)
{
    TdtpTextShape* keep = AddText(QStringLiteral("keep"), 1, 1);
    TdtpTextShape* gone = AddText(QStringLiteral("gone"), 1, 20);
    gone->SetSelected(true);
    QTest::keyClick(&view, Qt::Key_Delete);
    ASSERT_EQ(view.Document().ShapeCount(), 1);
    EXPECT_EQ(view.Document().Shapes(0), keep);
    view.SetAllowKeyInput(false);
    keep->SetSelected(true);
    QTest::keyClick(&view, Qt::Key_Delete);
    EXPECT_EQ(view.Document().ShapeCount(), 1);
}

TEST_F(DocumentViewTest, AnEmptyTextRemovesItselfWhenDeselected)
{
    TdtpTextShape* empty = AddText(QString(), 1, 1);
    AddText(QStringLiteral("full"), 1, 20);
    empty->SetSelected(true);
    empty->SetSelected(false);
    EXPECT_EQ(view.Document().ShapeCount(), 2);  // not inside the selection change
    QApplication::processEvents();
    EXPECT_EQ(view.Document().ShapeCount(), 1);
    view.Document().SetAutoDeleteShape(false);
    TdtpTextShape* kept = AddText(QString(), 1, 40);
    kept->SetSelected(true);
    kept->SetSelected(false);
    QApplication::processEvents();
    EXPECT_EQ(view.Document().ShapeCount(), 2);
}

TEST_F(DocumentViewTest, ThumbnailsAreFramedAndFollowChanges)
{
    const QImage first = view.GetThumbnail(0);
    ASSERT_EQ(first.size(), QSize(80, 60));
    // 63.5 × 72 mm fitted into 78 × 58: 51 × 58 pixels, centred, framed in black.
    EXPECT_EQ(first.pixel(40, 0), 0xFF000000u);
    EXPECT_EQ(first.pixel(40, 30), 0xFFFFFFFFu);
    EXPECT_EQ(first.pixel(2, 30), 0xFF808080u);
    EXPECT_FALSE(view.Document().CurrentPage()->ThumbnailStale());
    AddText(QStringLiteral("INK"), 0, 0)->SetFontHeight(30);
    EXPECT_TRUE(view.Document().CurrentPage()->ThumbnailStale());
    EXPECT_NE(view.GetThumbnail(0), first);
}

TEST_F(DocumentViewTest, AutomaticPageUpdateRefreshesStaleThumbnailsWhenIdle)
{
    view.GetThumbnail(0);
    AddText(QStringLiteral("x"), 0, 0);
    view.SetAutoPageUpdate(true);
    view.SetPageUpdateInterval(0);
    int animations = 0;
    view.OnAnimate = [&animations] { ++animations; };
    view.Tick();
    EXPECT_FALSE(view.Document().CurrentPage()->ThumbnailStale());
    EXPECT_EQ(animations, 1);
}

}  // namespace
}  // namespace tessaly::view
