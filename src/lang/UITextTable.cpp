// The built-in interface texts, one row per text number (French, English), UTF-8.
// The French column is the program's original wording, kept character for character (its
// doubled apostrophes and trailing spaces included). The English column holds the original
// English texts and, on rows marked "English added", translations supplied so that English
// gives a complete interface.
#include "lang/UITextTable.h"

namespace tessaly::lang {
namespace {

// The literals below are UTF-8; this fails if the compiler stored them in another charset.
static_assert(std::string_view("é").size() == 2 && std::string_view("é")[0] == '\xC3');

constexpr std::array<BuiltInText, kBuiltInTextCount> kTexts = {{
    // 1
    {"Charger une sauvegarde", "Load"},
    {"Faire une sauvegarde", "Save the datas"},
    {"", ""}, // reserved
    {"Infos", "Infos"},
    {"Informations sur le logiciel", "Informations about the software"},
    {"Aide", "Help"},
    {"Voir l aide", "View the help file"},
    {"Définition Etiquettes", "Label design"}, // English added
    {"Impression", "Printing"},
    {"Parametres", "Parameters"},
    // 11
    {"Definition Page et Impression", "Page setup and printing"}, // English added
    {"Largeur", "Width"}, // English added
    {"Hauteur", "Height"}, // English added
    {"Largeur Page", "Page width"}, // English added
    {"Hauteur Page", "Page height"}, // English added
    {"Marge gauche/droite", "Left/right margin"}, // English added
    {"Marge haute/basse", "Top/bottom margin"}, // English added
    {"Espace vertical entre etiquette", "Vertical gap between labels"}, // English added
    {"Espace horizontal entre etiquette", "Horizontal gap between labels"}, // English added
    {"Nbre d'etiquettes à imprimer", "Number of labels to print"}, // English added
    // 21
    {"Imprimer sur la 1ere page à partir de l'etiquette ", "On the first page, start printing at label "}, // English added
    {"Epaisseur", "Thickness"}, // English added
    {"Couleur", "Colour"}, // English added
    {"Type", "Type"}, // English added
    {"Couleur code barre", "Barcode colour"}, // English added
    {"Valeur", "Value"}, // English added
    {"Texte Code Barre", "Barcode text"}, // English added
    {"Afficher Texte", "Show text"}, // English added
    {"Position", "Position"}, // English added
    {"Police", "Font"}, // English added
    // 31
    {"Taille", "Size"}, // English added
    {"Quitter le Logiciel", "Quit the program"}, // English added
    {"Epaisseur cadre", "Frame thickness"}, // English added
    {"Couleur cadre", "Frame colour"}, // English added
    {"Remplir fond", "Fill background"}, // English added
    {"Couleur fond ", "Background colour "}, // English added
    {"Gras", "Bold"}, // English added
    {"Italique", "Italic"}, // English added
    {"Mettre en arriere plan", "Send to back"}, // English added
    {"Mettre en avant plan", "Bring to front"}, // English added
    // 41
    {"Zoom en avant", "Zoom in"}, // English added
    {"Sélectionnez le fichier de sauvegarde", "Select the backup file"}, // English added
    {"Indiquez le fichier de sauvegarde", "Name the backup file"}, // English added
    {"Zoom en arriere", "Zoom out"}, // English added
    {"Apercu plein ecran", "Whole page view"}, // English added
    {"Texte", "Text"}, // English added
    {"Ligne", "Line"}, // English added
    {"Cadre", "Frame"}, // English added
    {"Image", "Picture"}, // English added
    {"Code Barre", "Barcode"}, // English added
    // 51
    {"Lancer l'impression", "Start printing"}, // English added
    {"Imprimante", "Printer"}, // English added
    {"Apercu page", "Page preview"}, // English added
    {"", ""}, // reserved
    {"", ""}, // reserved
    {"", ""}, // reserved
    {"", ""}, // reserved
    {"", ""}, // reserved
    {"", ""}, // reserved
    {"", ""}, // reserved
    // 61
    {"", ""}, // reserved
    {"", ""}, // reserved
    {"", ""}, // reserved
    {"", ""}, // reserved
    {"", ""}, // reserved
    {"", ""}, // reserved
    {"Double clic pour éditer la zone", "Double-click to edit the text"}, // English added
    {"Sélectionner une image", "Select a picture"}, // English added
    {"", ""},
    {"", ""}, // reserved
    // 71
    {"", ""}, // reserved
    {"", ""}, // reserved
    {"", ""}, // reserved
    {"", ""}, // reserved
    {"", ""}, // reserved
    {"", ""}, // reserved
    {"", ""}, // reserved
    {"", ""}, // reserved
    {"", ""}, // reserved
    {"", ""}, // reserved
    // 81
    {"", ""}, // reserved
    {"Saisie Invalide", "Invalid entry"}, // English added
    {"Operation Impossible", "Operation not possible"}, // English added
    {"Le n° de l'etiquette de depart est incorrect", "The starting label number is incorrect"}, // English added
    {"", ""}, // reserved
    {"", ""}, // reserved
    {"", ""}, // reserved
    {"", ""}, // reserved
    {"", ""}, // reserved
    {"", ""}, // reserved
    // 91
    {"Parametres", "Parameters"}, // English added
    {"Séparateur de champs", "Field separator"}, // English added
    {"Ligne d'entete à ne pas prendre en compte", "Header lines to skip"}, // English added
    {"Seuls les 10 premiers champs seront pris en compte", "Only the first 10 fields will be taken into account"}, // English added
    {"Chemin d''accès au fichier", "File path"},
    {"Ouvrir le fichier", "Select file"},
    {"Précédent", "Previous"},
    {"Suivant", "Next"},
    {"Lancer l''importation", "Import file"},
    {"Paramétrage des champs", "Fields parameters"},
    // 101
    {"Le chemin d acces au fichier n est pas precisé", "The file is not selected"},
    {"", ""},
    {"", ""},
    {"", ""},
    {"", ""},
    {"", ""},
    {"", ""},
    {"", ""},
    {"Quitter cet écran", "Close this window"},
    {"Quit", "Quit"},
    // 111
    {"Importation données à partir de fichier csv", "Data importation from csv files"},
    {"CHPS ", "Field "},
    {"Champs ", "Field "},
    {"Pas de champs", "No field"},
    {"Fiches topées", "With Flag"},
    {"Fiches non topées", "With Flag off"},
    {"Toutes les fiches", "All the Barcods"},
    {"Supprimer", "Delete"},
    {"Supprimer la fiche code barre sélectionné", "Delete the current barcod"},
    {"Changer le top", "Change the value of the flag field"},
    // 121
    {"Top", "Flag"},
    {"Qtite", "Qtity"},
    {"Etiquettes", "Labels"},
    {"", ""}, // reserved
    {"Creer nouveau document ?", "Create a new document?"}, // English added
    {"Demande de confirmation", "Confirmation"}, // English added
    {"Format document", "Document format"}, // English added
    {"Angle", "Angle"},
    {"Texte Normal", "Texte Normal"},
    {"Texte Courbe", "Texte Courbe"},
    // 131
    {"", ""},
    {"Texte", "Texte"},
    {"TEXTE", "TEXT"},
    {"Haut Gauche", "Top left"}, // English added
    {"Haut Droite", "Top right"}, // English added
    {"Haut Centre", "Top centre"}, // English added
    {"Bas Gauche", "Bottom left"}, // English added
    {"Bas Droite", "Bottom right"}, // English added
    {"Bas Centre", "Bottom centre"}, // English added
    {"P. Généraux", "General"}, // English added
    // 141
    {"Codes Barres", "Barcodes"}, // English added
    {"Textes", "Texts"}, // English added
    {"Nom du format", "Format name"}, // English added
    {"Nombre etiquettes en hauteur  ", "Number of labels down  "}, // English added
    {"Nombre etiquettes en largeur  ", "Number of labels across  "}, // English added
    {"Marge gauche et droite  ", "Left and right margin  "}, // English added
    {"Marge haute et basse ", "Top and bottom margin "}, // English added
    {"Largeur etiquettes", "Label width"}, // English added
    {"Hauteur etiquettes", "Label height"}, // English added
    {"Espace horizontal entre les etiquettes", "Horizontal gap between the labels"}, // English added
    // 151
    {"Espace vertical entre les etiquettes", "Vertical gap between the labels"}, // English added
    {"Les valeurs sont saisies en millimetres", "Values are entered in millimetres"}, // English added
    {"Afficher", "Show"}, // English added
    {"Type", "Type"}, // English added
    {"Position H", "H position"}, // English added
    {"Position V", "V position"}, // English added
    {"Hauteur", "Height"}, // English added
    {"Orientation", "Orientation"}, // English added
    {"Afficher texte code barre", "Show barcode text"}, // English added
    {"Position texte", "Text position"}, // English added
    // 161
    {"Police texte", "Text font"}, // English added
    {"Zone texte", "Text box"}, // English added
    {"Valider la creation ou la modification", "Confirm the creation or the change"}, // English added
    {"Colonnes à afficher dans la grille", "Column to display"},
    {"CB", "BC"}, // English added
    {"T", "T"}, // English added
    {"Le dossier d'exportation n'est pas precisé", "The export folder is not specified"}, // English added
    {"Trier dans l'ordre de création", "Sort in creation order"}, // English added
    {"Gestion saut de page", "Page break handling"}, // English added
    {"Valeur zone ", "Field value "}, // English added
    // 171
    {"Valeur code barre", "Barcode value"}, // English added
    {"Exporter", "Export"}, // English added
    {"", ""},
    {"Critère supplémentaire", "Additional criterion"}, // English added
    {"Exporter toutes les fiches", "Export all records"}, // English added
    {"Exporter seulement les fiches correspondants aux critères", "Export only the records matching the criteria"}, // English added
    {"Dossier d'exportation", "Export folder"}, // English added
    {"Nom du fichier", "File name"}, // English added
    {"Unité", "Unit"}, // English added
    {"Gauche", "Left"}, // English added
    // 181
    {"Droit", "Right"}, // English added
    {"Centre", "Centre"}, // English added
    {"Taille Automatique", "Automatic size"}, // English added
    {"Souligné", "Underline"}, // English added
    {"Epaisseur ligne", "Line thickness"}, // English added
    {"Générateur Clés", "Key generator"}, // English added
    {"Valeur", "Value"}, // English added
    {"Résultat", "Result"}, // English added
    {"Chiffres", "Digits"}, // English added
    {"Nouveau document", "New document"}, // English added
    // 191
    {"Forcer la taille du papier", "Force the paper size"}, // English added
    {"Orientation verticale", "Portrait orientation"}, // English added
    {"Impression Pages", "Print pages"}, // English added
    {"Impression Etiquettes", "Print labels"}, // English added
    {"Nombre de pages à imprimer", "Number of pages to print"}, // English added
    {"", ""},
    {"Carte de visite", "Business card"}, // English added
    {"Photo identitée", "Passport photo"}, // English added
    {"Type Fichier Export", "Export file type"}, // English added
    {"", ""}, // reserved
    // 201
    {"", ""}, // reserved
    {"Base de données", "Database"}, // English added
    {"Criteres de selection", "Selection criteria"}, // English added
    {"Ajout", "Add"}, // English added
    {"Modif", "Edit"}, // English added
    {"Suppression", "Delete"}, // English added
    {"Operateur", "Operator"}, // English added
    {"Valeur", "Value"}, // English added
    {"Importation", "Import"}, // English added
    {"Base de données", "Database"}, // English added
    // 211
    {"Test", "Test"}, // English added
    {"Dossier de l image", "Picture folder"}, // English added
    {"Format", "Format"}, // English added
    {"Vider la base de données", "Empty the database"}, // English added
    {"Quantité", "Quantity"}, // English added
    {"Top", "Flag"}, // English added
    {"Veuillez confirmer", "Please confirm"}, // English added
    {"Suppression", "Delete"}, // English added
    {"Erreur", "Error"}, // English added
    {"Annuler la saisie", "Cancel the entry"}, // English added
    // 221
    {"Selectionner tout", "Select all"}, // English added
    {"Desectionner tout", "Unselect all"}, // English added
    {"Supprimer tout", "Delete all"}, // English added
    {"Changer le top", "Change the flag"}, // English added
    {"Cocher tout", "Flag all"}, // English added
    {"Decocher tout", "Unflag all"}, // English added
    {"Changer la quantite pour tout", "Change the quantity for all"}, // English added
    {"Trier dans lordre de creation", "Sort in creation order"}, // English added
    {"Sélectionnez le fichier csv", "Select the csv file"}, // English added
    {"Nombre de fiches correspondants aux criteres", "Number of records matching the criteria"}, // English added
    // 231
    {"Nbre etiquettes qui vont être imprimées", "Number of labels to be printed"}, // English added
    {"Conserver les proportions", "Keep proportions"}, // English added
    {"Centrer", "Centre"}, // English added
    {"Cliquer pour selection l image", "Click to select the picture"}, // English added
    {"DateHeure", "DateTime"}, // English added
    {"Compteur", "Counter"}, // English added
    {"Prefixe", "Prefix"}, // English added
    {"Suffixe", "Suffix"}, // English added
    {"Special", "Special"}, // English added
    {"Depart", "Start"}, // English added
    // 241
    {"Incrément", "Increment"}, // English added
    {"Nbre caracteres", "Number of characters"}, // English added
    {"Clé de controle", "Check key"}, // English added
    {"Par étiquette", "Per label"}, // English added
    {"Par enregistrement", "Per record"}, // English added
    {"Alignement", "Alignment"}, // English added
    {"Demande de confirmation", "Confirmation"}, // English added
    {"Un fichier portant ce nom existe deja", "A file with this name already exists"}, // English added
    {"Qualité impression code barre", "Barcode print quality"}, // English added
    {"Normal", "Normal"}, // English added
    // 251
    {"Fin", "Fine"}, // English added
    {"Codage", "Encoding"}, // English added
    {"Format", "Format"}, // English added
    {"Dot Size", "Dot Size"}, // English added
    {"Marge", "Margin"}, // English added
    {"Couleur Fond", "Background colour"}, // English added
    {"Saut de page à chaque enregistrement", "Page break at each record"}, // English added
    {"Initialisation à chaque enregistrment", "Reset at each record"}, // English added
    {"Information", "Information"}, // English added
    {"Operation terminée", "Operation completed"}, // English added
    // 261
    {"Rupture de page sur champs ", "Page break on field "}, // English added
    {"Rupture de ligne sur champs", "Line break on field"}, // English added
    {"Simple", "Simple"}, // English added
    {"Criteres", "Criteria"}, // English added
    {"Le document a ete modifié .. voulez vous quand meme quitter sans enregistrer ?", "The document has been modified. Do you still want to quit without saving?"}, // English added
    {"Copier dans le presse papier", "Copy to the clipboard"}, // English added
    {"P", "F"}, // English added
    {"Exportation", "Export"}, // English added
    {"Multiligne", "Multiline"}, // English added
}};

} // namespace

const std::array<BuiltInText, kBuiltInTextCount>& BuiltInTexts() { return kTexts; }

std::string_view UITextTable(int n, int language)
{
    if (n < 1 || n > kBuiltInTextCount)
        return {};
    const BuiltInText& text = kTexts[static_cast<std::size_t>(n) - 1];
    switch (language) {
    case kFrench:
        return text.french;
    case kEnglish:
        return text.english;
    default:
        return {};
    }
}

} // namespace tessaly::lang
