// Exact bytes of the XML printer in its readable and compact forms.
#include "document/storage/XmlValues.h"
#include "document/storage/XmlWriter.h"

#include <gtest/gtest.h>

using namespace tessaly::document;

namespace {

void BuildSmallTree(pugi::xml_document& document)
{
    pugi::xml_node root = document.append_child("Document");
    WriteColour(root, "HandleColor", 0xFFFFFF);
    pugi::xml_node font = AddElement(root, "Font");
    WriteString(font, "Name", QStringLiteral("A&B <C>"));
    WriteBool(font, "Bold", true);
    SetIndexAttribute(AddElement(root, "Shape"), 1);
    AddElement(root, "Empty");
}

} // namespace

TEST(XmlWriter, ReadableForm)
{
    pugi::xml_document document;
    BuildSmallTree(document);
    EXPECT_EQ(WriteXml(document, XmlForm::Readable),
              "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
              "<Document>\r\n"
              "  <HandleColor>$00FFFFFF</HandleColor>\r\n"
              "  <Font>\r\n"
              "    <Name>A&amp;B &lt;C&gt;</Name>\r\n"
              "    <Bold>True</Bold>\r\n"
              "  </Font>\r\n"
              "  <Shape Index=\"1\"/>\r\n"
              "  <Empty/>\r\n"
              "</Document>\r\n");
}

TEST(XmlWriter, CompactForm)
{
    pugi::xml_document document;
    BuildSmallTree(document);
    EXPECT_EQ(WriteXml(document, XmlForm::Compact),
              "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
              "<Document><HandleColor>$00FFFFFF</HandleColor><Font><Name>A&amp;B &lt;C&gt;</Name>"
              "<Bold>True</Bold></Font><Shape Index=\"1\"/><Empty/></Document>\n");
}

TEST(XmlWriter, PrintedTreeParsesBackToTheSameBytes)
{
    pugi::xml_document document;
    BuildSmallTree(document);
    for (XmlForm form : {XmlForm::Readable, XmlForm::Compact}) {
        const QByteArray bytes = WriteXml(document, form);
        pugi::xml_document again;
        ASSERT_TRUE(ParseXml(again, bytes));
        EXPECT_EQ(WriteXml(again, form), bytes);
    }
}

TEST(XmlWriter, AttributeQuotesAndControlCharacters)
{
    pugi::xml_document document;
    pugi::xml_node root = document.append_child("R");
    root.append_attribute("a").set_value("say \"hi\"");
    root.append_attribute("b").set_value("it's \"x\" & <y>");
    root.append_attribute("c").set_value("plain 'single'");
    root.append_attribute("d").set_value("tab\tcr\r");
    AddValue(root, "T", "cr\r\x01 lf\n");
    EXPECT_EQ(WriteXml(document, XmlForm::Compact),
              "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
              "<R a='say \"hi\"' b='it&apos;s \"x\" &amp; &lt;y&gt;' c=\"plain 'single'\""
              " d=\"tab&#9;cr&#13;\"><T>cr&#13;&#1; lf\n</T></R>\n");
    pugi::xml_document again;
    ASSERT_TRUE(ParseXml(again, WriteXml(document, XmlForm::Readable)));
    for (const char* name : {"a", "b", "c", "d"})
        EXPECT_STREQ(again.child("R").attribute(name).value(), root.attribute(name).value());
    EXPECT_EQ(ValueText(again.child("R"), "T"), "cr\r\x01 lf\n");
}

TEST(XmlWriter, BinaryTextIsWrappedOnlyInReadableForm)
{
    pugi::xml_document document;
    pugi::xml_node root = document.append_child("R");
    WriteBinary(root, "Buffer", QByteArray(60, 'z'));   // 80 characters of Base64
    const std::string base64 = EncodeBase64(QByteArray(60, 'z'));
    EXPECT_EQ(WriteXml(document, XmlForm::Compact),
              QByteArray::fromStdString("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<R><Buffer>" +
                                        base64 + "</Buffer></R>\n"));
    EXPECT_EQ(WriteXml(document, XmlForm::Readable),
              QByteArray::fromStdString("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<R>\r\n"
                                        "  <Buffer>\r\n    " + base64.substr(0, 76) +
                                        "\r\n    " + base64.substr(76) +
                                        "\r\n  </Buffer>\r\n</R>\r\n"));
}

TEST(XmlWriter, ClipboardSelectionReadsBack)
{
    // A "shape" holds a ClassName element and, as its own text, the Base64 of a packed shape.
    const QByteArray packed(200, '\x5a');
    pugi::xml_document document;
    pugi::xml_node shape = AddElement(document.append_child("Selection"), "shape");
    WriteString(shape, "ClassName", QStringLiteral("TdtpTextShape"));
    SetBinaryText(shape, packed);
    pugi::xml_document again;
    ASSERT_TRUE(ParseXml(again, WriteXml(document, XmlForm::Readable)));
    const pugi::xml_node read = again.child("Selection").child("shape");
    EXPECT_EQ(ReadString(read, "ClassName"), QStringLiteral("TdtpTextShape"));
    EXPECT_EQ(BinaryText(read), packed);
}

TEST(XmlWriter, EmptyDocumentGivesTheDeclarationOnly)
{
    pugi::xml_document document;
    EXPECT_EQ(WriteXml(document, XmlForm::Compact),
              "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n");
}
