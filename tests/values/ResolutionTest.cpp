// Per-label resolution of each kind of shape from its value source.
#include "ValuesTestSupport.h"
#include "values/ValueResolution.h"

#include <gtest/gtest.h>

namespace tessaly::values {
namespace {

ValueSource source(ValueType type, int field = 0)
{
    ValueSource s;
    s.valueType = static_cast<std::int32_t>(type);
    s.fieldNumber = field;
    return s;
}

ValueSource counterSource(const char* prefix = "", const char* suffix = "")
{
    ValueSource s = source(ValueType::Special);
    s.special.kind = 2;
    s.special.text[0] = QStringLiteral("N");
    s.special.number = {0, 1, 1, 4};
    s.special.prefix = QString::fromLatin1(prefix);
    s.special.suffix = QString::fromLatin1(suffix);
    return s;
}

class Resolution : public ::testing::Test {
protected:
    test::FakeRecord record;
    Tvaleurspeciale calculator = test::fixedCalculator();
    ResolveContext context{record, RunNumbers{3, 1, 2}, calculator};
};

TEST_F(Resolution, BarcodeRecordFieldFramedThenCompletedWithKey)
{
    record.values[4] = "12345";
    ValueSource s = source(ValueType::RecordField, 9); // the display text decides, not Fnuchamp
    s.special.prefix = QStringLiteral("3");
    s.special.keyType = QStringLiteral("EAN13");
    EXPECT_EQ(ResolveBarcodeValue(s, QStringLiteral("012345"), QStringLiteral("[*4*]"), context),
              QStringLiteral("0000003123454"));
}

TEST_F(Resolution, BarcodeWhoseDisplayTextLostItsPlaceholderKeepsItsDesignValue)
{
    const ValueSource s = source(ValueType::RecordField, 4);
    EXPECT_EQ(ResolveBarcodeValue(s, QStringLiteral("012345"), QStringLiteral("012345"), context), std::nullopt);
    EXPECT_EQ(record.reads, 0);
}

TEST_F(Resolution, BarcodeFixedValueSubstitutesWithoutFrameOrKey)
{
    ValueSource s = source(ValueType::Fixed);
    s.special.prefix = QStringLiteral("P");
    s.special.keyType = QStringLiteral("EAN13");
    EXPECT_EQ(ResolveBarcodeValue(s, QStringLiteral("A[*2*]"), QStringLiteral("ignored"), context), QStringLiteral("Av2"));
}

TEST_F(Resolution, BarcodeSpecialValueFramedSubstitutedAndKeyed)
{
    ValueSource s = counterSource("[*1*]-", "/");
    EXPECT_EQ(ResolveBarcodeValue(s, {}, {}, context), QStringLiteral("v1-0003/"));
    s.special.prefix = QStringLiteral("9");
    s.special.suffix.clear();
    s.special.keyType = QStringLiteral("EAN8");
    EXPECT_EQ(ResolveBarcodeValue(s, {}, {}, context), QStringLiteral("00900034"));
}

TEST_F(Resolution, UnknownValueTypeKeepsDesignValues)
{
    const ValueSource s = source(static_cast<ValueType>(0));
    EXPECT_EQ(ResolveBarcodeValue(s, QStringLiteral("[*1*]"), QStringLiteral("[*1*]"), context), std::nullopt);
    EXPECT_EQ(ResolveDataMatrixValue(s, QStringLiteral("[*1*]"), QStringLiteral("[*1*]"), context), std::nullopt);
}

TEST_F(Resolution, DataMatrixGetsFrameButNoKey)
{
    ValueSource s = source(ValueType::RecordField);
    s.special.prefix = QStringLiteral("<");
    s.special.suffix = QStringLiteral(">");
    s.special.keyType = QStringLiteral("EAN13");
    EXPECT_EQ(ResolveDataMatrixValue(s, QStringLiteral("012345"), QStringLiteral("[*5*]"), context), QStringLiteral("<v5>"));
    EXPECT_EQ(ResolveDataMatrixValue(counterSource(), {}, {}, context), QStringLiteral("0003"));
}

TEST_F(Resolution, ExtendedTextFramesEveryType)
{
    ValueSource fixed = source(ValueType::Fixed);
    fixed.special.prefix = QStringLiteral("(");
    fixed.special.suffix = QStringLiteral(")");
    EXPECT_EQ(ResolveExtendedText(fixed, QStringLiteral("n° [*12*]"), context), QStringLiteral("(n° v12)"));

    ValueSource field = source(ValueType::RecordField, 2);
    field.special = fixed.special;
    record.values[2] = "";
    EXPECT_EQ(ResolveExtendedText(field, QStringLiteral("design"), context), QStringLiteral("()"));

    EXPECT_EQ(ResolveExtendedText(counterSource("#"), QStringLiteral("design"), context), QStringLiteral("#0003"));
}

TEST_F(Resolution, CurvedTextTakesFieldAndPlaceholdersOnly)
{
    ValueSource field = source(ValueType::RecordField, 6);
    field.special.prefix = QStringLiteral("ignored");
    record.values[6] = "x[*7*]";
    EXPECT_EQ(ResolveCurvedText(field, QStringLiteral("design"), context), QStringLiteral("xv7"));
    EXPECT_EQ(ResolveCurvedText(counterSource(), QStringLiteral("[*3*]!"), context), QStringLiteral("v3!"));
}

TEST_F(Resolution, MissingFieldNumberRaises)
{
    EXPECT_THROW(ResolveExtendedText(source(ValueType::RecordField, 0), {}, context), ValueSourceError);
    EXPECT_THROW(ResolveCurvedText(source(ValueType::RecordField, 16), {}, context), ValueSourceError);
    EXPECT_THROW(ResolveBarcodeValue(source(ValueType::RecordField), {}, QStringLiteral("[*03x*]"), context),
                 ValueSourceError);
    EXPECT_EQ(record.reads, 0);
}

TEST_F(Resolution, PicturePathFromRecordFieldOnly)
{
    record.values[8] = "/pictures/a.jpg";
    EXPECT_EQ(ResolvePicturePath(2, 8, context), QStringLiteral("/pictures/a.jpg"));
    EXPECT_EQ(ResolvePicturePath(2, 0, context), std::nullopt);
    EXPECT_EQ(ResolvePicturePath(1, 8, context), std::nullopt);
    EXPECT_EQ(ResolvePicturePath(3, 8, context), std::nullopt);
}

TEST_F(Resolution, SpecialValuesLoadTheCalculator)
{
    ResolveExtendedText(counterSource(), {}, context);
    EXPECT_EQ(calculator.run().copy, 2);
    EXPECT_EQ(calculator.settings().number[3], 4);
}

TEST(ResolveScope, ShapesTouchedPerScope)
{
    for (ShapeKind kind : {ShapeKind::ExtendedText, ShapeKind::CurvedText, ShapeKind::Barcode, ShapeKind::DataMatrix}) {
        EXPECT_TRUE(ScopeIncludes(ResolveScope::All, kind));
        EXPECT_FALSE(ScopeIncludes(ResolveScope::PicturesOnly, kind));
        EXPECT_TRUE(ScopeIncludes(ResolveScope::AllButPictures, kind));
    }
    EXPECT_TRUE(ScopeIncludes(ResolveScope::All, ShapeKind::ExtendedPicture));
    EXPECT_TRUE(ScopeIncludes(ResolveScope::PicturesOnly, ShapeKind::ExtendedPicture));
    EXPECT_FALSE(ScopeIncludes(ResolveScope::AllButPictures, ShapeKind::ExtendedPicture));
}

} // namespace
} // namespace tessaly::values
