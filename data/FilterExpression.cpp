// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/FilterExpression.h"

#include "common/Error.h"
#include "data/FieldValue.h"

#include <QRegularExpression>

namespace lynvar {

struct FilterExpression::Node
{
    enum class Kind
    {
        And,
        Or,
        Not,
        Compare
    } kind = Kind::Compare;
    std::unique_ptr<Node> left, right;
    // Compare
    int field = -1;
    FieldType type = FieldType::Text;
    bool isText = false;
    QString op;
    QVariant literal;
    QRegularExpression like;

    bool eval(const QList<QVariant> &record) const
    {
        switch (kind) {
        case Kind::And:
            return left->eval(record) && right->eval(record);
        case Kind::Or:
            return left->eval(record) || right->eval(record);
        case Kind::Not:
            return !left->eval(record);
        case Kind::Compare:
            break;
        }
        const QVariant &value = record[field];
        if (literal.isNull() || value.isNull()) {
            // Only IS-like tests make sense against null: "= NULL" and "<> NULL".
            if (op == u"=")
                return literal.isNull() && value.isNull();
            if (op == u"<>")
                return literal.isNull() != value.isNull();
            return false;
        }
        if (op == u"LIKE")
            return like.match(value.toString()).hasMatch();
        if (isText && (op == u"=" || op == u"<>")) // the common case, without building sort keys
            return (value.toString().compare(literal.toString(), Qt::CaseInsensitive) == 0) == (op == u"=");
        const int c = fieldvalue::compare(type, value, literal);
        if (op == u"=")
            return c == 0;
        if (op == u"<>")
            return c != 0;
        if (op == u"<")
            return c < 0;
        if (op == u">")
            return c > 0;
        if (op == u"<=")
            return c <= 0;
        return c >= 0;
    }
};

namespace {

class Parser
{
public:
    Parser(const QString &text, const TableDef &table) : m_text(text), m_table(table) {}

    std::unique_ptr<FilterExpression::Node> parse()
    {
        auto node = parseOr();
        skipSpace();
        if (m_pos < m_text.size())
            fail(QStringLiteral("unexpected '%1'").arg(m_text.mid(m_pos, 12)));
        return node;
    }

private:
    using Node = FilterExpression::Node;

    [[noreturn]] void fail(const QString &why) const
    {
        throw Error(QStringLiteral("Filter expression \"%1\" is not valid: %2").arg(m_text, why));
    }

    void skipSpace()
    {
        while (m_pos < m_text.size() && m_text[m_pos].isSpace())
            ++m_pos;
    }

    bool keyword(QStringView word)
    {
        skipSpace();
        const int end = m_pos + int(word.size());
        if (end > m_text.size() ||
            QStringView(m_text).mid(m_pos, word.size()).compare(word, Qt::CaseInsensitive) != 0)
            return false;
        if (end < m_text.size() && (m_text[end].isLetterOrNumber() || m_text[end] == u'_'))
            return false;
        m_pos = end;
        return true;
    }

    std::unique_ptr<Node> combine(Node::Kind kind, std::unique_ptr<Node> l, std::unique_ptr<Node> r)
    {
        auto n = std::make_unique<Node>();
        n->kind = kind;
        n->left = std::move(l);
        n->right = std::move(r);
        return n;
    }

    std::unique_ptr<Node> parseOr()
    {
        auto node = parseAnd();
        while (keyword(u"OR"))
            node = combine(Node::Kind::Or, std::move(node), parseAnd());
        return node;
    }

    std::unique_ptr<Node> parseAnd()
    {
        auto node = parseFactor();
        while (keyword(u"AND"))
            node = combine(Node::Kind::And, std::move(node), parseFactor());
        return node;
    }

    std::unique_ptr<Node> parseFactor()
    {
        if (++m_depth > 200)
            fail(QStringLiteral("nested too deeply"));
        std::unique_ptr<Node> node;
        skipSpace();
        if (keyword(u"NOT")) {
            node = combine(Node::Kind::Not, parseFactor(), nullptr);
        } else if (m_pos < m_text.size() && m_text[m_pos] == u'(') {
            ++m_pos;
            node = parseOr();
            skipSpace();
            if (m_pos >= m_text.size() || m_text[m_pos] != u')')
                fail(QStringLiteral("missing ')'"));
            ++m_pos;
        } else {
            node = parseComparison();
        }
        --m_depth;
        return node;
    }

    QString identifier()
    {
        skipSpace();
        if (m_pos < m_text.size() && m_text[m_pos] == u'[') {
            const int close = m_text.indexOf(u']', m_pos);
            if (close < 0)
                fail(QStringLiteral("missing ']'"));
            QString name = m_text.mid(m_pos + 1, close - m_pos - 1);
            m_pos = close + 1;
            return name;
        }
        const int start = m_pos;
        while (m_pos < m_text.size() && (m_text[m_pos].isLetterOrNumber() || m_text[m_pos] == u'_'))
            ++m_pos;
        if (start == m_pos)
            fail(QStringLiteral("a field name is expected"));
        return m_text.mid(start, m_pos - start);
    }

    QString comparisonOperator()
    {
        skipSpace();
        for (QStringView op : {u"<=", u">=", u"<>", u"=", u"<", u">"}) {
            if (QStringView(m_text).mid(m_pos).startsWith(op)) {
                m_pos += int(op.size());
                return op.toString();
            }
        }
        if (keyword(u"LIKE"))
            return QStringLiteral("LIKE");
        fail(QStringLiteral("a comparison operator is expected"));
    }

    QVariant literal()
    {
        skipSpace();
        if (m_pos < m_text.size() && m_text[m_pos] == u'\'') {
            QString value;
            ++m_pos;
            for (;;) {
                if (m_pos >= m_text.size())
                    fail(QStringLiteral("missing closing quote"));
                const QChar c = m_text[m_pos++];
                if (c == u'\'') {
                    if (m_pos < m_text.size() && m_text[m_pos] == u'\'') {
                        value += u'\'';
                        ++m_pos;
                        continue;
                    }
                    break;
                }
                value += c;
            }
            return value;
        }
        if (keyword(u"NULL"))
            return QVariant();
        if (keyword(u"TRUE"))
            return true;
        if (keyword(u"FALSE"))
            return false;
        const int start = m_pos;
        while (m_pos < m_text.size() && (m_text[m_pos].isDigit() || m_text[m_pos] == u'.' ||
                                         m_text[m_pos] == u'-' || m_text[m_pos] == u'+'))
            ++m_pos;
        bool ok = false;
        const double number = m_text.mid(start, m_pos - start).toDouble(&ok);
        if (!ok)
            fail(QStringLiteral("a value is expected"));
        return number;
    }

    std::unique_ptr<Node> parseComparison()
    {
        auto node = std::make_unique<Node>();
        const QString name = identifier();
        node->field = m_table.indexOf(name);
        if (node->field < 0)
            fail(QStringLiteral("field '%1' not found").arg(name));
        node->type = m_table.fields[node->field].type;
        node->isText = m_table.fields[node->field].isText();
        node->op = comparisonOperator();
        const QVariant value = literal();
        node->literal = value.isNull() ? QVariant() : fieldvalue::fromText(node->type, value.toString());
        if (!value.isNull() && node->literal.isNull())
            fail(QStringLiteral("'%1' is not a value of field '%2'").arg(value.toString(), name));
        if (node->op == u"LIKE") {
            QString pattern = QRegularExpression::escape(value.toString());
            pattern.replace(QStringLiteral("\\*"), QStringLiteral(".*")).replace(u'%', QStringLiteral(".*"));
            node->like = QRegularExpression(QStringLiteral("\\A") + pattern + QStringLiteral("\\z"),
                                            QRegularExpression::CaseInsensitiveOption |
                                                QRegularExpression::DotMatchesEverythingOption);
        }
        return node;
    }

    const QString &m_text;
    const TableDef &m_table;
    int m_pos = 0;
    int m_depth = 0;
};

} // namespace

FilterExpression::FilterExpression() = default;
FilterExpression::~FilterExpression() = default;
FilterExpression::FilterExpression(FilterExpression &&) noexcept = default;
FilterExpression &FilterExpression::operator=(FilterExpression &&) noexcept = default;

FilterExpression FilterExpression::parse(const QString &text, const TableDef &table)
{
    FilterExpression e;
    if (!text.trimmed().isEmpty())
        e.m_root = Parser(text, table).parse();
    return e;
}

bool FilterExpression::matches(const QList<QVariant> &record) const
{
    return !m_root || m_root->eval(record);
}

} // namespace lynvar
