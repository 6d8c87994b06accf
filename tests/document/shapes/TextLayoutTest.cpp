// Text layout: measuring, spans, word wrap, auto-size anchors, resizing by font scaling, undo names.
#include "ShapesTestSupport.h"

#include <gtest/gtest.h>

namespace tessaly::document {
namespace {

using test::AddShape;

class TextLayoutTest : public ::testing::Test {
protected:
    template <class T = TdtpTextShape>
    T* AddText(const QString& text, float left = 20, float top = 20)
    {
        auto shape = std::make_unique<T>();
        shape->SetBounds(left, top, 0, 0);
        T* raw = AddShape(document, std::move(shape));
        raw->SetText(text);
        return raw;
    }
    TdtpDocument document;
};

TEST_F(TextLayoutTest, EmptyTextMeasuresAsWww)
{
    TdtpTextShape* empty = AddText(QString());
    TdtpTextShape* www = AddText(QStringLiteral("Www"));
    EXPECT_GT(empty->DocWidth(), 1.0f);
    EXPECT_FLOAT_EQ(empty->DocWidth(), www->DocWidth());
    EXPECT_FLOAT_EQ(empty->DocHeight(), www->DocHeight());
    TdtpTextShape* i = AddText(QStringLiteral("i"));
    EXPECT_FLOAT_EQ(i->DocWidth(), www->DocWidth());  // short texts take the size of "Www" too
}

TEST_F(TextLayoutTest, HeightIsTheFontCellAndWidthGrowsWithText)
{
    TdtpTextShape* shape = AddText(QStringLiteral("Tessaly labels"));
    EXPECT_NEAR(shape->DocHeight(), 12.0 * 1.117, 0.3);  // Liberation Sans: ascent + descent = 1.117 em
    const float width = shape->DocWidth();
    shape->SetText(QStringLiteral("Tessaly labels, longer"));
    EXPECT_GT(shape->DocWidth(), width);
    EXPECT_FLOAT_EQ(shape->DocLeft(), 20);  // left aligned: the left edge stays
}

TEST_F(TextLayoutTest, FontHeightPointsConvertToMillimetres)
{
    TdtpTextShape* shape = AddText(QStringLiteral("x"));
    shape->SetFontHeightPoints(12);
    EXPECT_NEAR(shape->GetFontHeight(), 4.2333, 1e-4);
}

TEST_F(TextLayoutTest, MemoSpansFollowLineBreaks)
{
    struct Case { const char* text; std::vector<std::pair<int, int>> spans; };  // (CharPos, CharCount)
    const Case cases[] = {
        {"A\r\n\r\nB", {{1, 1}, {4, 0}, {6, 1}}},
        {"A\rB\nC", {{1, 1}, {3, 1}, {5, 1}}},
        {"", {{1, 0}}},
        {"AB\r\n", {{1, 2}, {5, 0}}},
    };
    for (const Case& c : cases) {
        auto* memo = AddText<TdtpMemoShape>(QString::fromLatin1(c.text));
        ASSERT_EQ(memo->SpanCount(), int(c.spans.size())) << c.text;
        for (int i = 0; i < memo->SpanCount(); ++i) {
            EXPECT_EQ(memo->Spans(i).CharPos, c.spans[size_t(i)].first) << c.text << " span " << i;
            EXPECT_EQ(memo->Spans(i).CharCount, c.spans[size_t(i)].second) << c.text << " span " << i;
        }
        EXPECT_NEAR(memo->DocHeight(), memo->SpanCount() * memo->LineHeightMm(), 1e-4);
    }
}

TEST_F(TextLayoutTest, WordWrapCutsAtSpacesAndHyphens)
{
    struct Case { const char* text; float width; std::vector<QString> lines; };
    const Case cases[] = {
        {"Hello World", 15, {"Hello", "World"}},           // the space is dropped
        {"Hello   World", 15, {"Hello", "World"}},         // so are runs of spaces
        {"well-known words", 22, {"well-known", "words"}},
        {"twenty-two", 15, {"twenty-", "two"}},            // a hyphen stays on its line
        {"Hello World", 200, {"Hello World"}},             // wide enough: one span
        {"Unbreakable", 12, {}},                           // cut by characters; checked below
    };
    for (const Case& c : cases) {
        auto* memo = AddText<TdtpMemoShape>(QString());
        memo->SetFontHeight(4);
        memo->SetWordWrap(true);
        memo->SetAutoSize(false);
        memo->SetBounds(0, 0, c.width, 50);
        memo->SetText(QString::fromLatin1(c.text));
        QStringList lines;
        for (int i = 0; i < memo->SpanCount(); ++i)
            lines << memo->Spans(i).Text();
        if (c.lines.empty()) {
            EXPECT_GE(lines.size(), 2) << c.text;
            EXPECT_EQ(lines.join(QString()), QString::fromLatin1(c.text));
        } else {
            EXPECT_EQ(lines, QStringList(c.lines.begin(), c.lines.end())) << c.text;
        }
    }
}

TEST_F(TextLayoutTest, WordWrapKeepsTheWidthUnderAutoSize)
{
    auto* memo = AddText<TdtpMemoShape>(QString());
    memo->SetWordWrap(true);
    memo->SetBounds(0, 0, 40, 10);
    memo->SetText(QStringLiteral("Hello World again"));
    EXPECT_FLOAT_EQ(memo->DocWidth(), 40);
    EXPECT_NEAR(memo->DocHeight(), memo->SpanCount() * memo->LineHeightMm(), 1e-4);
    EXPECT_GE(memo->SpanCount(), 2);
}

TEST_F(TextLayoutTest, AutoSizeKeepsTheAlignmentAnchor)
{
    struct Case { int alignment, vertAlign; bool keepsRight, keepsBottom, keepsCentre; };
    const Case cases[] = {
        {taLeft, vaTop, false, false, false},
        {taRight, vaTop, true, false, false},
        {taCenter, vaTop, false, false, true},
        {taLeft, vaBottom, false, true, false},
    };
    for (const Case& c : cases) {
        TdtpTextShape* shape = AddText(QStringLiteral("Short"));
        shape->SetAlignment(c.alignment);
        shape->SetVertAlign(c.vertAlign);
        const QRectF before = shape->BoundingBox();
        shape->SetFontHeight(20);
        shape->SetText(QStringLiteral("A much longer text"));
        const QRectF after = shape->BoundingBox();
        ASSERT_GT(after.width(), before.width());
        if (c.keepsRight) EXPECT_NEAR(after.right(), before.right(), 1e-3);
        else if (c.keepsCentre) EXPECT_NEAR(after.center().x(), before.center().x(), 1e-3);
        else EXPECT_NEAR(after.left(), before.left(), 1e-4);
        if (c.keepsBottom) EXPECT_NEAR(after.bottom(), before.bottom(), 1e-3);
        else EXPECT_NEAR(after.top(), before.top(), 1e-4);
    }
}

TEST_F(TextLayoutTest, ResizingAnAutoSizedLineScalesItsFont)
{
    TdtpTextShape* shape = AddText(QStringLiteral("Label"));
    const float width = shape->DocWidth(), height = shape->DocHeight();
    shape->SetBounds(shape->DocLeft(), shape->DocTop(), width * 2, height * 2);
    EXPECT_FLOAT_EQ(shape->GetFontHeight(), 24);
    EXPECT_NEAR(shape->DocHeight(), 2 * height, 0.3);  // auto-size gives the final size
    EXPECT_NEAR(shape->DocWidth(), 2 * width, 0.6);
}

TEST_F(TextLayoutTest, WithoutAutoSizeTheBoxIsKeptAndSpansRealigned)
{
    TdtpTextShape* shape = AddText(QStringLiteral("Label"));
    shape->SetAutoSize(false);
    shape->SetAlignment(taRight);
    shape->SetBounds(0, 0, 100, 30);
    EXPECT_FLOAT_EQ(shape->GetFontHeight(), 12);
    EXPECT_FLOAT_EQ(shape->DocWidth(), 100);
    EXPECT_NEAR(shape->Spans(0).X + shape->Spans(0).Width, 100, 1e-4);
}

TEST_F(TextLayoutTest, SettersRecordTheirOldValuesUnderTheirNames)
{
    TdtpTextShape* shape = AddText(QStringLiteral("Old"));
    document.ClearUndo();
    struct Step { std::function<void()> change; const char* name; const char* oldValue; };
    const Step steps[] = {
        {[&] { shape->SetText(QStringLiteral("New é")); }, "Text", "Old"},
        {[&] { shape->SetFontName(QStringLiteral("Times New Roman")); }, "FontName", "Arial"},
        {[&] { shape->SetFontHeight(5); }, "FontHeight", "12"},
        {[&] { shape->SetFontStyle(fsBold | fsStrikeOut); }, "FontStyle", ""},
        {[&] { shape->SetFontStyle(fsItalic); }, "FontStyle", "BS"},
        {[&] { shape->SetFontColor(0x0000FF); }, "FontColor", "0"},
        {[&] { shape->SetAlignment(taCenter); }, "Alignment", "0"},
        {[&] { shape->SetVertAlign(vaBottom); }, "VertAlign", "0"},
        {[&] { shape->SetWordWrap(true); }, "WordWrap", "False"},
        {[&] { shape->SetWordSpacing(1); }, "WordSpacing", "0"},
        {[&] { shape->SetCharacterSpacing(0.5f); }, "CharacterSpacing", "0"},
        {[&] { shape->SetUseKerning(true); }, "UseKerning", "False"},
        {[&] { shape->SetAutoSize(false); }, "AutoSize", "True"},
    };
    for (const Step& step : steps) {
        const int before = document.UndoCount();
        step.change();
        ASSERT_EQ(document.UndoCount(), before + 1) << step.name;
        const TdtpCommand& record = document.UndoItem(document.UndoCount() - 1);
        EXPECT_EQ(record.Name, QLatin1String(step.name));
        EXPECT_EQ(record.OldValue, QString::fromUtf8(step.oldValue)) << step.name;
        EXPECT_EQ(record.ShapeId, shape->ShapeId());
    }
    const int count = document.UndoCount();
    shape->SetUseKerning(true);  // unchanged: no record
    shape->SetLineHeight(2);     // never recorded
    EXPECT_EQ(document.UndoCount(), count);
}

TEST_F(TextLayoutTest, ApplyPropertyTakesNamesIgnoringCase)
{
    TdtpTextShape* shape = AddText(QStringLiteral("x"));
    shape->ApplyProperty(QStringLiteral("fontstyle"), QStringLiteral("bu"));
    shape->ApplyProperty(QStringLiteral("TEXT"), QStringLiteral("Grüße"));
    shape->ApplyProperty(QStringLiteral("wordwrap"), QStringLiteral("yes"));
    shape->ApplyProperty(QStringLiteral("FontHeight"), QStringLiteral("7,5"));
    shape->ApplyProperty(QStringLiteral("FontColor"), QStringLiteral("255"));
    shape->ApplyProperty(QStringLiteral("FontHeight"), QStringLiteral("garbage"));  // ignored
    shape->ApplyProperty(QStringLiteral("DocLeft"), QStringLiteral("3"));           // base names still work
    EXPECT_EQ(shape->GetFontStyle(), unsigned(fsBold | fsUnderline));
    EXPECT_EQ(shape->Text(), QStringLiteral("Grüße"));
    EXPECT_TRUE(shape->WordWrap());
    EXPECT_FLOAT_EQ(shape->GetFontHeight(), 7.5f);
    EXPECT_EQ(shape->GetFontColor(), 255u);
    EXPECT_FLOAT_EQ(shape->DocLeft(), 3);
}

TEST_F(TextLayoutTest, UndoRestoresTextAndSize)
{
    TdtpTextShape* shape = AddText(QStringLiteral("Short"));
    const QRectF before = shape->BoundingBox();
    document.ClearUndo();
    shape->SetText(QStringLiteral("Considerably longer"));
    ASSERT_TRUE(document.Undo());
    EXPECT_EQ(shape->Text(), QStringLiteral("Short"));
    EXPECT_EQ(shape->BoundingBox(), before);
}

TEST_F(TextLayoutTest, PasteOffsetIsOneLineDown)
{
    TdtpTextShape* shape = AddText(QStringLiteral("x"));
    shape->SetLineHeight(1.5f);
    float dx = -1, dy = -1;
    shape->GetPasteOffset(dx, dy);
    EXPECT_EQ(dx, 0);
    EXPECT_FLOAT_EQ(dy, 18);
}

TEST_F(TextLayoutTest, MemoLinesMirrorTheText)
{
    auto* memo = AddText<TdtpMemoShape>(QStringLiteral("one\ntwo"));
    EXPECT_EQ(memo->Lines(), (QStringList{QStringLiteral("one"), QStringLiteral("two")}));
    memo->SetLines({QStringLiteral("a"), QStringLiteral("b"), QString()});
    EXPECT_EQ(memo->Text(), QStringLiteral("a\r\nb\r\n"));
    EXPECT_EQ(memo->SpanCount(), 3);
}

}  // namespace
}  // namespace tessaly::document
