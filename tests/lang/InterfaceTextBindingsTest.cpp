// The start-up text bindings: every text exists, control names are unique, composed captions.
#include "lang/InterfaceTextBindings.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace tessaly::lang {
namespace {

TEST(InterfaceTextBindings, EveryBoundTextExistsAndEveryControlIsBoundOnce)
{
    std::set<std::pair<std::string, TextProperty>> seen;
    for (const InterfaceTextBinding& binding : InterfaceTextBindings()) {
        EXPECT_FALSE(UITextTable(binding.text, kFrench).empty()) << binding.objectName;
        EXPECT_TRUE(seen.emplace(std::string(binding.objectName), binding.property).second)
            << binding.objectName << " is bound twice";
    }
    EXPECT_EQ(InterfaceTextBindings().size(), 161u);
    for (const InterfaceListBinding& list : InterfaceListBindings())
        for (int text : list.texts)
            EXPECT_FALSE(UITextTable(text, kFrench).empty()) << list.objectName;
}

TEST(InterfaceTextBindings, ExamplesFromTheWindow)
{
    const auto find = [](std::string_view name, TextProperty property) {
        for (const InterfaceTextBinding& binding : InterfaceTextBindings())
            if (binding.objectName == name && binding.property == property)
                return binding.text;
        return 0;
    };
    EXPECT_EQ(find("spcharge", TextProperty::Hint), 1);
    EXPECT_EQ(find("Lablargeur", TextProperty::Caption), 12);
    EXPECT_EQ(find("sbinfos", TextProperty::Caption), 4);
    EXPECT_EQ(find("labbdnupremiereetiquettepage", TextProperty::Caption), 21);
    EXPECT_EQ(find("sparriereplan", TextProperty::Hint), 39);
    EXPECT_EQ(find("mmettreenarriereplan", TextProperty::MenuItem), 39);
    EXPECT_EQ(find("labchamprecherche", TextProperty::Caption), 113);
    EXPECT_EQ(find("mmenuMultiligne1", TextProperty::MenuItem), 269);

    ASSERT_EQ(InterfaceListBindings().size(), 1u);
    EXPECT_EQ(InterfaceListBindings()[0].objectName, "Combalignetexte");
    EXPECT_EQ(std::vector<int>(InterfaceListBindings()[0].texts.begin(), InterfaceListBindings()[0].texts.end()),
              (std::vector<int>{180, 181, 182}));
}

TEST(InterfaceTextBindings, KeyGeneratorCaptions)
{
    InterfaceLanguage language;
    language.SetLanguage(kFrench);
    std::map<std::string, std::string> captions;
    for (const ComposedLabelBinding& binding : KeyGeneratorLabelBindings())
        captions[std::string(binding.objectName)] = ComposedLabelText(binding, language);
    EXPECT_EQ(captions.size(), 13u);
    EXPECT_EQ(captions["labvalean13"], "Valeur (12Chiffres)");
    EXPECT_EQ(captions["labresan8"], "R\xC3\xA9sultat (8Chiffres)");
    EXPECT_EQ(captions["labvalisbn"], "Valeur (9 Chiffres)");
    EXPECT_EQ(captions["labresisbn"], "ISBN R\xC3\xA9sultat (10Chiffres)");
    EXPECT_EQ(captions["labreseanisbn"], "EAN R\xC3\xA9sultat (13Chiffres)");
    language.SetLanguage(kEnglish);
    EXPECT_EQ(ComposedLabelText(KeyGeneratorLabelBindings()[0], language), "Value (12Digits)");
}

} // namespace
} // namespace tessaly::lang
