// The value-source settings every variable shape carries: value type, field number and the
// special-value record, plus the run numbers of the label being resolved.
#pragma once

#include <QString>

#include <array>
#include <cstdint>

namespace tessaly::values {

// Stored per shape as "Ftypevaleur".
enum class ValueType : std::int32_t { Fixed = 1, RecordField = 2, Special = 3 };

// Stored per shape as "Ftypevaleurspeciale"; the panels' kind list shows them at index kind - 1.
enum class SpecialKind : std::int32_t { DateTime = 1, Counter = 2 };

// Counter number parameter 2.
enum class CounterMode : std::int32_t { PerLabel = 1, PerRecord = 2 };

// The kinds of shape that carry a value source.
enum class ShapeKind { ExtendedText, CurvedText, Barcode, DataMatrix, ExtendedPicture };

inline constexpr int kFirstField = 1;
inline constexpr int kLastField = 15;

// Key types a barcode value can be completed with ("" means no key).
inline constexpr std::array<const char*, 6> kKeyTypes{"", "EAN13", "EAN8", "UPCA", "EAN14", "SSCC"};

// The special-value settings record. The shape keys are given with each field.
struct typvaleurspeciale {
    std::int32_t kind = 0;             // "Ftypevaleurspeciale": 1 date and time, 2 counter
    QString prefix;                    // "Fprefixe"
    QString suffix;                    // "Fsuffixe"
    std::array<QString, 4> text;       // "Fvaleurspeciale1".."4"
    std::array<std::int32_t, 4> number{}; // "Fvaleurspecialeint1".."4"
    QString keyType;                   // "Ftypechecksum" (barcodes only)

    // Date and time: text[0] format, number[0..2] offsets in days, months, years.
    // Counter: text[0] "O" restarts at each record, number[0] start, number[1] CounterMode,
    // number[2] increment, number[3] zero-padded width.
    friend bool operator==(const typvaleurspeciale&, const typvaleurspeciale&) = default;
};

// The whole value source of one shape, as its stored keys hold it. Every member defaults to the
// stored default (0 or empty); a shape inserted by the user sets valueType to 1 itself.
struct ValueSource {
    std::int32_t valueType = 0;                                           // "Ftypevaleur"
    std::int32_t fieldNumber = 0;                                         // "Fnuchamp"
    typvaleurspeciale special;

    friend bool operator==(const ValueSource&, const ValueSource&) = default;
};

// The numbers of the label being resolved, all counted from 1 within a print run.
struct RunNumbers {
    std::int32_t label = 1;
    std::int32_t record = 1;
    std::int32_t copy = 1;
};

} // namespace tessaly::values
