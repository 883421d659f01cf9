// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/FieldValue.h"

#include <QRegularExpression>
#include <array>

namespace lynvar::fieldvalue {
namespace {

using enum FieldType;

const QString IsoFormat = QStringLiteral("yyyy-MM-ddTHH:mm:ss");
const QString IsoFormatWithMs = QStringLiteral("yyyy-MM-ddTHH:mm:ss.zzz");

// Lower-case Cyrillic letters of both languages in the order the two alphabets share.
constexpr char16_t CyrillicOrder[] = u"абвгґдеёєжзиіїйклмнопрстуфхцчшщъыьэюя";
constexpr char16_t CyrillicBase = 0x0400; // letters are given weights above every other character

const std::array<char16_t, 0x100> &cyrillicWeights()
{
    static const std::array<char16_t, 0x100> weights = [] {
        std::array<char16_t, 0x100> w{};
        for (int i = 0; i < 0x100; ++i)
            w[i] = char16_t(CyrillicBase + i); // other Cyrillic letters keep their own order
        const int count = int(std::size(CyrillicOrder)) - 1;
        for (int i = 0; i < count; ++i)
            w[CyrillicOrder[i] - CyrillicBase] = char16_t(0xE000 + i);
        return w;
    }();
    return weights;
}

// Milliseconds are written only when there are some, so whole-second dates keep their old form.
QString dateText(const QDateTime &dt)
{
    if (!dt.isValid())
        return {};
    return dt.toString(dt.time().msec() != 0 ? IsoFormatWithMs : IsoFormat);
}

// Digits at `text[at]`..`text[at + count - 1]` as a number; -1 when one of them is not a digit.
int digits(QStringView text, qsizetype at, int count)
{
    int n = 0;
    for (qsizetype i = at; i < at + count; ++i) {
        if (i >= text.size() || !text[i].isDigit() || text[i].unicode() > u'9')
            return -1;
        n = n * 10 + (text[i].unicode() - u'0');
    }
    return n;
}

// yyyy-MM-dd, optionally followed by T or a blank and HH:mm[:ss[.fraction]]; a fraction of any
// length is read to the millisecond.
QDateTime parseIsoDate(QStringView text)
{
    if (text.size() < 10 || text[4] != u'-' || text[7] != u'-')
        return {};
    const QDate date(digits(text, 0, 4), digits(text, 5, 2), digits(text, 8, 2));
    if (text.size() == 10)
        return date.isValid() ? QDateTime(date, QTime(0, 0)) : QDateTime();
    if (text.size() < 16 || (text[10] != u'T' && text[10] != u' ') || text[13] != u':')
        return {};
    int second = 0, ms = 0;
    qsizetype end = 16;
    if (text.size() > 16) {
        if (text.size() < 19 || text[16] != u':')
            return {};
        second = digits(text, 17, 2);
        end = 19;
        if (text.size() > 19 && (text[19] == u'.' || text[19] == u',')) {
            end = 20;
            int scale = 100;
            for (; end < text.size() && text[end].isDigit() && text[end].unicode() <= u'9';
                 ++end, scale /= 10)
                ms += (text[end].unicode() - u'0') * scale;
            if (end == 20)
                return {};
        }
    }
    const QTime time(digits(text, 11, 2), digits(text, 14, 2), second, ms);
    if (end != text.size() || !date.isValid() || !time.isValid())
        return {};
    return QDateTime(date, time);
}

QDateTime parseDate(const QString &raw)
{
    const QString text = raw.trimmed();
    if (QDateTime dt = parseIsoDate(text); dt.isValid())
        return dt;
    for (const QString &format : {QStringLiteral("dd.MM.yyyy HH:mm:ss.zzz"),
                                  QStringLiteral("dd.MM.yyyy HH:mm:ss"), QStringLiteral("dd.MM.yyyy")}) {
        QDateTime dt = QDateTime::fromString(text, format);
        if (dt.isValid())
            return dt;
    }
    return {};
}

template <typename T> int threeWay(T a, T b)
{
    return a < b ? -1 : (b < a ? 1 : 0);
}

} // namespace

QDateTime zeroDate()
{
    return QDateTime(QDate(1899, 12, 30), QTime(0, 0));
}

QString canonicalDecimal(const QString &text)
{
    static const QRegularExpression form(QStringLiteral("^\\s*([+-]?)(\\d*)(?:[.,](\\d*))?\\s*$"));
    const auto m = form.match(text);
    if (!m.hasMatch() || (m.captured(2).isEmpty() && m.captured(3).isEmpty()))
        return {};
    QString whole = m.captured(2);
    QString fraction = m.captured(3);
    while (whole.size() > 1 && whole.startsWith(u'0'))
        whole.remove(0, 1);
    if (whole.isEmpty())
        whole = QStringLiteral("0");
    if (fraction.size() > 6)
        fraction.truncate(6); // six places are kept, as the field declares
    while (fraction.endsWith(u'0'))
        fraction.chop(1);
    if (whole.size() + fraction.size() > 18)
        return {};
    QString result = whole;
    if (!fraction.isEmpty())
        result += u'.' + fraction;
    if (m.captured(1) == u"-" && result != u"0")
        result.prepend(u'-');
    return result;
}

QVariant normalise(FieldType type, const QVariant &value)
{
    if (!value.isValid() || value.isNull())
        return {};
    bool ok = true;
    switch (type) {
    case AutoNumber:
    case Int16:
    case Int32: {
        if (value.typeId() == QMetaType::QString)
            return fromText(type, value.toString());
        const qint64 v = value.toLongLong(&ok);
        return ok ? QVariant(v) : QVariant();
    }
    case Boolean:
        if (value.typeId() == QMetaType::QString)
            return fromText(type, value.toString());
        return value.toBool();
    case Float: {
        if (value.typeId() == QMetaType::QString)
            return fromText(type, value.toString());
        const double v = value.toDouble(&ok);
        return ok ? QVariant(v) : QVariant();
    }
    case Decimal: {
        if (value.typeId() == QMetaType::Double)
            return canonicalDecimal(QString::number(value.toDouble(), 'f', 6));
        const QString c = canonicalDecimal(value.toString());
        return c.isEmpty() ? QVariant() : QVariant(c);
    }
    case DateTime:
        if (value.typeId() == QMetaType::QDateTime)
            return dateText(value.toDateTime());
        if (value.typeId() == QMetaType::QDate)
            return dateText(QDateTime(value.toDate(), QTime(0, 0)));
        return fromText(type, value.toString());
    case Bytes:
        return value.toByteArray();
    case Text:
    case Memo:
    case RichText:
        return value.toString();
    }
    return {};
}

QVariant fromText(FieldType type, const QString &text)
{
    bool ok = false;
    switch (type) {
    case AutoNumber:
    case Int16:
    case Int32: {
        const qint64 v = text.trimmed().toLongLong(&ok);
        return ok ? QVariant(v) : QVariant();
    }
    case Boolean: {
        const QString t = text.trimmed().toLower();
        if (t == u"true" || t == u"1" || t == u"yes" || t == u"-1")
            return true;
        if (t == u"false" || t == u"0" || t == u"no")
            return false;
        return {};
    }
    case Float: {
        QString t = text.trimmed();
        t.replace(u',', u'.');
        const double v = t.toDouble(&ok);
        return ok ? QVariant(v) : QVariant();
    }
    case Decimal: {
        const QString c = canonicalDecimal(text);
        return c.isEmpty() ? QVariant() : QVariant(c);
    }
    case DateTime: {
        const QDateTime dt = parseDate(text);
        return dt.isValid() ? QVariant(dateText(dt)) : QVariant();
    }
    case Bytes:
        return text.toUtf8();
    case Text:
    case Memo:
    case RichText:
        return text;
    }
    return {};
}

int compare(FieldType type, const QVariant &a, const QVariant &b)
{
    switch (type) {
    case AutoNumber:
    case Int16:
    case Int32:
        return threeWay(a.toLongLong(), b.toLongLong());
    case Boolean:
        return threeWay(int(a.toBool()), int(b.toBool()));
    case Float:
    case Decimal:
        return threeWay(a.toDouble(), b.toDouble());
    case DateTime:
        return QString::compare(a.toString(), b.toString());
    case Bytes:
        return threeWay(a.toByteArray(), b.toByteArray());
    case Text:
    case Memo:
    case RichText:
        break;
    }
    return textSortKey(a.toString()).compare(textSortKey(b.toString()));
}

QString textSortKey(const QString &text)
{
    const auto &weights = cyrillicWeights();
    QString key(text.size(), Qt::Uninitialized);
    QChar *out = key.data();
    for (QChar c : text) {
        const char16_t u = c.toLower().unicode();
        // The apostrophe is part of a Ukrainian word's spelling, not a letter of its order:
        // м'ята sorts as мята, after мама.
        if (u == u'\'' || u == u'\u2019' || u == u'\u02BC')
            continue;
        *out++ = QChar(u >= CyrillicBase && u < CyrillicBase + 0x100 ? weights[u - CyrillicBase] : u);
    }
    key.truncate(out - key.constData());
    return key;
}

int compareNullable(FieldType type, const QVariant &a, const QVariant &b)
{
    const bool an = a.isNull(), bn = b.isNull();
    if (an || bn)
        return an == bn ? 0 : (an ? -1 : 1);
    return compare(type, a, b);
}

QString toText(FieldType type, const QVariant &value)
{
    if (value.isNull())
        return {};
    switch (type) {
    case Boolean:
        return value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    case Float:
        return QString::number(value.toDouble(), 'g', 15);
    case DateTime: {
        const QDateTime dt = toDateTime(type, value);
        return dt.time() == QTime(0, 0) ? dt.toString(QStringLiteral("dd.MM.yyyy"))
                                        : dt.toString(QStringLiteral("dd.MM.yyyy HH:mm:ss"));
    }
    default:
        return value.toString();
    }
}

qint64 toInteger(FieldType type, const QVariant &value)
{
    if (value.isNull())
        return 0;
    if (type == Float || type == Decimal)
        return qRound64(value.toDouble());
    if (type == Text || type == Memo || type == RichText)
        return value.toString().trimmed().toLongLong();
    return value.toLongLong();
}

double toDouble(FieldType type, const QVariant &value)
{
    if (value.isNull())
        return 0.0;
    if (type == Text || type == Memo || type == RichText)
        return fromText(Float, value.toString()).toDouble();
    return value.toDouble();
}

bool toBool(FieldType type, const QVariant &value)
{
    if (value.isNull())
        return false;
    if (type == Text || type == Memo || type == RichText)
        return fromText(Boolean, value.toString()).toBool();
    return value.toBool();
}

QDateTime toDateTime(FieldType type, const QVariant &value)
{
    if (value.isNull())
        return zeroDate();
    Q_UNUSED(type);
    const QDateTime dt = parseDate(value.toString());
    return dt.isValid() ? dt : zeroDate();
}

} // namespace lynvar::fieldvalue
