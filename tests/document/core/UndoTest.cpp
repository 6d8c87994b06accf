// Undo records of shape setters and child operations, and carrying them out both ways.
#include "TestShapes.h"

#include "document/core/Document.h"

#include <gtest/gtest.h>

namespace tessaly::document {
namespace {

using test::MakeAt;
using test::TestRectShape;

class UndoTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        shape = doc.Shapes(doc.AddShape(MakeAt(10, 20, 30, 40)));
        doc.ClearUndo();
    }
    TdtpDocument doc;
    TdtpShape* shape = nullptr;
};

TEST_F(UndoTest, SettersRecordOldValuesByShapeId)
{
    shape->SetBounds(15, 20, 30, 40);
    shape->SetMasterAlpha(128);
    shape->SetDocAngle(45);
    ASSERT_EQ(doc.UndoCount(), 3);
    const struct { const char* name; const char* old; } expected[] = {
        {"DocLeft", "10"}, {"MasterAlpha", "255"}, {"DocAngle", "0"}};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(doc.UndoItem(i).Kind, ckProperty);
        EXPECT_EQ(doc.UndoItem(i).ShapeId, shape->ShapeId());
        EXPECT_EQ(doc.UndoItem(i).Name, QString::fromLatin1(expected[i].name));
        EXPECT_EQ(doc.UndoItem(i).OldValue, QString::fromLatin1(expected[i].old));
    }
}

TEST_F(UndoTest, SameOldValueTwiceGivesOneRecord)
{
    shape->SetMasterAlpha(100);
    shape->SetMasterAlpha(200);  // old value 100: a new record
    EXPECT_EQ(doc.UndoCount(), 2);
    shape->ApplyProperty("MasterAlpha", "100");
    shape->SetMasterAlpha(200);  // the last record (old 200 -> different) stays separate
    EXPECT_EQ(doc.UndoCount(), 4);

    TdtpDocument other;
    TdtpShape* s = other.Shapes(other.AddShape(MakeAt(0, 0, 1, 1)));
    other.ClearUndo();
    s->RecordChange(ckProperty, "DocLeft", "7");
    s->RecordChange(ckProperty, "DocLeft", "7");
    EXPECT_EQ(other.UndoCount(), 1);
}

TEST_F(UndoTest, UndoAndRedoOfAGeometryChange)
{
    shape->SetGeometry(50, 60, 70, 80, 30);
    EXPECT_TRUE(doc.Undo());
    EXPECT_FLOAT_EQ(shape->DocLeft(), 10);
    EXPECT_FLOAT_EQ(shape->DocTop(), 20);
    EXPECT_FLOAT_EQ(shape->DocWidth(), 30);
    EXPECT_FLOAT_EQ(shape->DocHeight(), 40);
    EXPECT_FLOAT_EQ(shape->DocAngle(), 0);
    EXPECT_EQ(doc.UndoCount(), 0);
    EXPECT_GT(doc.RedoCount(), 0);
    EXPECT_TRUE(doc.Redo());
    EXPECT_FLOAT_EQ(shape->DocLeft(), 50);
    EXPECT_FLOAT_EQ(shape->DocHeight(), 80);
    EXPECT_FLOAT_EQ(shape->DocAngle(), 30);
    EXPECT_EQ(doc.RedoCount(), 0);
}

TEST_F(UndoTest, DeletedChildComesBackWithItsContentAndId)
{
    TdtpPage* page = doc.CurrentPage();
    auto child = MakeAt(1, 2, 3, 4);
    child->SetName("inner");
    shape->AddChild(std::move(child));
    static_cast<TestRectShape*>(shape)->SetMasterAlpha(77);
    const int id = shape->ShapeId();
    doc.ClearUndo();

    doc.DeleteShape(0);
    ASSERT_EQ(doc.UndoCount(), 1);
    EXPECT_EQ(doc.UndoItem(0).Kind, ckChildRemoved);
    EXPECT_EQ(doc.UndoItem(0).OldValue, "TestRectShape");
    EXPECT_EQ(page->ChildCount(), 0);

    EXPECT_TRUE(doc.Undo());
    ASSERT_EQ(page->ChildCount(), 1);
    TdtpShape* back = page->GetChild(0);
    EXPECT_EQ(back->ShapeId(), id);
    EXPECT_EQ(back->ClassName(), "TestRectShape");
    EXPECT_EQ(back->MasterAlpha(), 77);
    ASSERT_EQ(back->ChildCount(), 1);
    EXPECT_EQ(back->GetChild(0)->Name(), "inner");
    EXPECT_FLOAT_EQ(back->DocWidth(), 30);

    EXPECT_TRUE(doc.Redo());  // the insertion record deletes it again
    EXPECT_EQ(page->ChildCount(), 0);
}

TEST_F(UndoTest, InsertedChildIsRemovedByUndo)
{
    doc.AddShape(MakeAt(0, 0, 5, 5));
    ASSERT_EQ(doc.UndoCount(), 1);
    EXPECT_EQ(doc.UndoItem(0).Kind, ckChildInserted);
    EXPECT_TRUE(doc.Undo());
    EXPECT_EQ(doc.ShapeCount(), 1);
}

TEST_F(UndoTest, UndoGroupIsCarriedOutAsOne)
{
    doc.BeginUndo();
    shape->SetMasterAlpha(10);
    shape->SetDocAngle(10);
    doc.EndUndo();
    ASSERT_EQ(doc.UndoCount(), 2);
    EXPECT_FALSE(doc.UndoItem(0).Grouped);
    EXPECT_TRUE(doc.UndoItem(1).Grouped);
    doc.Undo();
    EXPECT_EQ(shape->MasterAlpha(), 255);
    EXPECT_FLOAT_EQ(shape->DocAngle(), 0);
    EXPECT_THROW(doc.EndUndo(), DocumentError);
}

TEST_F(UndoTest, NothingIsRecordedWhileSuspendedOrWithoutId)
{
    doc.SuspendUndo();
    EXPECT_FALSE(doc.UndoEnabled());
    shape->SetMasterAlpha(1);
    doc.ResumeUndo();
    EXPECT_EQ(doc.UndoCount(), 0);
    TdtpCommand orphan;
    orphan.ShapeId = 0;
    EXPECT_FALSE(doc.ExecuteCommand(orphan));
}

}  // namespace
}  // namespace tessaly::document
