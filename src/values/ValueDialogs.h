// The plain data behind the special-value dialog `Tfparaspecial` and the field-value dialog
// `Tfparazone`: the settings record of each panel, proposals, box rules and what OK stores.
#pragma once

#include "barcode/BarcodeTypes.h"
#include "values/SpecialValueCalculator.h"
#include "values/ValueSource.h"

#include <QString>
#include <QStringList>

#include <array>

namespace tessaly::values {

// The panels that edit a value source through the dialogs.
enum class PanelKind { Barcode, Text, DataMatrix };

// One settings record per panel, living as long as the application: selecting a shape copies
// its settings in, applying the panel copies them back.
struct ValueSettingsRecords {
    typvaleurspeciale barcode;
    typvaleurspeciale text;
    typvaleurspeciale dataMatrix;

    typvaleurspeciale& For(PanelKind kind);
    const typvaleurspeciale& For(PanelKind kind) const;
};

inline constexpr std::array<const char*, 10> kDateFormatProposals{
    "dd/mm/yyyy", "dd/mm/yy", "yyyy/mm/dd", "yy/mm/dd", "hh:mm:ss",
    "hh:mm", "dd/mm/yyyy hh:mm", "dd/mm/yy hh:mm", "yyyy/mm/dd hh:mm", "yy/mm/dd hh:mm"};
inline constexpr std::array<const char*, 12> kIncrementProposals{
    "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "15", "20"};
inline constexpr std::array<const char*, 10> kDigitsProposals{
    "1", "2", "3", "4", "5", "6", "7", "8", "9", "10"};
inline constexpr int kOffsetMaxLength = 3;

// UI text numbers of the dialogs' captions. The tab captions and the special dialog's own
// caption are the kind texts (kSpecialKindTextNumbers).
struct ValueDialogTexts {
    static constexpr int prefix = 237;          // "Prefixe"
    static constexpr int suffix = 238;          // "Suffixe"
    static constexpr int format = 213;          // "Format"
    static constexpr int start = 240;           // "Depart"
    static constexpr int increment = 241;       // "Incrément"
    static constexpr int digits = 242;          // "Nbre caracteres"
    static constexpr int keyGroup = 243;        // "Clé de controle"
    static constexpr int perLabel = 244;        // "Par étiquette"
    static constexpr int perRecord = 245;       // "Par enregistrement"
    static constexpr int restartEachRecord = 258; // "Initialisation à chaque enregistrment"
};
inline constexpr int kMaxDigitsChoice = 10;

// The key-type group of both dialogs.
struct KeyChoice {
    bool visible = false;   // only for barcodes whose symbology offers a key
    QStringList entries;    // the empty entry first
    int selected = 0;       // the stored key type's entry, or the empty entry
};
KeyChoice KeyChoiceFor(PanelKind panel, barcode::TBarcodeType type, const QString& storedKeyType);

// --- Tfparaspecial ---

// The dialog's controls, with their initial contents.
struct SpecialDialogControls {
    QString format = QString::fromLatin1(kDateFormatProposals[0]);
    QString offsetDays = QStringLiteral("0");
    QString offsetMonths = QStringLiteral("0");
    QString offsetYears = QStringLiteral("0");
    QString start = QStringLiteral("1");
    bool perLabel = true;                 // "Par étiquette", else "Par enregistrement"
    QString increment = QStringLiteral("1");
    QString digits = QStringLiteral("2");
    bool restartEachRecord = false;       // "Initialisation à chaque enregistrment"
    QString prefix;
    QString suffix;
    QString keyType;                      // the key list's text (barcodes)
};

// Opening the dialog on a record: a record of kind 0 becomes kind 1. Returns the kind whose
// tab is the only one shown.
std::int32_t PrepareSpecialDialog(typvaleurspeciale& record);

// An offset box: a non-integer counts as 0.
std::int32_t OffsetValue(const QString& box);
// Leaving the start or the increment box: a non-integer becomes "0".
QString LeaveStartBox(const QString& box);
QString LeaveIncrementBox(const QString& box);
// Leaving the digits box: a non-integer becomes "1", a value above 10 becomes "10".
QString LeaveDigitsBox(const QString& box);

// The kind-specific parameters the controls stand for (prefix, suffix and key left empty).
typvaleurspeciale SpecialSettingsFromControls(std::int32_t kind, const SpecialDialogControls& controls);
// The example under the tabs: the value for record 1 and label 1, without prefix or suffix.
QString SpecialDialogExample(std::int32_t kind, const SpecialDialogControls& controls,
                             const Tvaleurspeciale& calculator);
// OK: stores the parameters of the record's kind, prefix, suffix and, for barcodes, the key type.
void StoreSpecialDialog(typvaleurspeciale& record, const SpecialDialogControls& controls, PanelKind panel);

// --- Tfparazone ---

// What the dialog shows when opened from a panel: the record's prefix and suffix and the key group.
struct FieldDialogState {
    QString prefix;
    QString suffix;
    KeyChoice key;
};
FieldDialogState OpenFieldDialog(const typvaleurspeciale& record, PanelKind panel, barcode::TBarcodeType type);
// `boutok`: prefix and suffix from the boxes and, for barcodes, the key type from the list's text.
void AcceptFieldDialog(typvaleurspeciale& record, PanelKind panel, const QString& prefix,
                       const QString& suffix, const QString& keyListText);

} // namespace tessaly::values
