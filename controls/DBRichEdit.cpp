// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/DBRichEdit.h"

#include "common/rtf/Rtf.h"

namespace lynvar {

DBRichEdit::DBRichEdit(QWidget *parent) : QTextEdit(parent)
{
    setAcceptRichText(true);
    connect(&m_link, &FieldLink::showRecord, this, &DBRichEdit::showRecord);
    connect(this, &QTextEdit::textChanged, this, &DBRichEdit::userEdited);
    showRecord();
}

void DBRichEdit::bind(DataSource *source, const QString &fieldName)
{
    m_link.setFieldName(fieldName);
    m_link.setDataSource(source);
}

void DBRichEdit::showRecord()
{
    m_showing = true;
    if (m_link.hasRecord())
        rtf::readInto(*document(), m_link.text());
    else
        rtf::readInto(*document(), QString());
    // Every record is shown from its beginning, not scrolled to where the loading left the caret.
    moveCursor(QTextCursor::Start);
    QTextEdit::setReadOnly(!m_link.canModify());
    m_showing = false;
    Q_EMIT changed();
}

void DBRichEdit::userEdited()
{
    if (m_showing)
        return;
    if (m_link.canModify()) {
        try {
            m_link.write(rtf::write(*document()));
        } catch (...) {
            m_link.reload();
            raiseInEventLoop(std::current_exception());
            return;
        }
    }
    Q_EMIT changed();
}

void DBRichEdit::focusInEvent(QFocusEvent *event)
{
    QTextEdit::focusInEvent(event);
    Q_EMIT entered();
}

void DBRichEdit::enterEvent(QEnterEvent *event)
{
    QTextEdit::enterEvent(event);
    Q_EMIT mouseEntered();
}

} // namespace lynvar
