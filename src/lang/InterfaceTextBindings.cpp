// The start-up text bindings of the main window's controls.
#include "lang/InterfaceTextBindings.h"

#include <array>

namespace tessaly::lang {
namespace {

constexpr InterfaceTextBinding kTextBindings[] = {
    {"spcharge", TextProperty::Hint, 1},
    {"spsauve", TextProperty::Hint, 2},
    {"sbinfos", TextProperty::Caption, 4},
    {"spaide", TextProperty::Caption, 6},
    {"Tabparaetiquette", TextProperty::Caption, 8},
    {"Tabparametres", TextProperty::Caption, 10},
    {"TabParapage", TextProperty::Caption, 11},
    {"Lablargeur", TextProperty::Caption, 12},
    {"labhauteur", TextProperty::Caption, 13},
    {"lablargeurpage", TextProperty::Caption, 14},
    {"labhauteurpage", TextProperty::Caption, 15},
    {"labmargegauche", TextProperty::Caption, 16},
    {"labmargehaute", TextProperty::Caption, 17},
    {"labespacevertical", TextProperty::Caption, 18},
    {"labespacehorizontal", TextProperty::Caption, 19},
    {"labnbetiquetteaimprimer", TextProperty::Caption, 20},
    {"labnuetiquettedeppermierepage", TextProperty::Caption, 21},
    {"labbdnupremiereetiquettepage", TextProperty::Caption, 21},
    {"labepaisseurligne", TextProperty::Caption, 22},
    {"labcouleurtextecodebarre", TextProperty::Caption, 23},
    {"labcouleurtexte", TextProperty::Caption, 23},
    {"labcouleurtextecourbe", TextProperty::Caption, 23},
    {"labcouleurmemo", TextProperty::Caption, 23},
    {"labcouleurligne", TextProperty::Caption, 23},
    {"labtypecodebarre", TextProperty::Caption, 24},
    {"labcouleurcodebarre", TextProperty::Caption, 25},
    {"labcolordatacodebarre", TextProperty::Caption, 25},
    {"labvaleurmemo", TextProperty::Caption, 26},
    {"grouptextecodebarre", TextProperty::Caption, 27},
    {"chcb1affichertexte", TextProperty::Caption, 28},
    {"labpositiontextecodebarre", TextProperty::Caption, 29},
    {"labpolicetextecodebarre", TextProperty::Caption, 30},
    {"Gpolicetexte", TextProperty::Caption, 30},
    {"gpolicetextecourbe", TextProperty::Caption, 30},
    {"labpolicetexte", TextProperty::Caption, 30},
    {"labpolicetextecourbe", TextProperty::Caption, 30},
    {"labpolicememo", TextProperty::Caption, 30},
    {"gpolicememo", TextProperty::Caption, 30},
    {"labtaillepolicetexte", TextProperty::Caption, 31},
    {"labtaillepolicetextecourbe", TextProperty::Caption, 31},
    {"labtailletextecodebarre", TextProperty::Caption, 31},
    {"Squitter", TextProperty::Hint, 32},
    {"labepaisseurcadre", TextProperty::Caption, 33},
    {"labcouleurcadre", TextProperty::Caption, 34},
    {"Chremplircadre", TextProperty::Caption, 35},
    {"labcouleurfondcadre", TextProperty::Caption, 36},
    {"chgrastexte", TextProperty::Caption, 37},
    {"chgrastextecourbe", TextProperty::Caption, 37},
    {"chgrasmemo", TextProperty::Caption, 37},
    {"chitaliquetexte", TextProperty::Caption, 38},
    {"chitaliquetextecourbe", TextProperty::Caption, 38},
    {"chitaliquememo", TextProperty::Caption, 38},
    {"sparriereplan", TextProperty::Hint, 39},
    {"mmettreenarriereplan", TextProperty::MenuItem, 39},
    {"sppremierplan", TextProperty::Hint, 40},
    {"mmettreanvantplan", TextProperty::MenuItem, 40},
    {"spzoomplus", TextProperty::Hint, 41},
    {"mzoomplus", TextProperty::MenuItem, 41},
    {"spzoommoins", TextProperty::Hint, 44},
    {"mzoommoins", TextProperty::MenuItem, 44},
    {"spzoompage", TextProperty::Hint, 45},
    {"mzoompleinepage", TextProperty::MenuItem, 45},
    {"spTexte", TextProperty::Hint, 46},
    {"SpLigne", TextProperty::Hint, 47},
    {"SpCadre", TextProperty::Hint, 48},
    {"Spimageetendu", TextProperty::Hint, 49},
    {"spcodebarre", TextProperty::Hint, 50},
    {"SpImprime", TextProperty::Caption, 51},
    {"Gimprimante", TextProperty::Caption, 52},
    {"Spapercu", TextProperty::Caption, 53},
    {"tabcodebarrevaleurchamp", TextProperty::Caption, 113},
    {"tabtextecourbevaleurchamp", TextProperty::Caption, 113},
    {"tabtextevaleurchamp", TextProperty::Caption, 113},
    {"tabdatavaleurchamp", TextProperty::Caption, 113},
    {"tabimageetentuvaleurchamp", TextProperty::Caption, 113},
    {"labchamprecherche", TextProperty::Caption, 113},
    {"Ratop", TextProperty::Caption, 115},
    {"ranontop", TextProperty::Caption, 116},
    {"Ratoutes", TextProperty::Caption, 117},
    {"gformatdocument", TextProperty::Caption, 127},
    {"labangletextecourbe", TextProperty::Caption, 128},
    {"mmenutextenormal", TextProperty::MenuItem, 129},
    {"mmenutextecourbe", TextProperty::MenuItem, 130},
    {"exportLabtypeCodebarre", TextProperty::Caption, 154},
    {"exportlabHautcb", TextProperty::Caption, 157},
    {"exportchcb1affichertexte", TextProperty::Caption, 159},
    {"exportlabpositiontexte", TextProperty::Caption, 160},
    {"exportgcb1fonte", TextProperty::Caption, 161},
    {"gcolonnes", TextProperty::Caption, 164},
    {"exporttlabvalcodebarre", TextProperty::Caption, 171},
    {"exportbExporter", TextProperty::Caption, 172},
    {"Groupunite", TextProperty::Caption, 179},
    {"chtailleautotexte", TextProperty::Caption, 183},
    {"chsoulignetexte", TextProperty::Caption, 184},
    {"chsoulignetextecourbe", TextProperty::Caption, 184},
    {"chsoulignememo", TextProperty::Caption, 184},
    {"exportlabepaisseurcb", TextProperty::Caption, 185},
    {"tabutilitaires", TextProperty::Caption, 186},
    {"spbuttonnouveau", TextProperty::Hint, 190},
    {"chforcetaille", TextProperty::Caption, 191},
    {"chorientation", TextProperty::Caption, 192},
    {"tabimppage", TextProperty::Caption, 193},
    {"tabimpetiquette", TextProperty::Caption, 194},
    {"labnbpageaimprimer", TextProperty::Caption, 195},
    {"exportgtypefichierexport", TextProperty::Caption, 199},
    {"tabbase", TextProperty::Caption, 202},
    {"gbcritere", TextProperty::Caption, 203},
    {"SpCritere", TextProperty::Caption, 203},
    {"sAjout", TextProperty::Caption, 204},
    {"majoutcompte", TextProperty::MenuItem, 204},
    {"smodif", TextProperty::Caption, 205},
    {"mvisumodifcompte", TextProperty::MenuItem, 205},
    {"ssupprime", TextProperty::Caption, 206},
    {"msupprimecompte", TextProperty::MenuItem, 206},
    {"tabcodebarrevaleurfixe", TextProperty::Caption, 208},
    {"tabdatavaleurfixe", TextProperty::Caption, 208},
    {"tabtextecourbevaleurfixe", TextProperty::Caption, 208},
    {"tabimageetentuvaleurfixe", TextProperty::Caption, 208},
    {"tabtextevaleurfixe", TextProperty::Caption, 208},
    {"Labvaleurrecherche", TextProperty::Caption, 208},
    {"bimport", TextProperty::Caption, 209},
    {"tabbasedonnees", TextProperty::Caption, 210},
    {"gparabase", TextProperty::Caption, 210},
    {"spparabase", TextProperty::Caption, 210},
    {"labcodebarrevaleurtest", TextProperty::Caption, 211},
    {"labdatavaleurtest", TextProperty::Caption, 211},
    {"labdossierimage", TextProperty::Caption, 212},
    {"labcodebarreformat", TextProperty::Caption, 213},
    {"spvidebase", TextProperty::Hint, 214},
    {"msupprimerelement", TextProperty::MenuItem, 218},
    {"mseltout", TextProperty::MenuItem, 221},
    {"mdeseltout", TextProperty::MenuItem, 222},
    {"Changerletop1", TextProperty::MenuItem, 224},
    {"mCochertout", TextProperty::MenuItem, 225},
    {"mdecochertout", TextProperty::MenuItem, 226},
    {"mchangerquantitetout", TextProperty::MenuItem, 227},
    {"mtriordrecreation", TextProperty::MenuItem, 228},
    {"chimageetenduproportion", TextProperty::Caption, 232},
    {"chimageetenducentre", TextProperty::Caption, 233},
    {"labclickselectimage", TextProperty::Caption, 234},
    {"tabcodebarrevaleurspecial", TextProperty::Caption, 239},
    {"tabtextevaleurspecial", TextProperty::Caption, 239},
    {"tabdatavaleurspecial", TextProperty::Caption, 239},
    {"labalignementtexte", TextProperty::Caption, 246},
    {"gqualitecodebarre", TextProperty::Caption, 249},
    {"racbnormale", TextProperty::Caption, 250},
    {"racbfin", TextProperty::Caption, 251},
    {"labdatacodage", TextProperty::Caption, 252},
    {"labdataformat", TextProperty::Caption, 253},
    {"labdatadotsize", TextProperty::Caption, 254},
    {"labdatamarge", TextProperty::Caption, 255},
    {"labcolordatafond", TextProperty::Caption, 256},
    {"chsautpageenreg", TextProperty::Caption, 257},
    {"labrupturepagechamps", TextProperty::Caption, 261},
    {"labrupturelignechamps", TextProperty::Caption, 262},
    {"tabrecherchesimple", TextProperty::Caption, 263},
    {"tabrecherchecritere", TextProperty::Caption, 264},
    {"exportbclipboard", TextProperty::Caption, 266},
    {"exportbt1cb1fonte", TextProperty::Caption, 267},
    {"Tabexportation", TextProperty::Caption, 268},
    {"mmenuMultiligne1", TextProperty::MenuItem, 269},
};

constexpr std::array<int, 3> kAlignmentItems = {180, 181, 182}; // left, right, centre

constexpr InterfaceListBinding kListBindings[] = {
    {"Combalignetexte", kAlignmentItems},
};

constexpr GridTitleBinding kGridTitles[] = {
    {17, 121}, // "topp"
    {16, 122}, // "quantite"
};

// Text 187 is "Valeur", 188 "Résultat"; the digits count is the length of the value or key.
constexpr ComposedLabelBinding kKeyGeneratorLabels[] = {
    {"labvalean13", "", 187, " (12"},
    {"labresan13", "", 188, " (13"},
    {"labvalean8", "", 187, " (7"},
    {"labresan8", "", 188, " (8"},
    {"labvalupca", "", 187, " (11"},
    {"labresupca", "", 188, " (12"},
    {"labvalean14", "", 187, " (13"},
    {"labresan14", "", 188, " (14"},
    {"labvalsscc", "", 187, " (17"},
    {"labressscc", "", 188, " (18"},
    {"labvalisbn", "", 187, " (9 "},
    {"labresisbn", "ISBN ", 188, " (10"},
    {"labreseanisbn", "EAN ", 188, " (13"},
};

} // namespace

std::span<const InterfaceTextBinding> InterfaceTextBindings() { return kTextBindings; }
std::span<const InterfaceListBinding> InterfaceListBindings() { return kListBindings; }
std::span<const GridTitleBinding> ArticleGridTitleBindings() { return kGridTitles; }
std::span<const ComposedLabelBinding> KeyGeneratorLabelBindings() { return kKeyGeneratorLabels; }

std::string ComposedLabelText(const ComposedLabelBinding& binding, const InterfaceLanguage& language)
{
    std::string text(binding.prefix);
    text += language.Text(binding.text);
    text += binding.digitsBefore;
    text += language.Text(kDigitsText);
    text += ')';
    return text;
}

} // namespace tessaly::lang
