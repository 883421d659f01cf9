// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/DBRadioGroup.h"

#include "data/FieldValue.h"
#include "data/Schema.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

namespace lynvar {
namespace {

// A radio button that only the group may check while the field cannot be changed.
class GroupButton final : public QRadioButton
{
public:
    GroupButton(const QString &text, const FieldLink &link, QWidget *parent)
        : QRadioButton(text, parent), m_link(link)
    {
    }

protected:
    void nextCheckState() override
    {
        if (m_link.canModify())
            QRadioButton::nextCheckState();
    }

private:
    const FieldLink &m_link;
};

} // namespace

DBRadioGroup::DBRadioGroup(QWidget *parent) : DBRadioGroup(QString(), parent) {}

DBRadioGroup::DBRadioGroup(const QString &title, QWidget *parent)
    : QGroupBox(title, parent), m_layout(new QVBoxLayout(this)), m_group(new QButtonGroup(this))
{
    m_group->setExclusive(true);
    connect(&m_link, &FieldLink::showRecord, this, &DBRadioGroup::showRecord);
    connect(m_group, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked)
            userChecked(id);
    });
}

void DBRadioGroup::setItems(const QStringList &captions, const QStringList &values)
{
    if (!values.isEmpty() || m_values.size() > captions.size())
        m_values = values;
    const QList<QAbstractButton *> old = m_group->buttons();
    m_showing = true;
    for (int i = 0; i < captions.size(); ++i) {
        if (i < old.size()) {
            old[i]->setText(captions[i]);
            continue;
        }
        auto *button = new GroupButton(captions[i], m_link, this);
        m_group->addButton(button, i);
        m_layout->addWidget(button);
    }
    for (int i = int(captions.size()); i < old.size(); ++i) {
        m_group->removeButton(old[i]);
        delete old[i];
    }
    m_showing = false;
    showRecord();
}

QStringList DBRadioGroup::items() const
{
    QStringList captions;
    for (QAbstractButton *b : m_group->buttons())
        captions << b->text();
    return captions;
}

QStringList DBRadioGroup::values() const
{
    QStringList list;
    for (int i = 0; i < m_group->buttons().size(); ++i)
        list << valueOf(i);
    return list;
}

QString DBRadioGroup::valueOf(int index) const
{
    return index < m_values.size() ? m_values[index] : m_group->button(index)->text();
}

int DBRadioGroup::itemIndex() const
{
    return m_group->checkedId();
}

QRadioButton *DBRadioGroup::button(int index) const
{
    return static_cast<QRadioButton *>(m_group->button(index));
}

void DBRadioGroup::showRecord()
{
    m_showing = true;
    int index = -1;
    if (m_link.hasRecord() && !m_link.value().isNull()) {
        const FieldDef *def = m_link.fieldDef();
        for (int i = 0; i < m_group->buttons().size(); ++i) {
            // Texts match exactly ("+" is not "+ "); numbers, dates and yes/no by value.
            const QVariant v = fieldvalue::fromText(def->type, valueOf(i));
            const bool match = def->isText()
                                   ? valueOf(i) == m_link.text()
                                   : !v.isNull() && fieldvalue::compare(def->type, v, m_link.value()) == 0;
            if (match) {
                index = i;
                break;
            }
        }
    }
    if (index >= 0) {
        m_group->button(index)->setChecked(true);
    } else if (QAbstractButton *checked = m_group->checkedButton()) {
        // An exclusive group cannot uncheck its last button.
        m_group->setExclusive(false);
        checked->setChecked(false);
        m_group->setExclusive(true);
    }
    m_showing = false;
}

void DBRadioGroup::userChecked(int index)
{
    if (m_showing || !m_link.canModify())
        return;
    try {
        m_link.write(valueOf(index));
    } catch (...) {
        m_link.reload();
        raiseInEventLoop(std::current_exception());
    }
}

} // namespace lynvar
