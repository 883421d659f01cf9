// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/DBRichEdit.h"

#include "common/rtf/Rtf.h"

#include <QTimer>

namespace lynvar {

DBRichEdit::DBRichEdit(QWidget *parent) : QTextEdit(parent)
{
    setAcceptRichText(true);
    connect(&m_link, &FieldLink::showRecord, this, &DBRichEdit::showRecord);
    connect(this, &QTextEdit::textChanged, this, &DBRichEdit::userEdited);
    showRecord();
}

void DBRichEdit::showRecord()
{
    // A view nobody can see is filled when it is shown: laying out a long text is the dearest
    // part of showing a record, and most views sit on pages that are not open.
    if (isVisible())
        loadRecord();
    else
        m_stale = true;
    QTextEdit::setReadOnly(!m_link.canModify());
    Q_EMIT changed();
}

void DBRichEdit::loadRecord()
{
    m_showing = true;
    if (m_link.hasRecord())
        rtf::readInto(*document(), m_link.text());
    else
        rtf::readInto(*document(), QString());
    // Every record is shown from its beginning, not scrolled to where the loading left the caret.
    moveCursor(QTextCursor::Start);
    m_showing = false;
    m_stale = false;
}

void DBRichEdit::showEvent(QShowEvent *event)
{
    // Filled once the window around it has been drawn, so that showing a page (and starting the
    // program) is not held up by laying out a long text.
    if (m_stale)
        QTimer::singleShot(0, this, [this] {
            if (m_stale && isVisible())
                loadRecord();
        });
    QTextEdit::showEvent(event);
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
