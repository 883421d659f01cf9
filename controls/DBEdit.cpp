// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/DBEdit.h"

#include "data/FieldValue.h"
#include "data/Schema.h"

#include <QKeyEvent>

namespace lynvar {
namespace {

// Whether the field takes the text as it stands: empty text clears any field.
bool takes(const FieldDef &def, const QString &text)
{
    return def.isText() || text.isEmpty() || !fieldvalue::fromText(def.type, text).isNull();
}

} // namespace

DBEdit::DBEdit(QWidget *parent) : QLineEdit(parent)
{
    connect(&m_link, &FieldLink::showRecord, this, &DBEdit::showRecord);
    connect(this, &QLineEdit::textEdited, this, &DBEdit::userEdited);
    connect(this, &QLineEdit::editingFinished, this, &DBEdit::commit);
    showRecord();
}

void DBEdit::showRecord()
{
    m_showing = true;
    const FieldDef *def = m_link.fieldDef();
    setMaxLength(def && def->type == FieldType::Text && def->width > 0 ? def->width : 32767);
    setText(m_link.text());
    setCursorPosition(0);
    setModified(false);
    QLineEdit::setReadOnly(!m_link.canModify());
    m_showing = false;
}

void DBEdit::userEdited(const QString &text)
{
    if (m_showing || !m_link.canModify())
        return;
    try {
        if (takes(*m_link.fieldDef(), text)) {
            m_link.write(text.isEmpty() ? QVariant() : QVariant(text));
        } else {
            m_link.startEdit();
            m_link.holdUnwrittenInput(true);
        }
    } catch (...) {
        m_link.reload();
        raiseInEventLoop(std::current_exception());
    }
}

void DBEdit::commit()
{
    if (!m_link.holdsUnwrittenInput())
        return;
    try {
        updateRecord();
    } catch (...) {
        m_link.reload();
        raiseInEventLoop(std::current_exception());
    }
}

void DBEdit::updateRecord()
{
    if (!m_link.holdsUnwrittenInput())
        return;
    const QString input = text();
    // A refused value throws lynvar::Error; the record keeps its value.
    m_link.write(input.isEmpty() ? QVariant() : QVariant(input));
}

void DBEdit::keyPressEvent(QKeyEvent *event)
{
    // Escape drops input that never reached the record.
    if (event->key() == Qt::Key_Escape && m_link.holdsUnwrittenInput()) {
        m_link.reload();
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

} // namespace lynvar
