// Field placeholders "[*1*]".."[*15*]" in label texts.
#pragma once

#include "values/RecordSource.h"

#include <QString>

namespace tessaly::values {

// "[*" n "*]", the placeholder of field n.
QString PlaceholderText(int n);

// Replaces every "[*1*]".."[*15*]" of `text` by the field of that number. Field values put in
// are not searched again, so a record holding placeholder text cannot make the result grow
// without bound. A text without "[*" is returned unchanged and reads no field.
QString SubstitutePlaceholders(const QString& text, const RecordSource& record);

// True when the text holds one of "[*1*]".."[*15*]".
bool ContainsPlaceholder(const QString& text);

// Result of ParsePlaceholder: `result` 2 when the text has the placeholder's frame, with `n`
// the integer inside it (0 when it is none); `result` 1 and n 0 otherwise.
struct PlaceholderParse {
    int result = 1;
    int n = 0;
    bool isPlaceholder() const { return result == 2; }
};

// Reads a display text such as "[*3*]": longer than two characters, starting with "[*" and
// ending with "*]". The number need not lie in 1..15 and may have leading zeros.
PlaceholderParse ParsePlaceholder(const QString& text);

} // namespace tessaly::values
