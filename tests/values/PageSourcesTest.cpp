// The check that tells the print window which data a design needs.
#include "values/PageSources.h"

#include <gtest/gtest.h>

#include <vector>

namespace tessaly::values {
namespace {

TEST(PageUsesSource, ValueTypesAndPlaceholders)
{
    struct Case {
        const char* name;
        ShapeValueInfo shape;
        bool fixed, field, special;
    } cases[] = {
        {"fixed text", {ShapeKind::ExtendedText, 1, "plain"}, true, false, false},
        {"fixed text with placeholder", {ShapeKind::ExtendedText, 1, "n [*3*]"}, true, true, false},
        {"fixed barcode with placeholder", {ShapeKind::Barcode, 1, "[*15*]"}, true, true, false},
        {"fixed DataMatrix with placeholder", {ShapeKind::DataMatrix, 1, "[*1*]"}, true, true, false},
        {"special text with placeholder", {ShapeKind::ExtendedText, 3, "[*1*]"}, false, false, true},
        {"special curved text with placeholder", {ShapeKind::CurvedText, 3, "[*1*]"}, false, true, true},
        {"fixed picture named like a placeholder", {ShapeKind::ExtendedPicture, 1, "[*1*]"}, true, false, false},
        {"field picture", {ShapeKind::ExtendedPicture, 2, ""}, false, true, false},
        {"text with field 16", {ShapeKind::ExtendedText, 1, "[*16*]"}, true, false, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ShapeUsesSource(c.shape, 1), c.fixed) << c.name;
        EXPECT_EQ(ShapeUsesSource(c.shape, 2), c.field) << c.name;
        EXPECT_EQ(ShapeUsesSource(c.shape, 3), c.special) << c.name;
    }
}

TEST(PageUsesSource, AnyShapeOfThePage)
{
    const std::vector<ShapeValueInfo> page{{ShapeKind::ExtendedText, 1, "title"}, {ShapeKind::Barcode, 3, "02"}};
    EXPECT_TRUE(PageUsesSource(page, 3));
    EXPECT_FALSE(PageUsesSource(page, 2));
    EXPECT_FALSE(PageUsesSource({}, 1));
}

} // namespace
} // namespace tessaly::values
