#include "sql_dialect.h"

#include "field.h"
#include "sqlite_functions.h"
#include "support/errors.h"

#include <QDateTime>
#include <QRegularExpression>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlDriver>

namespace {

// A piece of SQL text: either code, or a quoted literal/identifier copied as it stands.
struct TSegment
{
    QString Text;
    bool Literal = false;
};

// Splits SQL into code and literals: '…' strings (with '' inside), "…" and […] names.
QList<TSegment> SplitLiterals(const QString &sql)
{
    QList<TSegment> segments;
    QString code;
    int i = 0;
    const int n = sql.size();
    while (i < n) {
        const QChar c = sql.at(i);
        QChar close;
        if (c == QLatin1Char('\''))
            close = QLatin1Char('\'');
        else if (c == QLatin1Char('"'))
            close = QLatin1Char('"');
        else if (c == QLatin1Char('['))
            close = QLatin1Char(']');
        if (close.isNull()) {
            code += c;
            ++i;
            continue;
        }
        int j = i + 1;
        while (j < n) {
            if (sql.at(j) == close) {
                // a doubled quote stays inside the literal
                if (close != QLatin1Char(']') && j + 1 < n && sql.at(j + 1) == close) {
                    j += 2;
                    continue;
                }
                break;
            }
            ++j;
        }
        const int end = qMin(j + 1, n);
        if (!code.isEmpty())
            segments.append({code, false});
        code.clear();
        segments.append({sql.mid(i, end - i), true});
        i = end;
    }
    if (!code.isEmpty())
        segments.append({code, false});
    return segments;
}

QString Join(const QList<TSegment> &segments)
{
    QString sql;
    for (const TSegment &segment : segments)
        sql += segment.Text;
    return sql;
}

// "#2008-3-5#" or "#2008-03-05 10:20:30#" → the canonical text the dates are stored in, quoted.
QString RewriteDateLiterals(QString code, bool withTime)
{
    static const QRegularExpression dateLiteral(
        QStringLiteral("#(\\d{4})-(\\d{1,2})-(\\d{1,2})(?:[ T](\\d{1,2}):(\\d{2})(?::(\\d{2}))?)?#"));
    QString result;
    qsizetype last = 0;
    auto it = dateLiteral.globalMatch(code);
    while (it.hasNext()) {
        const auto match = it.next();
        result += QStringView(code).mid(last, match.capturedStart() - last);
        const int year = match.captured(1).toInt();
        const int month = match.captured(2).toInt();
        const int day = match.captured(3).toInt();
        const int hour = match.captured(4).toInt();
        const int minute = match.captured(5).toInt();
        const int second = match.captured(6).toInt();
        QString text = QStringLiteral("%1-%2-%3")
                           .arg(year, 4, 10, QLatin1Char('0'))
                           .arg(month, 2, 10, QLatin1Char('0'))
                           .arg(day, 2, 10, QLatin1Char('0'));
        if (withTime || match.capturedLength(4) > 0)
            text += QStringLiteral(" %1:%2:%3")
                        .arg(hour, 2, 10, QLatin1Char('0'))
                        .arg(minute, 2, 10, QLatin1Char('0'))
                        .arg(second, 2, 10, QLatin1Char('0'));
        result += QLatin1Char('\'') + text + QLatin1Char('\'');
        last = match.capturedEnd();
    }
    result += QStringView(code).mid(last);
    return result;
}

class TSqliteDialect : public TSqlDialect
{
public:
    QString Translate(const QString &sql) const override
    {
        QList<TSegment> segments = SplitLiterals(sql);
        // "left" is a keyword of SQLite (left join); the function is registered under another name.
        static const QRegularExpression leftCall(QStringLiteral("\\bleft\\s*\\("),
                                                 QRegularExpression::CaseInsensitiveOption);
        for (TSegment &segment : segments) {
            if (segment.Literal)
                continue;
            segment.Text = RewriteDateLiterals(segment.Text, true);
            segment.Text.replace(leftCall, QStringLiteral("jet_left("));
        }
        // "select top n …" becomes "select … limit n" when it opens the statement.
        if (!segments.isEmpty() && !segments.first().Literal) {
            static const QRegularExpression top(
                QStringLiteral("^(\\s*select\\s+(?:distinct\\s+)?)top\\s+(\\d+)\\s+"),
                QRegularExpression::CaseInsensitiveOption);
            const auto match = top.match(segments.first().Text);
            if (match.hasMatch()) {
                segments.first().Text.replace(match.capturedStart(), match.capturedLength(),
                                              match.captured(1));
                QString translated = Join(segments);
                while (translated.endsWith(QLatin1Char(';')) ||
                       (!translated.isEmpty() && translated.back().isSpace()))
                    translated.chop(1);
                return translated + QStringLiteral(" limit ") + match.captured(2);
            }
        }
        return Join(segments);
    }

    QVariant BindValue(const QVariant &value) const override
    {
        switch (value.typeId()) {
        case QMetaType::QDateTime:
            return value.isNull() ? QVariant(QMetaType::fromType<QString>())
                                  : QVariant(SqliteDateText(value.toDateTime()));
        case QMetaType::QDate:
            return value.isNull() ? QVariant(QMetaType::fromType<QString>())
                                  : QVariant(SqliteDateText(value.toDate().startOfDay()));
        case QMetaType::Bool:
            return value.isNull() ? QVariant(QMetaType::fromType<int>()) : QVariant(value.toBool() ? 1 : 0);
        default:
            return value;
        }
    }

    void Prepare(QSqlDatabase &db) const override { RegisterSqliteFunctions(db); }
};

class TSqlServerDialect : public TSqlDialect
{
public:
    QString Translate(const QString &sql) const override
    {
        QList<TSegment> segments = SplitLiterals(sql);
        static const QRegularExpression dateDiffOpen(QStringLiteral("\\bDateDiff\\s*\\(\\s*$"),
                                                     QRegularExpression::CaseInsensitiveOption);
        for (int i = 0; i < segments.size(); ++i) {
            TSegment &segment = segments[i];
            if (segment.Literal)
                continue;
            segment.Text = RewriteDateLiterals(segment.Text, false);
            // Jet writes the interval as a string, the server as a bare word: DateDiff('m', …) → DateDiff(m,
            // …)
            if (i + 1 < segments.size() && segments[i + 1].Literal &&
                segments[i + 1].Text.startsWith(QLatin1Char('\'')) &&
                dateDiffOpen.match(segment.Text).hasMatch()) {
                QString &interval = segments[i + 1].Text;
                interval = interval.mid(1, interval.size() - 2);
                segments[i + 1].Literal = false;
                ++i;
            }
        }
        return Join(segments);
    }
};

} // namespace

void TSqlDialect::Prepare(QSqlDatabase &) const {}

TParsedStatement ParseNamedParameters(const QString &sql)
{
    TParsedStatement parsed;
    const QList<TSegment> segments = SplitLiterals(sql);
    for (const TSegment &segment : segments) {
        if (segment.Literal) {
            parsed.Sql += segment.Text;
            continue;
        }
        const QString &code = segment.Text;
        const int n = code.size();
        for (int i = 0; i < n; ++i) {
            const QChar c = code.at(i);
            const bool startsName =
                c == QLatin1Char(':') && i + 1 < n &&
                (code.at(i + 1).isLetter() || code.at(i + 1) == QLatin1Char('_')) &&
                (i == 0 || (code.at(i - 1) != QLatin1Char(':') && !code.at(i - 1).isLetterOrNumber()));
            if (!startsName) {
                parsed.Sql += c;
                continue;
            }
            int j = i + 1;
            while (j < n && (code.at(j).isLetterOrNumber() || code.at(j) == QLatin1Char('_')))
                ++j;
            parsed.ParameterNames.append(code.mid(i + 1, j - i - 1));
            parsed.Sql += QLatin1Char('?');
            i = j - 1;
        }
    }
    return parsed;
}

void CheckParameters(const TParsedStatement &statement, const TDBParameters &params,
                     const TxDBParameters &blobParams, const QString &originalSql)
{
    QSet<QString> used;
    for (const QString &name : statement.ParameterNames)
        used.insert(name.toLower());
    QSet<QString> given;
    auto checkGiven = [&](const QString &name) {
        if (!used.contains(name.toLower()))
            throw EDatabaseError(QStringLiteral("参数 %1 不在SQL语句中\r\n%2").arg(name, originalSql));
        given.insert(name.toLower());
    };
    for (const TDBParameter &param : params)
        checkGiven(param.Name);
    for (const TxDBParameter &param : blobParams)
        checkGiven(param.Name);
    for (const QString &name : statement.ParameterNames) {
        if (!given.contains(name.toLower()))
            throw EDatabaseError(QStringLiteral("参数 %1 没有值\r\n%2").arg(name, originalSql));
    }
}

QString SqliteDateText(const QDateTime &value)
{
    return value.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

QDateTime ParseSqliteDate(QStringView text)
{
    auto digits = [&](int from, int count, int &out) {
        if (from + count > text.size())
            return false;
        int value = 0;
        for (int k = from; k < from + count; ++k) {
            const QChar c = text.at(k);
            if (c < QLatin1Char('0') || c > QLatin1Char('9'))
                return false;
            value = value * 10 + (c.unicode() - '0');
        }
        out = value;
        return true;
    };
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    if (!digits(0, 4, year) || text.size() < 10 || text.at(4) != QLatin1Char('-') || !digits(5, 2, month) ||
        text.at(7) != QLatin1Char('-') || !digits(8, 2, day))
        return {};
    if (text.size() >= 19 && (text.at(10) == QLatin1Char(' ') || text.at(10) == QLatin1Char('T'))) {
        if (!digits(11, 2, hour) || !digits(14, 2, minute) || !digits(17, 2, second))
            return {};
    }
    const QDate date(year, month, day);
    const QTime time(hour, minute, second);
    if (!date.isValid() || !time.isValid())
        return {};
    return CalendarDateTime(date, time);
}

std::unique_ptr<TSqlDialect> MakeSqliteDialect()
{
    return std::make_unique<TSqliteDialect>();
}

std::unique_ptr<TSqlDialect> MakeSqlServerDialect()
{
    return std::make_unique<TSqlServerDialect>();
}
