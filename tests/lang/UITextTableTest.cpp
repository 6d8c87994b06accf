// Spot checks of the built-in text table against the program's published wording.
#include "lang/UITextTable.h"

#include <gtest/gtest.h>

#include <set>

namespace tessaly::lang {
namespace {

struct Row {
    int n;
    const char* french;
    const char* english;
};

TEST(UITextTable, SpotChecks)
{
    const Row rows[] = {
        {1, "Charger une sauvegarde", "Load"},
        {2, "Faire une sauvegarde", "Save the datas"},
        {8, "D\xC3\xA9" "finition Etiquettes", "Label design"},
        {21, "Imprimer sur la 1ere page \xC3\xA0 partir de l'etiquette ", "On the first page, start printing at label "},
        {36, "Couleur fond ", "Background colour "},
        {84, "Le n\xC2\xB0 de l'etiquette de depart est incorrect", "The starting label number is incorrect"},
        {95, "Chemin d''acc\xC3\xA8s au fichier", "File path"},
        {99, "Lancer l''importation", "Import file"},
        {110, "Quit", "Quit"},
        {117, "Toutes les fiches", "All the Barcods"},
        {129, "Texte Normal", "Texte Normal"},
        {144, "Nombre etiquettes en hauteur  ", "Number of labels down  "},
        {189, "Chiffres", "Digits"},
        {198, "Photo identit\xC3\xA9" "e", "Passport photo"},
        {265, "Le document a ete modifi\xC3\xA9 .. voulez vous quand meme quitter sans enregistrer ?",
         "The document has been modified. Do you still want to quit without saving?"},
        {269, "Multiligne", "Multiline"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(UITextTable(row.n, kFrench), row.french) << row.n;
        EXPECT_EQ(UITextTable(row.n, kEnglish), row.english) << row.n;
    }
}

TEST(UITextTable, ReservedAndUnusedNumbersAreEmpty)
{
    const std::set<int> empty = {3,  54, 55, 56, 57, 58, 59, 60, 61, 62, 63, 64, 65, 66, 69, 70, 71, 72,
                                 73, 74, 75, 76, 77, 78, 79, 80, 81, 85, 86, 87, 88, 89, 90, 102, 103, 104,
                                 105, 106, 107, 108, 124, 131, 173, 196, 200, 201};
    ASSERT_EQ(BuiltInTexts().size(), 269u);
    for (int n = 1; n <= kBuiltInTextCount; ++n) {
        const bool isEmpty = empty.count(n) != 0;
        EXPECT_EQ(UITextTable(n, kFrench).empty(), isEmpty) << n;
        // The English column is complete: it has a text exactly where the French one has.
        EXPECT_EQ(UITextTable(n, kEnglish).empty(), isEmpty) << n;
    }
}

TEST(UITextTable, OutOfRangeAndUnknownLanguageGiveEmptyTexts)
{
    for (int n : {-1, 0, 270, 300, 301})
        EXPECT_EQ(UITextTable(n, kFrench), "") << n;
    for (int language : {0, 3, -1})
        EXPECT_EQ(UITextTable(1, language), "") << language;
}

} // namespace
} // namespace tessaly::lang
