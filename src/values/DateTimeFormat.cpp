// The format-letter interpreter behind date and time special values.
#include "values/DateTimeFormat.h"

namespace tessaly::values {

namespace {

QString firstSeparator(const QString& localeFormat, const QString& fallback)
{
    for (const QChar c : localeFormat) {
        if (!c.isLetter() && !c.isSpace() && c != u'\'')
            return QString(c);
    }
    return fallback;
}

QString twoDigits(int value)
{
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

// Interprets one run of `count` equal letters (lower case). `afterHour` is true when the
// previous letter run was an hour, which turns m into minutes.
QString formatRun(char letter, qsizetype count, bool afterHour, const QDateTime& moment,
                  const QLocale& locale)
{
    const QDate date = moment.date();
    const QTime time = moment.time();
    switch (letter) {
    case 'd':
        if (count == 1) return QString::number(date.day());
        if (count == 2) return twoDigits(date.day());
        return locale.dayName(date.dayOfWeek(), count == 3 ? QLocale::ShortFormat : QLocale::LongFormat);
    case 'm':
        if (afterHour && count <= 2)
            return count == 1 ? QString::number(time.minute()) : twoDigits(time.minute());
        if (count == 1) return QString::number(date.month());
        if (count == 2) return twoDigits(date.month());
        return locale.monthName(date.month(), count == 3 ? QLocale::ShortFormat : QLocale::LongFormat);
    case 'y':
        if (count <= 2) return twoDigits(((date.year() % 100) + 100) % 100);
        return QStringLiteral("%1").arg(date.year(), 4, 10, QLatin1Char('0'));
    case 'h':
        return count == 1 ? QString::number(time.hour()) : twoDigits(time.hour());
    case 'n':
        return count == 1 ? QString::number(time.minute()) : twoDigits(time.minute());
    case 's':
        return count == 1 ? QString::number(time.second()) : twoDigits(time.second());
    case 'z':
        return count < 3 ? QString::number(time.msec())
                         : QStringLiteral("%1").arg(time.msec(), 3, 10, QLatin1Char('0'));
    }
    return {};
}

bool isFormatLetter(char c)
{
    return c == 'd' || c == 'm' || c == 'y' || c == 'h' || c == 'n' || c == 's' || c == 'z';
}

} // namespace

QString DateSeparator(const QLocale& locale)
{
    return firstSeparator(locale.dateFormat(QLocale::ShortFormat), QStringLiteral("/"));
}

QString TimeSeparator(const QLocale& locale)
{
    return firstSeparator(locale.timeFormat(QLocale::ShortFormat), QStringLiteral(":"));
}

QString FormatDateTime(const QString& format, const QDateTime& moment, const QLocale& locale)
{
    const QString dateSeparator = DateSeparator(locale);
    const QString timeSeparator = TimeSeparator(locale);
    QString out;
    bool afterHour = false;
    qsizetype i = 0;
    while (i < format.size()) {
        const QChar c = format[i];
        const char letter = c.unicode() < 128 ? static_cast<char>(c.toLower().unicode()) : '\0';
        if (isFormatLetter(letter)) {
            qsizetype count = 1;
            while (i + count < format.size() && format[i + count].toLower() == QLatin1Char(letter))
                ++count;
            out += formatRun(letter, count, afterHour, moment, locale);
            afterHour = letter == 'h';
            i += count;
        } else if (c == u'\'' || c == u'"') {
            const qsizetype end = format.indexOf(c, i + 1);
            const qsizetype stop = end < 0 ? format.size() : end;
            out += QStringView(format).mid(i + 1, stop - i - 1);
            i = stop + 1;
        } else {
            out += c == u'/' ? dateSeparator : c == u':' ? timeSeparator : QString(c);
            ++i;
        }
    }
    return out;
}

} // namespace tessaly::values
