// The document model: page list and current page, defaults, selection order, counters and events.
#include "TestShapes.h"

#include "document/core/Document.h"

#include <gtest/gtest.h>

#include <string>

namespace tessaly::document {
namespace {

using test::MakeAt;

std::string MessageOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const std::exception& e) {
        return e.what();
    }
    return {};
}

TEST(Document, NewDocumentHasOneDefaultPage)
{
    TdtpDocument doc;
    EXPECT_EQ(doc.PageCount(), 1);
    EXPECT_EQ(doc.CurrentPageIndex(), 0);
    EXPECT_FALSE(doc.Modified());
    EXPECT_FLOAT_EQ(doc.PageWidth(), 210);
    EXPECT_TRUE(doc.CurrentPage()->IsDefaultPage());
    EXPECT_EQ(TdtpDocument::Version(), "2.84");
}

TEST(Document, PageCountLimits)
{
    TdtpDocument doc;
    doc.SetPageCount(3);
    EXPECT_EQ(MessageOf([&] { doc.SetPageCount(26); }), "Invalid page count");
    EXPECT_EQ(MessageOf([&] { doc.SetPageCount(-1); }), "Invalid page count");
    EXPECT_EQ(doc.PageCount(), 3);
    doc.SetPageCount(0);
    EXPECT_EQ(doc.PageCount(), 0);
    EXPECT_EQ(doc.CurrentPage(), nullptr);
    EXPECT_FLOAT_EQ(doc.PageWidth(), 0);
}

TEST(Document, DeletingPagesMovesTheCurrentIndex)
{
    TdtpDocument doc;
    doc.SetPageCount(4);
    doc.SetCurrentPageIndex(3);
    doc.DeletePage(3);  // current last page: the previous one becomes current
    EXPECT_EQ(doc.CurrentPageIndex(), 2);
    TdtpPage* current = doc.CurrentPage();
    doc.DeletePage(0);  // a page before the current one: the same page stays current
    EXPECT_EQ(doc.CurrentPage(), current);
    EXPECT_EQ(doc.CurrentPageIndex(), 1);
    EXPECT_TRUE(doc.Modified());
}

TEST(Document, DefaultPagesFollowTheDocumentDefaults)
{
    TdtpDocument doc;
    doc.SetPageCount(2);
    doc.Pages(1)->SetMarginLeft(3);
    EXPECT_FALSE(doc.Pages(1)->IsDefaultPage());
    EXPECT_FLOAT_EQ(doc.Pages(1)->MarginTop(), 10);  // the other defaults were copied in
    doc.SetDefaultPageWidth(100);
    doc.SetDefaultMarginTop(2);
    EXPECT_FLOAT_EQ(doc.Pages(0)->DocWidth(), 100);
    EXPECT_FLOAT_EQ(doc.Pages(0)->MarginTop(), 2);
    EXPECT_FLOAT_EQ(doc.Pages(1)->DocWidth(), 210);
    EXPECT_FLOAT_EQ(doc.Pages(1)->MarginTop(), 10);
    doc.Pages(1)->SetIsDefaultPage(true);
    EXPECT_FLOAT_EQ(doc.Pages(1)->DocWidth(), 100);
}

class SelectionOrder : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (int i = 0; i < 5; ++i) {
            auto shape = MakeAt(0, 0, 1, 1);
            shape->SetName(QString::number(i));
            doc.AddShape(std::move(shape));
        }
    }
    void Select(std::initializer_list<int> indexes)
    {
        for (int i : indexes) doc.Shapes(i)->SetSelected(true);
    }
    QString Order() const
    {
        QString s;
        for (int i = 0; i < doc.ShapeCount(); ++i) s += doc.Shapes(i)->Name();
        return s;
    }
    TdtpDocument doc;
};

TEST_F(SelectionOrder, SendBackwardMovesEachSelectedShapeOnePlace)
{
    Select({0});
    doc.SendSelectionBackward();
    EXPECT_EQ(Order(), "01234");  // already at the back
    doc.ClearSelection();
    Select({2, 3});
    doc.SendSelectionBackward();
    EXPECT_EQ(Order(), "02314");
    doc.SendSelectionBackward();
    EXPECT_EQ(Order(), "23014");
}

TEST_F(SelectionOrder, BringForwardMovesEachSelectedShapeOnePlace)
{
    Select({1, 2});
    doc.BringSelectionForward();
    EXPECT_EQ(Order(), "03124");
    doc.BringSelectionForward();
    EXPECT_EQ(Order(), "03412");  // the block keeps its order and moves on
    Select({0});
    doc.BringSelectionForward();
    EXPECT_EQ(Order(), "30412");
    doc.BringSelectionForward();
    EXPECT_EQ(Order(), "34012");  // the selected shapes now form one block at the front
    EXPECT_EQ(doc.SelectionCount(), 3);
    EXPECT_EQ(doc.Selection(0)->Name(), "0");
}

TEST(Document, UpdateBlockFiresPendingEventsInOrder)
{
    TdtpDocument doc;
    TdtpShape* shape = doc.Shapes(doc.AddShape(MakeAt(0, 0, 5, 5)));
    QString log;
    doc.OnShapeChanged = [&](TdtpDocument*, TdtpShape* s) { log += s ? "S" : "s"; };
    doc.OnSelectionChanged = [&](TdtpDocument*) { log += "L"; };
    doc.OnFocusShape = [&](TdtpDocument*, TdtpShape*) { log += "F"; };
    doc.BeginUpdate();
    doc.SetFocusedShape(shape);
    shape->SetSelected(true);
    shape->SetBounds(1, 1, 5, 5);
    shape->SetBounds(2, 2, 5, 5);
    EXPECT_EQ(log, "");
    doc.EndUpdate();
    EXPECT_EQ(log, "sLF");
    shape->SetBounds(3, 3, 5, 5);
    EXPECT_EQ(log, "sLFS");
}

TEST(Document, UnbalancedCountersRaiseTheirMessages)
{
    TdtpDocument doc;
    EXPECT_EQ(MessageOf([&] { doc.EndUpdate(); }), "EndUpdate called more often than BeginUpdate");
    EXPECT_EQ(MessageOf([&] { doc.EndUndo(); }), "EndUndo called more often than BeginUndo");
    EXPECT_EQ(MessageOf([&] { doc.EndPrinting(); }), "EndPrinting called more often than BeginPrinting");
    doc.BeginPrinting();
    EXPECT_TRUE(doc.IsPrinting());
    doc.EndPrinting();
    EXPECT_FALSE(doc.IsPrinting());
}

TEST(Document, ResolutionsAndReadOnly)
{
    TdtpDocument doc;
    doc.SetRenderDPI(300);
    EXPECT_FLOAT_EQ(doc.RenderDpm(), 11.811024f);
    EXPECT_FLOAT_EQ(doc.RenderDPI(), 300);
    doc.SetPrintQuality(TdtpPrintQualityType::pqHigh);
    EXPECT_FLOAT_EQ(doc.PrinterDpm(), 23.622047f);
    doc.SetPrintQuality(TdtpPrintQualityType::pqDevice);
    EXPECT_FLOAT_EQ(doc.PrinterDpm(), 0);

    TdtpShape* shape = doc.Shapes(doc.AddShape(MakeAt(0, 0, 5, 5)));
    shape->SetSelected(true);
    doc.SetReadOnly(true);
    EXPECT_FALSE(shape->Selected());
    EXPECT_EQ(doc.Mode(), TdtpViewerModeType::vmBrowse);
    doc.SetMode(TdtpViewerModeType::vmEdit);
    EXPECT_EQ(doc.Mode(), TdtpViewerModeType::vmBrowse);
}

TEST(Document, HitProbeOffsets)
{
    TdtpDocument doc;
    EXPECT_EQ(doc.HitProbeOffsets().size(), 13u);  // r = 2
    EXPECT_EQ(doc.HitProbeOffsets()[1], QPoint(2, 0));
    EXPECT_EQ(doc.HitProbeOffsets()[9], QPoint(1, 1));
    doc.SetHitSensitivity(0);
    ASSERT_EQ(doc.HitProbeOffsets().size(), 5u);
    for (const QPoint& p : doc.HitProbeOffsets())
        EXPECT_EQ(p, QPoint(0, 0));
}

TEST(Document, ShapeIdsAreUniqueAndDeletionForgetsFocus)
{
    TdtpDocument doc;
    TdtpShape* a = doc.Shapes(doc.AddShape(MakeAt(0, 0, 5, 5)));
    TdtpShape* b = doc.Shapes(doc.AddShape(MakeAt(0, 0, 5, 5)));
    EXPECT_NE(a->ShapeId(), b->ShapeId());
    EXPECT_GT(a->ShapeId(), 0);
    TdtpShape* destroyed = nullptr;
    doc.OnShapeDestroy = [&](TdtpDocument*, TdtpShape* s) { destroyed = s; };
    doc.SetFocusedShape(b);
    doc.DeleteShape(1);
    EXPECT_EQ(destroyed, b);
    EXPECT_EQ(doc.FocusedShape(), nullptr);
}

}  // namespace
}  // namespace tessaly::document
