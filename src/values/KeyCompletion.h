// Completing a barcode value with a check key, and the key types each symbology offers.
#pragma once

#include "barcode/BarcodeTypes.h"

#include <QString>
#include <QStringList>

namespace tessaly::values {

// Pads and cuts the value to the length the key type needs and appends its key:
//   "EAN13" 12 characters + key, "EAN8" 7 + key, "UPCA" 11 + key (padded with leading "0",
//   then the leftmost kept); "EAN14" 15 characters (the leftmost 15 of a longer value), of
//   which the first two are the application identifier and the last 13 get the key; "SSCC"
//   likewise with 19 characters. Non-digits count as 0 and stay as typed (characters beyond
//   Latin-1 become "?"). Any other key type, the empty one included, gives an empty string.
QString CompleteWithKey(const QString& value, const QString& keyType);

// The key-type list of the value dialogs for a symbology: always the empty entry, then
// "EAN13", "EAN8" or "UPCA" for those codes and "EAN14", "SSCC" for the three EAN-128 codes.
// An ordinal out of range offers only the empty entry.
QStringList OfferedKeyTypes(barcode::TBarcodeType type);

// The key type chosen when the user picks a symbology: "EAN13", "EAN8", "UPCA" for those
// codes, empty for every other one.
QString DefaultKeyType(barcode::TBarcodeType type);

} // namespace tessaly::values
