// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/DBCheckBox.h"

#include "data/FieldValue.h"
#include "data/Schema.h"

namespace lynvar {

DBCheckBox::DBCheckBox(QWidget *parent) : DBCheckBox(QString(), parent) {}

DBCheckBox::DBCheckBox(const QString &text, QWidget *parent) : QCheckBox(text, parent)
{
    connect(&m_link, &FieldLink::showRecord, this, &DBCheckBox::showRecord);
    connect(this, &QCheckBox::toggled, this, &DBCheckBox::userToggled);
    showRecord();
}

void DBCheckBox::showRecord()
{
    m_showing = true;
    const FieldDef *def = m_link.fieldDef();
    setChecked(m_link.hasRecord() && fieldvalue::toBool(def->type, m_link.value()));
    m_showing = false;
}

void DBCheckBox::nextCheckState()
{
    // Clicks and the space key come here; without a record or when read-only they change nothing.
    if (m_link.canModify())
        QCheckBox::nextCheckState();
}

void DBCheckBox::userToggled(bool checked)
{
    if (m_showing || !m_link.canModify())
        return;
    try {
        m_link.write(checked);
    } catch (...) {
        m_link.reload();
        raiseInEventLoop(std::current_exception());
    }
}

} // namespace lynvar
