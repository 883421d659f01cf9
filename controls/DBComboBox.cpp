// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/DBComboBox.h"

#include "data/Schema.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QWheelEvent>

namespace lynvar {

DBComboBox::DBComboBox(QWidget *parent) : QComboBox(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    connect(&m_link, &FieldLink::showRecord, this, &DBComboBox::showRecord);
    // Typing, a pick from the list and the arrow keys all end in the edit text; a change that the
    // record did not cause is the user's.
    connect(lineEdit(), &QLineEdit::textChanged, this, &DBComboBox::userEdited);
    showRecord();
}

void DBComboBox::setItems(const QStringList &items)
{
    m_showing = true;
    clear();
    addItems(items);
    m_showing = false;
    showRecord();
}

QStringList DBComboBox::items() const
{
    QStringList list;
    for (int i = 0; i < count(); ++i)
        list << itemText(i);
    return list;
}

void DBComboBox::showRecord()
{
    m_showing = true;
    const QString text = m_link.text();
    setCurrentIndex(findText(text, Qt::MatchFixedString | Qt::MatchCaseSensitive));
    setEditText(text);
    const FieldDef *def = m_link.fieldDef();
    lineEdit()->setMaxLength(def && def->type == FieldType::Text && def->width > 0 ? def->width : 32767);
    lineEdit()->setCursorPosition(0);
    lineEdit()->setReadOnly(!m_link.canModify());
    m_showing = false;
}

void DBComboBox::userEdited(const QString &text)
{
    if (m_showing || !m_link.canModify())
        return;
    try {
        m_link.write(text.isEmpty() ? QVariant() : QVariant(text));
    } catch (...) {
        m_link.reload();
        raiseInEventLoop(std::current_exception());
    }
}

void DBComboBox::showPopup()
{
    if (m_link.canModify())
        QComboBox::showPopup();
}

void DBComboBox::keyPressEvent(QKeyEvent *event)
{
    // The arrow and page keys pick items; read-only, they pick nothing.
    if (!m_link.canModify() && event->key() != Qt::Key_Tab && event->key() != Qt::Key_Backtab) {
        event->ignore();
        return;
    }
    QComboBox::keyPressEvent(event);
}

void DBComboBox::wheelEvent(QWheelEvent *event)
{
    if (!m_link.canModify()) {
        event->ignore();
        return;
    }
    QComboBox::wheelEvent(event);
}

} // namespace lynvar
