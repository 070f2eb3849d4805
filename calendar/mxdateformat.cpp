#include "calendar/mxdateformat.h"

namespace {

class Formatter
{
public:
    Formatter(mx::DateTime value, const TmxFormatSettings& settings) : m_settings(settings)
    {
        mx::decodeDate(value, m_year, m_month, m_day);
        if (m_year < 1 || m_year > 9999)
            throw TmxDateFormatError(QStringLiteral("Invalid date for formatting"));
        mx::decodeTime(value, m_hour, m_minute, m_second, m_msec);
        m_dayOfWeek = mx::dayOfWeek(value);
    }

    QString run(const QString& format)
    {
        append(format, 0);
        return m_out;
    }

private:
    static QChar upper(QChar c) { return c.isLower() ? c.toUpper() : c; }

    void number(int value, int digits)
    {
        m_out += QString::number(value).rightJustified(digits, u'0');
    }

    static QString nameAt(const QStringList& names, int index)
    {
        return index >= 0 && index < names.size() ? names.at(index) : QString();
    }

    // The pattern may nest its date and time formats (c, ddddd, t); two levels suffice.
    void append(const QString& f, int level)
    {
        if (level >= 2)
            return;
        QChar lastToken = u' ';
        qsizetype i = 0;
        while (i < f.size()) {
            const QChar starter = f.at(i);
            QChar token = upper(starter);
            ++i;
            if (token >= u'A' && token <= u'Z') {
                if (token == u'M' && lastToken == u'H')
                    token = u'N';
                lastToken = token;
            }
            auto count = [&] {
                int n = 1;
                while (i < f.size() && f.at(i) == starter) {
                    ++n;
                    ++i;
                }
                return n;
            };
            switch (token.unicode()) {
            case u'Y': {
                if (count() <= 2)
                    number(m_year % 100, 2);
                else
                    number(m_year, 4);
                break;
            }
            case u'E':
                count();
                m_out += QString::number(m_year);
                break;
            case u'G':
                count();
                break;
            case u'M': {
                const int n = count();
                if (n <= 2)
                    number(m_month, n);
                else if (n == 3)
                    m_out += nameAt(m_settings.shortMonthNames, m_month - 1);
                else
                    m_out += nameAt(m_settings.longMonthNames, m_month - 1);
                break;
            }
            case u'D': {
                const int n = count();
                if (n <= 2)
                    number(m_day, n);
                else if (n == 3)
                    m_out += nameAt(m_settings.shortDayNames, m_dayOfWeek - 1);
                else if (n == 4)
                    m_out += nameAt(m_settings.longDayNames, m_dayOfWeek - 1);
                else if (n == 5)
                    append(m_settings.shortDateFormat, level + 1);
                else
                    append(m_settings.longDateFormat, level + 1);
                break;
            }
            case u'H': {
                const int n = std::min(count(), 2);
                int hour = m_hour;
                if (usesTwelveHours(f, i)) {
                    if (hour == 0)
                        hour = 12;
                    else if (hour > 12)
                        hour -= 12;
                }
                number(hour, n);
                break;
            }
            case u'N':
                number(m_minute, std::min(count(), 2));
                break;
            case u'S':
                number(m_second, std::min(count(), 2));
                break;
            case u'Z':
                number(m_msec, std::min(count(), 3));
                break;
            case u'T':
                append(count() == 1 ? m_settings.shortTimeFormat : m_settings.longTimeFormat,
                       level + 1);
                break;
            case u'C':
                count();
                append(m_settings.shortDateFormat, level + 1);
                if (m_hour != 0 || m_minute != 0 || m_second != 0) {
                    m_out += u' ';
                    append(m_settings.longTimeFormat, level + 1);
                }
                break;
            case u'A':
                appendAmPm(f, i);
                break;
            case u'/':
                m_out += m_settings.dateSeparator;
                break;
            case u':':
                m_out += m_settings.timeSeparator;
                break;
            case u'\'':
            case u'"': {
                const qsizetype close = f.indexOf(starter, i);
                if (close < 0)
                    throw TmxDateFormatError(
                        QStringLiteral("Unterminated quote in date format \"%1\"").arg(f));
                m_out += f.mid(i, close - i);
                i = close + 1;
                break;
            }
            default:
                m_out += starter;
                break;
            }
        }
    }

    // An hour is written on the 12-hour clock when an am/pm marker follows it
    // before the next hour and outside quotes.
    static bool usesTwelveHours(const QString& f, qsizetype from)
    {
        bool quoted = false;
        for (qsizetype p = from; p < f.size(); ++p) {
            const QChar c = f.at(p);
            if (c == u'\'' || c == u'"') {
                quoted = !quoted;
            } else if (!quoted && (c == u'h' || c == u'H')) {
                return false;
            } else if (!quoted && (c == u'a' || c == u'A')) {
                const QStringView rest = QStringView(f).mid(p);
                return rest.startsWith(u"am/pm", Qt::CaseInsensitive) ||
                       rest.startsWith(u"a/p", Qt::CaseInsensitive) ||
                       rest.startsWith(u"ampm", Qt::CaseInsensitive);
            }
        }
        return false;
    }

    // "i" points just after the starting 'a'.
    void appendAmPm(const QString& f, qsizetype& i)
    {
        const qsizetype start = i - 1;
        const QStringView rest = QStringView(f).mid(start);
        const bool pm = m_hour >= 12;
        if (rest.startsWith(u"am/pm", Qt::CaseInsensitive)) {
            m_out += rest.mid(pm ? 3 : 0, 2);
            i = start + 5;
        } else if (rest.startsWith(u"a/p", Qt::CaseInsensitive)) {
            m_out += rest.mid(pm ? 2 : 0, 1);
            i = start + 3;
        } else if (rest.startsWith(u"ampm", Qt::CaseInsensitive)) {
            m_out += pm ? m_settings.timePMString : m_settings.timeAMString;
            i = start + 4;
        } else if (rest.startsWith(u"aaaa", Qt::CaseInsensitive)) {
            m_out += nameAt(m_settings.longDayNames, m_dayOfWeek - 1);
            i = start + 4;
        } else if (rest.startsWith(u"aaa", Qt::CaseInsensitive)) {
            m_out += nameAt(m_settings.shortDayNames, m_dayOfWeek - 1);
            i = start + 3;
        } else {
            m_out += f.at(start);
        }
    }

    const TmxFormatSettings& m_settings;
    int m_year = 0, m_month = 0, m_day = 0;
    int m_hour = 0, m_minute = 0, m_second = 0, m_msec = 0;
    int m_dayOfWeek = 1;
    QString m_out;
};

QChar firstSeparator(const QString& pattern, QChar fallback)
{
    bool quoted = false;
    for (const QChar c : pattern) {
        if (c == u'\'')
            quoted = !quoted;
        else if (!quoted && !c.isLetter() && !c.isSpace())
            return c;
    }
    return fallback;
}

} // namespace

QString mxPatternFromQt(const QString& qtFormat)
{
    QString out;
    qsizetype i = 0;
    while (i < qtFormat.size()) {
        const QChar c = qtFormat.at(i);
        qsizetype n = 1;
        while (i + n < qtFormat.size() && qtFormat.at(i + n) == c)
            ++n;
        if (c == u'\'') {
            if (n == 2) { // '' is a quote character in Qt patterns
                out += QStringLiteral("\"'\"");
                i += 2;
                continue;
            }
            const qsizetype close = qtFormat.indexOf(u'\'', i + 1);
            const QString literal = qtFormat.mid(i + 1, close < 0 ? -1 : close - i - 1);
            out += u'"' + literal + u'"';
            i = close < 0 ? qtFormat.size() : close + 1;
            continue;
        }
        const QString run(n, c);
        switch (c.unicode()) {
        case u'M':
            out += run.toLower();
            break;
        case u'm':
            out += QString(std::min<qsizetype>(n, 2), u'n');
            break;
        case u'H':
            out += run.toLower();
            break;
        case u'A':
        case u'a':
            // Qt writes "AP"/"ap" for the marker.
            if (i + n < qtFormat.size() &&
                (qtFormat.at(i + n) == u'P' || qtFormat.at(i + n) == u'p')) {
                out += QStringLiteral("ampm");
                ++i;
            } else {
                out += QStringLiteral("ampm");
            }
            break;
        case u't': // the time zone: the calendar has none
            break;
        case u'y':
            out += n <= 2 ? QStringLiteral("yy") : QStringLiteral("yyyy");
            break;
        case u'd':
        case u'h':
        case u's':
        case u'z':
            out += run;
            break;
        default:
            out += c.isLetter() ? u'"' + run + u'"' : run;
            break;
        }
        i += n;
    }
    return out.trimmed();
}

TmxFormatSettings TmxFormatSettings::fromLocale(const QLocale& locale)
{
    TmxFormatSettings s;
    QString shortDate = mxPatternFromQt(locale.dateFormat(QLocale::ShortFormat));
    // Regional short dates with a two-digit year are widened to four digits.
    if (!shortDate.contains(QStringLiteral("yyyy")))
        shortDate.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
    s.shortDateFormat = shortDate;
    s.longDateFormat = mxPatternFromQt(locale.dateFormat(QLocale::LongFormat));
    s.shortTimeFormat = mxPatternFromQt(locale.timeFormat(QLocale::ShortFormat));
    s.longTimeFormat = mxPatternFromQt(locale.timeFormat(QLocale::LongFormat));
    s.dateSeparator = firstSeparator(locale.dateFormat(QLocale::ShortFormat), u'/');
    s.timeSeparator = firstSeparator(locale.timeFormat(QLocale::ShortFormat), u':');
    s.timeAMString = locale.amText();
    s.timePMString = locale.pmText();
    for (int m = 1; m <= 12; ++m) {
        s.shortMonthNames << locale.standaloneMonthName(m, QLocale::ShortFormat);
        s.longMonthNames << locale.standaloneMonthName(m, QLocale::LongFormat);
    }
    for (int d = 0; d < 7; ++d) {
        const int qtDay = d == 0 ? 7 : d; // Sunday first
        s.shortDayNames << locale.standaloneDayName(qtDay, QLocale::ShortFormat);
        s.longDayNames << locale.standaloneDayName(qtDay, QLocale::LongFormat);
    }
    return s;
}

const TmxFormatSettings& TmxFormatSettings::system()
{
    static const TmxFormatSettings settings = fromLocale(QLocale::system());
    return settings;
}

QString mxFormatDateTime(const QString& format, mx::DateTime value,
                         const TmxFormatSettings& settings)
{
    return Formatter(value, settings).run(format);
}
