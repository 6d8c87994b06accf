// The texts of every statement the program runs on the article table, and the restriction
// and order of the list built from the criteria, the simple search and the flag filter.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tessaly::data {

// One entry of the criteria list tabcritere.
struct Criterion {
    std::string field;     // "1" to "15"; an entry with an empty field is not used
    std::string op;        // "=", ">", ">=", "<", "<="
    std::string value;     // any text
    std::string connector; // "AND" or "OR": joins this criterion to the next
};

enum class SearchTab { Criteria, Simple };        // the tab of pagecontroltyperecherche shown
enum class FlagFilter { All, Flagged, NotFlagged }; // Ratoutes, Ratop, ranontop

struct RestrictionInputs {
    SearchTab tab = SearchTab::Criteria;
    std::vector<Criterion> criteria; // the nbcritere entries in use
    int searchField = 1;             // the chosen item of cbnumerochamprecherche plus 1
    std::string searchValue;         // the text of ezonevalrecherche, as typed
    FlagFilter flags = FlagFilter::All;
};

// The restriction W (possibly empty). Values become double-quoted literals with their double
// quotes doubled, so a value is always matched literally. Throws std::invalid_argument for a
// field, operator or connector outside the lists the dialog offers.
std::string fconstruitcritere(const RestrictionInputs& inputs);

// The order text O for colonnetri (0 num, 1-15 f1-f15, 16 quantite, 17 topp).
std::string fconstruittri(int colonnetri, bool tridescendant);

// The sort state of the list, changed by clicks on the grid's column titles.
struct SortState {
    int colonnetri = 0;
    bool tridescendant = false;
    // A click on the title of the column with this field name: the same column again
    // reverses the direction, another column sorts ascending.
    void clickTitle(std::string_view fieldName);
    // The pop-up entry "creation order".
    void creationOrder();
    std::string order() const { return fconstruittri(colonnetri, tridescendant); }
};
// The code of a column's field name ("f1".."f15" 1-15, "quantite" 16, "topp" 17, others 0).
int SortCodeOfField(std::string_view fieldName);

std::string NextNumberStatement();
std::string ListStatement(std::string_view restriction, std::string_view order);
std::string DeleteByNumberStatement(std::int64_t num);
std::string DeleteAllStatement(std::string_view restriction);
// flag is "O" or "N".
std::string SetFlagAllStatement(std::string_view flag, std::string_view restriction);
std::string SetQuantityAllStatement(std::int64_t quantity, std::string_view restriction);

} // namespace tessaly::data
