// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/DBMemo.h"

#include <QRegularExpression>

namespace lynvar {

DBMemo::DBMemo(QWidget *parent) : QPlainTextEdit(parent)
{
    connect(&m_link, &FieldLink::showRecord, this, &DBMemo::showRecord);
    connect(this, &QPlainTextEdit::textChanged, this, &DBMemo::userEdited);
    showRecord();
}

void DBMemo::showRecord()
{
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r"));
    m_showing = true;
    setPlainText(QString(m_link.text()).replace(lineBreak, QStringLiteral("\n")));
    QPlainTextEdit::setReadOnly(!m_link.canModify());
    m_showing = false;
}

void DBMemo::userEdited()
{
    if (m_showing || !m_link.canModify())
        return;
    try {
        const QString text = toPlainText();
        m_link.write(text.isEmpty() ? QVariant() : QVariant(text));
    } catch (...) {
        m_link.reload();
        raiseInEventLoop(std::current_exception());
    }
}

} // namespace lynvar
