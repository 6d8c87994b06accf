// The document archive: settings with default omission, pages and page counting, lazy loading,
// load errors, renumbering after deletion, thumbnails, packed shapes and the clipboard text.
#include "TestShapes.h"

#include "document/core/Document.h"
#include "document/core/ShapeRegistry.h"
#include "document/storage/TdtpStorage.h"
#include "document/storage/XmlWriter.h"

#include <QBuffer>
#include <QDataStream>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tessaly::document {
namespace test {
TESSALY_REGISTER_SHAPE_CLASS(TestRectShape)
}  // namespace test
namespace {

using test::MakeAt;
using test::TestRectShape;

// A shape whose reading always fails.
class BrokenShape : public TdtpShape {
public:
    QString ClassName() const override { return QStringLiteral("BrokenShape"); }
    void LoadFromXml(const pugi::xml_node&) override { throw DocumentError("broken on purpose"); }
};
TESSALY_REGISTER_SHAPE_CLASS(BrokenShape)

QByteArray Save(TdtpDocument& doc)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    doc.SaveToStream(buffer);
    return buffer.data();
}

void Load(TdtpDocument& doc, const QByteArray& bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    doc.LoadFromStream(buffer);
}

QByteArray Archive(const std::vector<std::pair<QString, QByteArray>>& streams)
{
    TdtpStorage storage;
    for (const auto& [name, data] : streams)
        storage.WriteStream(name, data);
    return storage.SaveToBytes();
}

const QByteArray kIndex = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<Document>\r\n</Document>\r\n";

TEST(Storage, RoundTripKeepsPagesShapesAndSettings)
{
    TdtpDocument doc;
    doc.SetDefaultPageWidth(66.67f);
    doc.SetRenderDPI(300);
    doc.SetPageCount(2);
    auto shape = MakeAt(1.5f, 2.25f, 30, 10);
    shape->SetDocAngle(15);
    shape->SetMasterAlpha(128);
    shape->SetName(QString::fromUtf8("Étiquette"));
    shape->SetAnchors(anRightLock);
    shape->AddChild(MakeAt(1, 1, 2, 2));
    doc.AddShape(std::move(shape));
    doc.Pages(1)->SetMarginLeft(0);

    TdtpDocument copy;
    Load(copy, Save(doc));
    ASSERT_EQ(copy.PageCount(), 2);
    EXPECT_FALSE(copy.Modified());
    EXPECT_FLOAT_EQ(copy.DefaultPageWidth(), 66.67f);
    EXPECT_NEAR(copy.RenderDPI(), 300, 1e-3);
    ASSERT_EQ(copy.ShapeCount(), 1);
    const TdtpShape* s = copy.Shapes(0);
    EXPECT_EQ(s->ClassName(), "TestRectShape");
    EXPECT_FLOAT_EQ(s->DocLeft(), 1.5f);
    EXPECT_FLOAT_EQ(s->DocTop(), 2.25f);
    EXPECT_FLOAT_EQ(s->DocAngle(), 15);
    EXPECT_EQ(s->MasterAlpha(), 128);
    EXPECT_EQ(s->Name(), QString::fromUtf8("Étiquette"));
    EXPECT_EQ(s->Anchors(), anRightLock);
    EXPECT_EQ(s->ChildCount(), 1);
    EXPECT_FALSE(copy.Pages(1)->Loaded());  // read on first use
    copy.Pages(1)->EnsureLoaded();
    EXPECT_TRUE(copy.Pages(1)->Loaded());
    EXPECT_FALSE(copy.Pages(1)->IsDefaultPage());
    EXPECT_FLOAT_EQ(copy.Pages(1)->MarginLeft(), 0);
    EXPECT_EQ(Save(copy), Save(doc));
}

TEST(Storage, ShapeBasePartLeavesDefaultsOut)
{
    TdtpShape shape;
    shape.SetBounds(0, 0, 10, 5);
    shape.SetMasterAlpha(128);
    pugi::xml_document xml;
    pugi::xml_node root = xml.append_child("shape");
    shape.SaveToXml(root);
    EXPECT_EQ(WriteXml(root, XmlForm::Compact),
              "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<shape><ClassName>TdtpShape</ClassName>"
              "<Anchors><default>True</default><LeftLock>True</LeftLock><TopLock>True</TopLock></Anchors>"
              "<DocHeight>5</DocHeight><DocWidth>10</DocWidth><MasterAlpha>$80</MasterAlpha></shape>\n");
}

TEST(Storage, DefaultMarginsAreOmittedAndReadBackAsTen)
{
    TdtpDocument doc;
    doc.SetDefaultMarginLeft(0);
    const QByteArray bytes = Save(doc);
    TdtpStorage storage;
    storage.LoadFromBytes(bytes);
    const QByteArray index = storage.ReadStream("Index.xml");
    EXPECT_FALSE(index.contains("DefaultMarginLeft"));
    EXPECT_TRUE(index.contains("<DefaultMarginTop>10</DefaultMarginTop>"));
    EXPECT_TRUE(index.startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<Document>\r\n  <"));
    TdtpDocument copy;
    Load(copy, bytes);
    EXPECT_FLOAT_EQ(copy.DefaultMarginLeft(), 10);
}

TEST(Storage, PagesAreCountedFromStreamNames)
{
    const QByteArray page = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Page Index=\"1\">"
                            "<ClassName>TdtpPage</ClassName><Shape Index=\"1\"><ClassName>TdtpShape</ClassName>"
                            "<DocWidth>4</DocWidth></Shape></Page>\n";
    TdtpDocument doc;
    Load(doc, Archive({{"Index.xml", kIndex}, {"Page0001.xml", page}, {"Page0003.xml", page},
                       {"page0007.xml", page}, {"PageXYZW.xml", page}}));
    ASSERT_EQ(doc.PageCount(), 3);
    EXPECT_EQ(doc.ShapeCount(), 1);
    doc.SetCurrentPageIndex(1);
    EXPECT_EQ(doc.ShapeCount(), 0);  // Page0002 is missing: an empty page
    doc.SetCurrentPageIndex(2);
    EXPECT_EQ(doc.ShapeCount(), 1);
}

TEST(Storage, MissingIndexIsRefused)
{
    TdtpDocument doc;
    try {
        Load(doc, Archive({{"Page0001.xml", "<Page/>"}}));
        FAIL();
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "No index found in archive");
    }
}

TEST(Storage, UnknownClassesLoadAsPlainShapesAndBrokenChildrenAreDropped)
{
    const QByteArray page = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Page Index=\"1\">"
                            "<Shape Index=\"1\"><ClassName>TdtpNoSuchShape</ClassName><DocLeft>7</DocLeft>"
                            "<DocWidth>3</DocWidth></Shape>"
                            "<Shape Index=\"2\"><ClassName>BrokenShape</ClassName></Shape>"
                            "<Shape Index=\"3\"><ClassName>TdtpShape</ClassName><DocTop>2</DocTop></Shape></Page>\n";
    TdtpDocument doc;
    QStringList errors;
    doc.OnLoadError = [&](TdtpDocument*, TdtpShape* shape, const QString& error) {
        errors << shape->ClassName() + ": " + error;
    };
    Load(doc, Archive({{"Index.xml", kIndex}, {"Page0001.xml", page}}));
    ASSERT_EQ(doc.ShapeCount(), 2);
    EXPECT_EQ(doc.Shapes(0)->ClassName(), "TdtpShape");
    EXPECT_FLOAT_EQ(doc.Shapes(0)->DocLeft(), 7);
    EXPECT_FLOAT_EQ(doc.Shapes(0)->DocWidth(), 3);
    EXPECT_FLOAT_EQ(doc.Shapes(1)->DocTop(), 2);
    EXPECT_EQ(errors, QStringList{"BrokenShape: broken on purpose"});
}

TEST(Storage, DeletingAPageRenumbersItsStreams)
{
    TdtpDocument doc;
    doc.SetPageCount(3);
    for (int i = 0; i < 3; ++i) {
        doc.SetCurrentPageIndex(i);
        auto shape = MakeAt(0, 0, 1, 1);
        shape->SetTag(i + 1);
        doc.AddShape(std::move(shape));
    }
    TdtpDocument copy;
    Load(copy, Save(doc));
    copy.DeletePage(0);  // pages 2 and 3 were never loaded: their streams move down
    EXPECT_FALSE(copy.Archive().Contains("Page0003.xml"));
    EXPECT_FALSE(copy.Archive().Contains("Thumb0003.bmp"));
    TdtpDocument again;
    Load(again, Save(copy));
    ASSERT_EQ(again.PageCount(), 2);
    EXPECT_EQ(again.Shapes(0)->Tag(), 2);
    again.SetCurrentPageIndex(1);
    EXPECT_EQ(again.Shapes(0)->Tag(), 3);
}

TEST(Storage, ThumbnailsAreStoredAsBmpStreams)
{
    TdtpDocument doc;
    doc.SetDefaultPageWidth(40);
    doc.SetDefaultPageHeight(30);
    doc.AddShape(MakeAt(5, 5, 10, 10));
    TdtpStorage storage;
    storage.LoadFromBytes(Save(doc));
    const QByteArray bmp = storage.ReadStream("Thumb0001.bmp");
    ASSERT_GE(bmp.size(), 54);
    EXPECT_TRUE(bmp.startsWith("BM"));
    EXPECT_EQ(quint8(bmp[28]), 24);  // bits per pixel
    TdtpDocument copy;
    Load(copy, storage.SaveToBytes());
    EXPECT_EQ(copy.Pages(0)->Thumbnail().size(), QSize(80, 60));

    doc.SetStoreThumbnails(false);
    storage.LoadFromBytes(Save(doc));
    EXPECT_TRUE(storage.Contains("Thumb0001.bmp"));  // an existing thumbnail stream is left alone
}

TEST(Storage, PackedShapeAndClipboardTextRoundTrip)
{
    TdtpDocument doc;
    auto shape = MakeAt(3, 4, 5, 6);
    shape->SetDocAngle(20);
    shape->AddChild(MakeAt(1, 1, 1, 1));
    TdtpShape* original = doc.Shapes(doc.AddShape(std::move(shape)));

    TestRectShape copy;
    copy.LoadShapeFromString(original->SaveShapeToString());
    EXPECT_FLOAT_EQ(copy.DocAngle(), 20);
    EXPECT_EQ(copy.ChildCount(), 1);
    EXPECT_THROW(copy.LoadShapeFromString("\x05garbage"), DocumentError);

    // A packed shape naming a page stream must not overwrite it.
    QByteArray hostile;
    QDataStream out(&hostile, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    const QByteArray name = "Page0001.xml", data = "overwritten", xml = original->SaveShapeToString().mid(4);
    out << qint32(1) << qint32(name.size());
    out.writeRawData(name.constData(), int(name.size()));
    out << qint32(data.size());
    out.writeRawData(data.constData(), int(data.size()));
    out.writeRawData(xml.constData(), int(xml.size()));
    doc.Archive().WriteStream("Page0001.xml", "kept");
    TdtpShape* target = doc.Shapes(doc.AddShape(std::make_unique<TestRectShape>()));
    target->LoadShapeFromString(hostile);
    EXPECT_EQ(doc.Archive().ReadStream("Page0001.xml"), "kept");
    doc.DeleteShape(doc.ShapeCount() - 1);

    original->SetSelected(true);
    const QByteArray text = doc.SaveSelectionToString();
    EXPECT_TRUE(text.contains("<Selection>"));
    EXPECT_TRUE(text.contains("<ClassName>TestRectShape</ClassName>"));
    EXPECT_EQ(doc.LoadSelectionFromString(text), 1);
    ASSERT_EQ(doc.ShapeCount(), 2);
    EXPECT_TRUE(doc.Shapes(1)->Selected());
    EXPECT_FALSE(doc.Shapes(0)->Selected());
    EXPECT_FLOAT_EQ(doc.Shapes(1)->DocLeft(), 3);
    EXPECT_EQ(doc.LoadSelectionFromString("<NotASelection/>"), 0);
}

TEST(Storage, CloneCopiesTheWholeTree)
{
    TdtpPage page;
    page.SetMarginTop(3);
    auto group = MakeAt<TdtpGroupShape>(1, 2, 30, 20);
    group->AddChild(MakeAt(1, 1, 5, 5));
    group->SetGrouped(true);
    page.AddChild(std::move(group));
    const std::unique_ptr<TdtpShape> copy = page.CloneShape();
    ASSERT_EQ(copy->ClassName(), "TdtpPage");
    const auto* copied = static_cast<const TdtpPage*>(copy.get());
    EXPECT_FLOAT_EQ(copied->MarginTop(), 3);
    ASSERT_EQ(copied->ChildCount(), 1);
    EXPECT_EQ(copied->GetChild(0)->ClassName(), "TdtpGroupShape");
    EXPECT_TRUE(copied->GetChild(0)->Grouped());
    EXPECT_EQ(copied->GetChild(0)->GetChild(0)->ClassName(), "TestRectShape");
    EXPECT_EQ(copied->GetChild(0)->GetChild(0)->Parent(), copied->GetChild(0));
}

TEST(Storage, SaveToFileAndLoadFromFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("sv1.tp");
    TdtpDocument doc;
    doc.AddShape(MakeAt(1, 2, 3, 4));
    doc.SaveToFile(path);
    TdtpDocument copy;
    copy.LoadFromFile(path);
    EXPECT_EQ(copy.ShapeCount(), 1);
    try {
        copy.LoadFromFile(dir.filePath("missing.tp"));
        FAIL();
    } catch (const DocumentError& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot find file \"" + dir.filePath("missing.tp").toStdString() + "\"");
    }
}

}  // namespace
}  // namespace tessaly::document
