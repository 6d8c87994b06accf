// Value encodings of the storage XML: each value is a child element named by its key whose text
// is the value. Write helpers leave the element out when the value equals the write default
// (no default given: always written); read helpers return the read default when the element is
// missing or its text does not parse.
#pragma once

#include "document/storage/StorageError.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QPointF>
#include <QString>

#include <pugixml.hpp>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tessaly::document {

// ---- Texts of single values ----

// "True" / "False".
std::string FormatBool(bool value);
// First character upper-cased: F or N false, T or Y true; anything else nothing.
std::optional<bool> ParseBool(std::string_view text);

// Decimal.
std::string FormatInteger(std::int64_t value);
// Decimal or hexadecimal ("$1F", "0x1F"), optional sign and surrounding blanks; hexadecimal of up
// to 8 digits is taken as a 32-bit pattern ("$FFFFFFFF" is -1). Out of 32-bit range: nothing.
std::optional<std::int32_t> ParseInteger(std::string_view text);

// "$" followed by at least `digits` upper-case hexadecimal digits ("$80", "$00FFFFC0").
std::string FormatHex(std::uint32_t value, int digits);

// At most `significantDigits` (1..9, else "Significant digits out of range") significant digits,
// rounded half to even; "." separator; no trailing zeros or point; ".5" for 0.5; "0" for zero;
// scientific "5E-3" / "1.23457E9" when the point position is below -1 or above digits + 2.
// Infinities and NaN are written as "0".
std::string FormatFloat(double value, int significantDigits = 6);
// The same text written to `out` (at least kFloatTextSize characters, not terminated); returns
// its length.
constexpr size_t kFloatTextSize = 32;
size_t FormatFloatTo(char* out, double value, int significantDigits = 6);
// "," is read as "."; blanks around and a leading "+" are accepted; non-finite results and any
// other text give nothing.
std::optional<double> ParseFloat(std::string_view text);

// ---- Binary texts ----

// Standard alphabet, "=" padding, one line.
std::string EncodeBase64(QByteArrayView bytes);
// Characters outside the alphabet are skipped; decoding stops at "=".
QByteArray DecodeBase64(std::string_view text);
// Two upper-case hexadecimal digits per byte.
std::string EncodeBinHex(QByteArrayView bytes);
// Non-hexadecimal characters are skipped; an odd last digit is dropped.
QByteArray DecodeBinHex(std::string_view text);

// ---- Child elements ----

// The first child element called `key`, null when missing (keys compare case-sensitively).
pugi::xml_node FindValue(const pugi::xml_node& node, std::string_view key);
// The text of that child (empty when missing).
std::string_view ValueText(const pugi::xml_node& node, std::string_view key);
// Appends a child element `key` with the given text and returns it.
pugi::xml_node AddValue(pugi::xml_node node, std::string_view key, std::string_view text);
// Appends an empty child element `key` (a container such as "Font", "Anchors", "Shape").
pugi::xml_node AddElement(pugi::xml_node node, std::string_view key);
// Sets the `Index` attribute (1-based position of a repeated element).
void SetIndexAttribute(pugi::xml_node element, int index);

void WriteBool(pugi::xml_node node, std::string_view key, bool value,
               std::optional<bool> writeDefault = std::nullopt);
bool ReadBool(const pugi::xml_node& node, std::string_view key, bool readDefault);

void WriteInteger(pugi::xml_node node, std::string_view key, std::int64_t value,
                  std::optional<std::int64_t> writeDefault = std::nullopt);
std::int32_t ReadInteger(const pugi::xml_node& node, std::string_view key,
                         std::int32_t readDefault);

// Colour in the platform order $00BBGGRR, written "$" + 8 hexadecimal digits, read as an integer.
void WriteColour(pugi::xml_node node, std::string_view key, std::uint32_t value,
                 std::optional<std::uint32_t> writeDefault = std::nullopt);
std::uint32_t ReadColour(const pugi::xml_node& node, std::string_view key,
                         std::uint32_t readDefault);

// Hexadecimal integer with a fixed number of digits (MasterAlpha: 2), read as an integer.
void WriteHex(pugi::xml_node node, std::string_view key, std::uint32_t value, int digits,
              std::optional<std::uint32_t> writeDefault = std::nullopt);
std::uint32_t ReadHex(const pugi::xml_node& node, std::string_view key, std::uint32_t readDefault);

// Six significant digits. The comparison with the default is on the double values: pass the
// default as the same float the property holds (e.g. 5.905512f).
void WriteFloat(pugi::xml_node node, std::string_view key, double value,
                std::optional<double> writeDefault = std::nullopt);
double ReadFloat(const pugi::xml_node& node, std::string_view key, double readDefault);

// Strings and wide strings alike: UTF-8 in the file. A present but empty element reads as "".
void WriteString(pugi::xml_node node, std::string_view key, const QString& value,
                 std::optional<QString> writeDefault = std::nullopt);
QString ReadString(const pugi::xml_node& node, std::string_view key,
                   const QString& readDefault = {});

// A point element `key` with `X` and `Y` float children (each left out when 0).
void WritePoint(pugi::xml_node node, std::string_view key, QPointF point);
QPointF ReadPoint(const pugi::xml_node& element);   // reads X and Y of the element itself

// Binary text: Base64 (or BinHex) held as a CDATA child so that WriteXml can wrap it in readable
// form. SetBinaryText also serves mixed elements such as the clipboard's "shape".
enum class BinaryEncoding { Base64, BinHex };
void SetBinaryText(pugi::xml_node element, QByteArrayView bytes,
                   BinaryEncoding encoding = BinaryEncoding::Base64);
QByteArray BinaryText(const pugi::xml_node& element,
                      BinaryEncoding encoding = BinaryEncoding::Base64);
void WriteBinary(pugi::xml_node node, std::string_view key, QByteArrayView bytes);
QByteArray ReadBinary(const pugi::xml_node& node, std::string_view key);   // Base64

// Embedded data block `key` (a resource's "Data"): `Size`, `Filter` "Base64", `Buffer`.
void WriteBinaryData(pugi::xml_node node, std::string_view key, QByteArrayView bytes);
// Missing element: empty. `Filter` "Base64" or "BinHex" (a missing Filter means Base64); any
// other value throws "Unsupported binary encoding".
QByteArray ReadBinaryData(const pugi::xml_node& node, std::string_view key);

} // namespace tessaly::document
