// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/FilterExpression.h"

#include "common/Error.h"
#include "data/FieldValue.h"

#include <algorithm>

namespace lynvar {
namespace {

// A filter is typed or built by the program; anything longer or deeper is refused before it is
// parsed, so neither parsing, evaluating nor freeing the tree can run out of stack.
constexpr int MaxLength = 65536;
constexpr int MaxDepth = 64;

// `pattern` already case-folded; '%' and '*' stand for any run of characters, '_' and '?' for one.
// Greedy with one back-track point: linear for ordinary patterns, never exponential.
bool wildcardMatch(QStringView text, QStringView pattern)
{
    qsizetype t = 0, p = 0, starP = -1, starT = 0;
    const auto many = [](QChar c) { return c == u'%' || c == u'*'; };
    const auto one = [](QChar c) { return c == u'_' || c == u'?'; };
    while (t < text.size()) {
        if (p < pattern.size() && many(pattern[p])) {
            starP = ++p;
            starT = t;
        } else if (p < pattern.size() && (one(pattern[p]) || pattern[p] == text[t])) {
            ++p;
            ++t;
        } else if (starP >= 0) {
            p = starP;
            t = ++starT;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && many(pattern[p]))
        ++p;
    return p == pattern.size();
}

} // namespace

struct FilterExpression::Node
{
    enum class Kind
    {
        And,
        Or,
        Not,
        Compare
    } kind = Kind::Compare;
    enum class Op
    {
        Equal,
        NotEqual,
        Less,
        Greater,
        LessOrEqual,
        GreaterOrEqual,
        Like
    };
    // And, Or: two or more, evaluated in a loop however long the chain; Not: one.
    std::vector<std::unique_ptr<Node>> children;
    // Compare
    int field = -1;
    FieldType type = FieldType::Text;
    bool isText = false;
    Op op = Op::Equal;
    QVariant literal; // for Like: the case-folded pattern

    bool eval(const QList<QVariant> &record) const
    {
        switch (kind) {
        case Kind::And:
            return std::all_of(children.begin(), children.end(),
                               [&](const auto &c) { return c->eval(record); });
        case Kind::Or:
            return std::any_of(children.begin(), children.end(),
                               [&](const auto &c) { return c->eval(record); });
        case Kind::Not:
            return !children.front()->eval(record);
        case Kind::Compare:
            break;
        }
        const QVariant &value = record[field];
        if (literal.isNull() || value.isNull()) {
            // Only IS-like tests make sense against null: "= NULL" and "<> NULL".
            if (op == Op::Equal)
                return literal.isNull() && value.isNull();
            if (op == Op::NotEqual)
                return literal.isNull() != value.isNull();
            return false;
        }
        if (op == Op::Like) {
            const QString text = isText ? value.toString() : fieldvalue::toText(type, value);
            return wildcardMatch(text.toCaseFolded(), literal.toString());
        }
        if (isText && (op == Op::Equal || op == Op::NotEqual)) // the common case, without sort keys
            return (value.toString().compare(literal.toString(), Qt::CaseInsensitive) == 0) ==
                   (op == Op::Equal);
        const int c = fieldvalue::compare(type, value, literal);
        switch (op) {
        case Op::Equal:
            return c == 0;
        case Op::NotEqual:
            return c != 0;
        case Op::Less:
            return c < 0;
        case Op::Greater:
            return c > 0;
        case Op::LessOrEqual:
            return c <= 0;
        case Op::GreaterOrEqual:
        case Op::Like:
            break;
        }
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
        if (m_text.size() > MaxLength)
            fail(QStringLiteral("it is longer than %1 characters").arg(MaxLength));
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
        // A long filter is named by its beginning only.
        const QString shown = m_text.size() > 80 ? m_text.left(80) + QStringLiteral("…") : m_text;
        throw Error(QStringLiteral("Filter expression \"%1\" is not valid: %2").arg(shown, why));
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

    // A chain of one operator becomes one node with every operand as its child.
    std::unique_ptr<Node> chain(Node::Kind kind, QStringView word, std::unique_ptr<Node> (Parser::*operand)())
    {
        auto first = (this->*operand)();
        if (!keyword(word))
            return first;
        auto node = std::make_unique<Node>();
        node->kind = kind;
        node->children.push_back(std::move(first));
        do
            node->children.push_back((this->*operand)());
        while (keyword(word));
        return node;
    }

    std::unique_ptr<Node> parseOr() { return chain(Node::Kind::Or, u"OR", &Parser::parseAnd); }
    std::unique_ptr<Node> parseAnd() { return chain(Node::Kind::And, u"AND", &Parser::parseFactor); }

    std::unique_ptr<Node> parseFactor()
    {
        std::unique_ptr<Node> node;
        skipSpace();
        if (keyword(u"NOT")) {
            enter();
            node = std::make_unique<Node>();
            node->kind = Node::Kind::Not;
            node->children.push_back(parseFactor());
            --m_depth;
        } else if (m_pos < m_text.size() && m_text[m_pos] == u'(') {
            enter();
            ++m_pos;
            node = parseOr();
            skipSpace();
            if (m_pos >= m_text.size() || m_text[m_pos] != u')')
                fail(QStringLiteral("missing ')'"));
            ++m_pos;
            --m_depth;
        } else {
            node = parseComparison();
        }
        return node;
    }

    void enter()
    {
        if (++m_depth > MaxDepth)
            fail(QStringLiteral("it is nested more than %1 levels deep").arg(MaxDepth));
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

    Node::Op comparisonOperator()
    {
        skipSpace();
        static const std::pair<QStringView, Node::Op> ops[] = {
            {u"<=", Node::Op::LessOrEqual}, {u">=", Node::Op::GreaterOrEqual},
            {u"<>", Node::Op::NotEqual},    {u"=", Node::Op::Equal},
            {u"<", Node::Op::Less},         {u">", Node::Op::Greater}};
        for (const auto &[text, op] : ops) {
            if (QStringView(m_text).mid(m_pos).startsWith(text)) {
                m_pos += int(text.size());
                return op;
            }
        }
        if (keyword(u"LIKE"))
            return Node::Op::Like;
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
        if (node->op == Node::Op::Like) {
            // A pattern matches the field's text, whatever its type.
            node->literal = value.isNull() ? QVariant() : QVariant(value.toString().toCaseFolded());
            return node;
        }
        node->literal = value.isNull() ? QVariant() : fieldvalue::fromText(node->type, value.toString());
        if (!value.isNull() && node->literal.isNull())
            fail(QStringLiteral("'%1' is not a value of field '%2'").arg(value.toString(), name));
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
