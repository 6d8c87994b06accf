// Date and time formatting with the format letters of special values (dd/mm/yyyy hh:nn:ss ...).
#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

namespace tessaly::values {

// The locale's date separator (the first punctuation of its short date format; "/" if none).
QString DateSeparator(const QLocale& locale);
// The locale's time separator (the first punctuation of its short time format; ":" if none).
QString TimeSeparator(const QLocale& locale);

// Formats `moment` with `format`. Letters, in either case:
//   d dd ddd dddd     day, two digits, short and long day name
//   m mm mmm mmmm     month, two digits, short and long month name;
//                     m and mm right after an h or hh stand for the minutes
//   yy yyyy           two- and four-digit year (one or two y: two digits, more: four)
//   h hh  n nn  s ss  hours (0-23), minutes, seconds, with or without a leading zero
//   z zzz             milliseconds
// "/" and ":" give the locale's separators; text between '...' or "..." is copied as is;
// every other character is copied unchanged.
QString FormatDateTime(const QString& format, const QDateTime& moment, const QLocale& locale);

} // namespace tessaly::values
