// SPDX-License-Identifier: GPL-3.0-or-later
#include "i18n/ContentBindings.h"

#include "controls/DBGrid.h"
#include "controls/DBLookupComboBox.h"
#include "controls/FieldControl.h"
#include "i18n/LanguageTargets.h"

using namespace Qt::StringLiterals;

namespace lynvar::contentbindings {
namespace {

ContentBinding field(LanguageWindow window, const QString &control, const QString &stem,
                     bool shortSuffix = false)
{
    return {window,
            control,
            ContentBinding::Field,
            -1,
            stem + (shortSuffix ? u"Ukr"_s : u"UA"_s),
            stem + (shortSuffix ? u"Rus"_s : u"RU"_s)};
}

ContentBinding column(const QString &grid, int column, const QString &stem, bool shortSuffix = false)
{
    return {LanguageWindow::Main,
            grid,
            ContentBinding::Column,
            column,
            stem + (shortSuffix ? u"Ukr"_s : u"UA"_s),
            stem + (shortSuffix ? u"Rus"_s : u"RU"_s)};
}

ContentBinding listField(const QString &box)
{
    return {LanguageWindow::EntryEditor, box, ContentBinding::ListField, -1, u"NameUkr"_s, u"NameRus"_s};
}

constexpr bool Short = true;
constexpr LanguageWindow Main = LanguageWindow::Main;

} // namespace

const std::vector<ContentBinding> &all()
{
    static const std::vector<ContentBinding> bindings = {
        field(LanguageWindow::About, u"DBRichEditAbout"_s, u"ValueRTF"_s, Short),
        field(Main, u"DBRichEditKuhnya"_s, u"Recept"_s),
        column(u"DBGridKuhnyaName"_s, 0, u"Name"_s),
        field(Main, u"DBRichEditAnecdot"_s, u"Anecdot"_s),
        column(u"DBGridAnecdot"_s, 0, u"Name"_s),
        field(Main, u"DBRichEditRybalkaOpys"_s, u"Opys"_s),
        column(u"DBGridRybalkaName"_s, 0, u"Name"_s),
        field(Main, u"DBRichEditVuzly"_s, u"Opys"_s),
        column(u"DBGridVuzly"_s, 0, u"Name"_s),
        field(Main, u"DBRichEditFishOpys"_s, u"Opys"_s),
        column(u"DBGridFish"_s, 0, u"Name"_s),
        field(Main, u"CUkr"_s, u"Classis"_s),
        field(Main, u"OUkr"_s, u"Ordo"_s),
        field(Main, u"FUkr"_s, u"Familia"_s),
        field(Main, u"GUkr"_s, u"Genus"_s),
        field(Main, u"SUkr"_s, u"Species"_s),
        field(Main, u"DBRichEditRiveOpys"_s, u"Opys"_s),
        column(u"DBGridRive"_s, 0, u"Name"_s),
        column(u"DBGridRive"_s, 3, u"Vpadae"_s),
        field(Main, u"DBEditSinoptik"_s, u"MistoSinoptik"_s),
        column(u"DBGridSnast"_s, 0, u"Name"_s, Short),
        column(u"DBGridOsnastka"_s, 0, u"Name"_s, Short),
        column(u"DBGridNazhyvka"_s, 0, u"Name"_s, Short),
        field(Main, u"DBRichEditSposib"_s, u"Opys"_s, Short),
        field(Main, u"DBRichEditOsnastka"_s, u"Opys"_s, Short),
        field(Main, u"DBRichEditNazhyvka"_s, u"Opys"_s, Short),
        listField(u"DBLookupComboBoxViter"_s),
        listField(u"DBLookupComboBoxOpady"_s),
    };
    return bindings;
}

void rebind(const WindowControls &controls, LanguageWindow window, bool ukrainian)
{
    for (const ContentBinding &binding : all()) {
        if (binding.window != window)
            continue;
        QWidget *view = controls.control(binding.control);
        const QString &fieldName = ukrainian ? binding.ukrainian : binding.russian;
        switch (binding.kind) {
        case ContentBinding::Field:
            if (auto *control = dynamic_cast<FieldControl *>(view)) {
                // What is being typed belongs to the field it was typed for.
                control->updateRecord();
                control->setDataField(fieldName);
            }
            break;
        case ContentBinding::Column:
            if (auto *grid = qobject_cast<DBGrid *>(view); grid && binding.column < grid->columnCount())
                grid->setColumnFieldName(binding.column, fieldName);
            break;
        case ContentBinding::ListField:
            if (auto *box = qobject_cast<DBLookupComboBox *>(view))
                box->setListField(fieldName);
            break;
        }
    }
}

QString boundField(const WindowControls &controls, const ContentBinding &binding)
{
    QWidget *view = controls.control(binding.control);
    switch (binding.kind) {
    case ContentBinding::Field:
        if (auto *control = dynamic_cast<FieldControl *>(view))
            return control->dataField();
        break;
    case ContentBinding::Column:
        if (auto *grid = qobject_cast<DBGrid *>(view); grid && binding.column < grid->columnCount())
            return grid->columnFieldName(binding.column);
        break;
    case ContentBinding::ListField:
        if (auto *box = qobject_cast<DBLookupComboBox *>(view))
            return box->listField();
        break;
    }
    return {};
}

} // namespace lynvar::contentbindings
