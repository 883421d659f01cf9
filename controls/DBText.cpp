// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/DBText.h"

namespace lynvar {

DBText::DBText(QWidget *parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    m_link.setReadOnly(true);
    connect(&m_link, &FieldLink::showRecord, this, [this] { setText(m_link.text()); });
}

} // namespace lynvar
