// Per-label resolution of one shape's value source, over plain inputs. ResolvePage walks a
// label page and calls these for each variable shape; an exception from any of them abandons
// the rest of that page.
#pragma once

#include "values/RecordSource.h"
#include "values/SpecialValueCalculator.h"
#include "values/ValueSource.h"

#include <QString>

#include <optional>

namespace tessaly::values {

// Which shapes a ResolvePage call touches.
enum class ResolveScope : int { All = 0, PicturesOnly = 1, AllButPictures = 2 };

bool ScopeIncludes(ResolveScope scope, ShapeKind kind);

// Everything a label's resolution reads besides the shape itself. Special values go through
// the calculator, which is loaded with each shape's settings and the run numbers.
struct ResolveContext {
    const RecordSource& record;
    RunNumbers run;
    Tvaleurspeciale& calculator;
};

// The special value of a shape's settings for the context's run numbers (no prefix or suffix).
QString SpecialValueFor(const typvaleurspeciale& settings, const ResolveContext& context);

// Extended text: the new text of the shape. Type 2 takes the field, type 3 the special value,
// any other type the shape's `text`; prefix and suffix frame it for every type and
// placeholders are substituted in the whole.
QString ResolveExtendedText(const ValueSource& source, const QString& text, const ResolveContext& context);

// Curved text: type 2 takes the field; placeholders are substituted for every type. No prefix,
// suffix or special value.
QString ResolveCurvedText(const ValueSource& source, const QString& text, const ResolveContext& context);

// Barcode, from its engine `Text` and display `TextAff`: the value both become, or nothing
// when the shape keeps its design value (a record-field type whose display text no longer
// holds a placeholder, or an unknown value type). Record-field and special values are framed
// by prefix and suffix and completed with the key type when it is not empty.
std::optional<QString> ResolveBarcodeValue(const ValueSource& source, const QString& text,
                                           const QString& textAff, const ResolveContext& context);

// DataMatrix, from its `Code` and display text ("FTextAff"): as for the barcode without key;
// only `Code` receives the value.
std::optional<QString> ResolveDataMatrixValue(const ValueSource& source, const QString& code,
                                              const QString& textAff, const ResolveContext& context);

// Extended picture: the path to reload the picture from, for a record-field source with a
// field number above 0; nothing for pictures that keep theirs.
std::optional<QString> ResolvePicturePath(std::int32_t valueType, std::int32_t fieldNumber,
                                          const ResolveContext& context);

} // namespace tessaly::values
