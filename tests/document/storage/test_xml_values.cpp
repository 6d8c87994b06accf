// Value encodings of the storage XML: Booleans, integers, colours, hex values, strings, binary
// data, default omission and read defaults.
#include "document/storage/XmlValues.h"
#include "document/storage/XmlWriter.h"

#include <gtest/gtest.h>

using namespace tessaly::document;

namespace {

// Writes one value into a fresh "Test" element and returns the element's compact XML.
template <typename Write> std::string Written(Write write)
{
    pugi::xml_document document;
    pugi::xml_node root = document.append_child("Test");
    write(root);
    const QByteArray bytes = WriteXml(root, XmlForm::Compact);
    const std::string text = bytes.toStdString();
    return text.substr(text.find("<Test"));
}

} // namespace

TEST(XmlValues, BooleanReadsTheFirstCharacter)
{
    const struct {
        const char* text;
        std::optional<bool> value;
    } cases[] = {
        {"True", true}, {"False", false}, {"yes", true}, {"no", false}, {"t", true},
        {"F", false},   {"1", std::nullopt}, {"", std::nullopt}, {" True", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseBool(c.text), c.value) << c.text;
}

TEST(XmlValues, IntegerReadsDecimalOrHex)
{
    const struct {
        const char* text;
        std::optional<std::int32_t> value;
    } cases[] = {
        {"42", 42},           {"-7", -7},           {" 12 ", 12},        {"$1F", 31},
        {"0x1f", 31},         {"$FFFFFFFF", -1},    {"$80", 128},        {"-$10", -16},
        {"2147483647", 2147483647}, {"-2147483648", -2147483647 - 1},
        {"2147483648", std::nullopt}, {"$100000000", std::nullopt}, {"", std::nullopt},
        {"12a", std::nullopt}, {"$", std::nullopt}, {"--1", std::nullopt}, {"1.5", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseInteger(c.text), c.value) << c.text;
}

TEST(XmlValues, HexAndColourTexts)
{
    EXPECT_EQ(FormatHex(128, 2), "$80");
    EXPECT_EQ(FormatHex(255, 2), "$FF");
    EXPECT_EQ(FormatHex(0x1FF, 2), "$1FF");
    EXPECT_EQ(Written([](auto n) { WriteColour(n, "GridColor", 0xFFFFC0); }),
              "<Test><GridColor>$00FFFFC0</GridColor></Test>\n");
    EXPECT_EQ(Written([](auto n) { WriteHex(n, "MasterAlpha", 128, 2, 255); }),
              "<Test><MasterAlpha>$80</MasterAlpha></Test>\n");
}

TEST(XmlValues, ValuesEqualToTheWriteDefaultAreLeftOut)
{
    EXPECT_EQ(Written([](auto n) {
                  WriteBool(n, "AllowMove", true, true);
                  WriteFloat(n, "DocAngle", 0, 0.0);
                  WriteHex(n, "MasterAlpha", 255, 2, 255);
                  WriteInteger(n, "Tag", 0, 0);
                  WriteString(n, "Name", QString(), QString());
                  WriteColour(n, "PageColor", 0xFFFFFF, 0xFFFFFF);
              }),
              "<Test/>\n");
    EXPECT_EQ(Written([](auto n) {
                  WriteBool(n, "Visible", false, true);
                  WriteFloat(n, "DocLeft", 12.5, 0.0);
                  WriteInteger(n, "Tag", -3, 0);
                  WriteString(n, "ClassName", QStringLiteral("TdtpShape"));   // always written
              }),
              "<Test><Visible>False</Visible><DocLeft>12.5</DocLeft><Tag>-3</Tag>"
              "<ClassName>TdtpShape</ClassName></Test>\n");
}

TEST(XmlValues, MissingOrUnparsableValuesGiveTheReadDefault)
{
    pugi::xml_document document;
    ParseXml(document, "<R><DefaultMarginLeft>x</DefaultMarginLeft><Tag>1.5</Tag>"
                       "<ReadOnly>maybe</ReadOnly><Name/><GridColor>$FFFFC0</GridColor></R>");
    const pugi::xml_node root = document.child("R");
    EXPECT_EQ(ReadFloat(root, "DefaultMarginLeft", 10), 10);
    EXPECT_EQ(ReadFloat(root, "DefaultPageWidth", 210), 210);
    EXPECT_EQ(ReadInteger(root, "Tag", 7), 7);
    EXPECT_EQ(ReadBool(root, "ReadOnly", true), true);
    EXPECT_EQ(ReadString(root, "Name", QStringLiteral("dflt")), QString());   // present, empty
    EXPECT_EQ(ReadString(root, "Missing", QStringLiteral("dflt")), QStringLiteral("dflt"));
    EXPECT_EQ(ReadColour(root, "GridColor", 0), 0xFFFFC0u);
    EXPECT_EQ(ReadHex(root, "MasterAlpha", 255), 255u);
}

TEST(XmlValues, StringsKeepEveryCharacterThroughBothForms)
{
    const QString texts[] = {
        QStringLiteral("line 1\r\nline 2\rline 3\n"), QStringLiteral(" "),
        QStringLiteral("  padded  "), QStringLiteral("a & b < c > d \"e\" 'f'"),
        QStringLiteral("\u00e9t\u00e9 \u20ac \U0001F600"), QStringLiteral("tab\there"),
    };
    for (XmlForm form : {XmlForm::Compact, XmlForm::Readable}) {
        for (const QString& text : texts) {
            pugi::xml_document out;
            WriteString(out.append_child("R"), "Text", text);
            pugi::xml_document in;
            ASSERT_TRUE(ParseXml(in, WriteXml(out, form)));
            EXPECT_EQ(ReadString(in.child("R"), "Text"), text);
        }
    }
}

TEST(XmlValues, BinaryTextsSkipForeignCharacters)
{
    const QByteArray bytes("\x00\x01\xfe\xff tessaly", 12);
    EXPECT_EQ(EncodeBase64(QByteArray("Man")), "TWFu");
    EXPECT_EQ(EncodeBase64(QByteArray("Ma")), "TWE=");
    EXPECT_EQ(EncodeBase64(QByteArray("M")), "TQ==");
    EXPECT_EQ(DecodeBase64(EncodeBase64(bytes)), bytes);
    EXPECT_EQ(DecodeBase64("T W\r\nF\tu"), QByteArray("Man"));
    EXPECT_EQ(EncodeBinHex(QByteArray("\x0f\xa0", 2)), "0FA0");
    EXPECT_EQ(DecodeBinHex("0f a0\r\n1"), QByteArray("\x0f\xa0", 2));
    EXPECT_EQ(DecodeBinHex(EncodeBinHex(bytes)), bytes);
}

TEST(XmlValues, EmbeddedDataRoundTripsAndRefusesUnknownFilters)
{
    QByteArray image(1000, '\0');
    for (int i = 0; i < image.size(); ++i)
        image[i] = static_cast<char>(i * 7);
    for (XmlForm form : {XmlForm::Compact, XmlForm::Readable}) {
        pugi::xml_document out;
        WriteBinaryData(out.append_child("Image"), "Data", image);
        pugi::xml_document in;
        ASSERT_TRUE(ParseXml(in, WriteXml(out, form)));
        EXPECT_EQ(ReadBinaryData(in.child("Image"), "Data"), image);
        EXPECT_EQ(ValueText(in.child("Image").child("Data"), "Size"), "1000");
        EXPECT_EQ(ValueText(in.child("Image").child("Data"), "Filter"), "Base64");
    }
    pugi::xml_document binHex;
    ParseXml(binHex, "<I><Data><Size>2</Size><Filter>BinHex</Filter><Buffer>0FA0</Buffer></Data></I>");
    EXPECT_EQ(ReadBinaryData(binHex.child("I"), "Data"), QByteArray("\x0f\xa0", 2));

    pugi::xml_document other;
    ParseXml(other, "<I><Data><Filter>Zip</Filter><Buffer>AA</Buffer></Data></I>");
    try {
        ReadBinaryData(other.child("I"), "Data");
        FAIL() << "an unknown filter was accepted";
    } catch (const StorageError& e) {
        EXPECT_STREQ(e.what(), "Unsupported binary encoding");
    }
}

TEST(XmlValues, PointsLeaveZeroCoordinatesOut)
{
    EXPECT_EQ(Written([](auto n) { WritePoint(n, "Point", QPointF(0, 2.5)); }),
              "<Test><Point><Y>2.5</Y></Point></Test>\n");
    pugi::xml_document document;
    ParseXml(document, "<P><X>-1E-4</X><Y>3</Y></P>");
    EXPECT_EQ(ReadPoint(document.child("P")), QPointF(-0.0001, 3));
}
