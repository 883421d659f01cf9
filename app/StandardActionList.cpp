// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/StandardActionList.h"

#include "app/ErrorBox.h"
#include "app/ImageList.h"
#include "controls/DataAware.h"
#include "controls/Hint.h"
#include "data/DataSet.h"
#include "data/DataSource.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>

namespace lynvar {
namespace {

// The text control a command acts on: exactly one of the three, or none.
struct TextControl
{
    QLineEdit *line = nullptr;
    QTextEdit *rich = nullptr;
    QPlainTextEdit *plain = nullptr;

    static TextControl of(QWidget *widget)
    {
        TextControl text;
        if (!widget)
            return text;
        if (auto *combo = qobject_cast<QComboBox *>(widget))
            text.line = combo->lineEdit();
        else if (auto *line = qobject_cast<QLineEdit *>(widget))
            text.line = line;
        else if (auto *rich = qobject_cast<QTextEdit *>(widget))
            text.rich = rich;
        else if (auto *plain = qobject_cast<QPlainTextEdit *>(widget))
            text.plain = plain;
        return text;
    }

    explicit operator bool() const { return line || rich || plain; }

    bool isReadOnly() const
    {
        return line ? line->isReadOnly() : rich ? rich->isReadOnly() : plain ? plain->isReadOnly() : true;
    }
    // A password field neither copies nor cuts.
    bool hidesText() const { return line && line->echoMode() != QLineEdit::Normal; }
    bool hasSelection() const
    {
        if (line)
            return line->hasSelectedText();
        if (rich)
            return rich->textCursor().hasSelection();
        return plain && plain->textCursor().hasSelection();
    }
    bool isEmpty() const
    {
        if (line)
            return line->text().isEmpty();
        if (rich)
            return rich->document()->isEmpty();
        return !plain || plain->document()->isEmpty();
    }
    template <typename Command> void run(Command command) const
    {
        if (line)
            command(line);
        else if (rich)
            command(rich);
        else if (plain)
            command(plain);
    }
};

bool inMenusOrToolBars(QWidget *widget)
{
    for (QWidget *w = widget; w; w = w->parentWidget()) {
        if (qobject_cast<QMenuBar *>(w) || qobject_cast<QMenu *>(w) || qobject_cast<QToolBar *>(w))
            return true;
    }
    return false;
}

} // namespace

StandardActionList::StandardActionList(QWidget *window, const ImageList &images, UserDialogs &dialogs)
    : QObject(window), m_window(window), m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("ActionList1"));
    const auto format = "Format";
    const auto edit = "Edit";
    const auto dataset = "Dataset";
    auto u8 = [](const char *text) { return QString::fromUtf8(text); };

    RichEditBold1 = makeAction("RichEditBold1", format, u8("&Bold"), u8("Bold"),
                               QKeySequence(Qt::CTRL | Qt::Key_B), 31, images);
    RichEditItalic1 = makeAction("RichEditItalic1", format, u8("&Italic"), u8("Italic"),
                                 QKeySequence(Qt::CTRL | Qt::Key_I), 29, images);
    RichEditUnderline1 = makeAction("RichEditUnderline1", format, u8("&Underline"), u8("Underline"),
                                    QKeySequence(Qt::CTRL | Qt::Key_U), 28, images);
    EditCut1 = makeAction("EditCut1", edit, u8("Вирізати"), u8("Cut"), QKeySequence(Qt::CTRL | Qt::Key_X), 0,
                          images);
    EditCopy1 = makeAction("EditCopy1", edit, u8("Скопіювати"), u8("Copy"),
                           QKeySequence(Qt::CTRL | Qt::Key_C), 1, images);
    EditSelectAll1 = makeAction("EditSelectAll1", edit, u8("Виділити все"), u8("Select All"),
                                QKeySequence(Qt::CTRL | Qt::Key_A), -1, images);
    RichEditAlignLeft1 = makeAction("RichEditAlignLeft1", format, u8("Align &Left"), u8("Align Left"),
                                    QKeySequence(), 35, images);
    RichEditAlignRight1 = makeAction("RichEditAlignRight1", format, u8("Align &Right"), u8("Align Right"),
                                     QKeySequence(), 36, images);
    RichEditAlignCenter1 =
        makeAction("RichEditAlignCenter1", format, u8("&Center"), u8("Center"), QKeySequence(), 37, images);
    EditPaste1 = makeAction("EditPaste1", edit, u8("&Вставити"), u8("Paste"),
                            QKeySequence(Qt::CTRL | Qt::Key_V), 2, images);
    DataSetEdit1 = makeAction("DataSetEdit1", dataset, u8("&Edit"), u8("Edit"), QKeySequence(), 6, images);
    DataSetPost1 = makeAction("DataSetPost1", dataset, u8("P&ost"), u8("Post"), QKeySequence(), 7, images);
    DataSetInsert1 =
        makeAction("DataSetInsert1", dataset, u8("&Insert"), u8("Insert"), QKeySequence(), 4, images);

    for (QAction *a : {RichEditBold1, RichEditItalic1, RichEditUnderline1, RichEditAlignLeft1,
                       RichEditAlignRight1, RichEditAlignCenter1})
        a->setCheckable(true);
    RichEditAlignLeft1->setChecked(true);

    connect(RichEditBold1, &QAction::triggered, this, [this] { toggleCharFormat(RichEditBold1); });
    connect(RichEditItalic1, &QAction::triggered, this, [this] { toggleCharFormat(RichEditItalic1); });
    connect(RichEditUnderline1, &QAction::triggered, this, [this] { toggleCharFormat(RichEditUnderline1); });
    connect(RichEditAlignLeft1, &QAction::triggered, this, [this] { align(Qt::AlignLeft); });
    connect(RichEditAlignCenter1, &QAction::triggered, this, [this] { align(Qt::AlignHCenter); });
    connect(RichEditAlignRight1, &QAction::triggered, this, [this] { align(Qt::AlignRight); });

    connect(EditCut1, &QAction::triggered, this, [this] { runOnText(TextCommand::Cut); });
    connect(EditCopy1, &QAction::triggered, this, [this] { runOnText(TextCommand::Copy); });
    connect(EditPaste1, &QAction::triggered, this, [this] { runOnText(TextCommand::Paste); });
    connect(EditSelectAll1, &QAction::triggered, this, [this] { runOnText(TextCommand::SelectAll); });

    connect(DataSetInsert1, &QAction::triggered, this, [this] { runOnDataSet(&DataSet::insert); });
    connect(DataSetEdit1, &QAction::triggered, this, [this] { runOnDataSet(&DataSet::edit); });
    connect(DataSetPost1, &QAction::triggered, this, [this] { runOnDataSet(&DataSet::post); });

    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) { focusChanged(now); });
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, [this] {
        readClipboard();
        updateActions();
    });
    readClipboard();
    setTarget(QApplication::focusWidget() && QApplication::focusWidget()->window() == m_window
                  ? QApplication::focusWidget()
                  : nullptr);
}

StandardActionList::~StandardActionList() = default;

QAction *StandardActionList::makeAction(const char *name, const char *category, const QString &caption,
                                        const QString &hint, const QKeySequence &shortcut, int stockImage,
                                        const ImageList &images)
{
    auto *action = new QAction(caption, this);
    action->setObjectName(QString::fromLatin1(name));
    action->setProperty("category", QString::fromLatin1(category));
    action->setProperty("imageIndex", stockImage);
    setHint(action, hint);
    action->setShortcut(shortcut);
    if (const int picture = toolImageForStockImage(stockImage); picture >= 0)
        action->setIcon(images.icon(picture));
    action->setEnabled(false);
    return action;
}

QList<QAction *> StandardActionList::actions() const
{
    return {RichEditBold1,      RichEditItalic1,     RichEditUnderline1,
            EditCut1,           EditCopy1,           EditSelectAll1,
            RichEditAlignLeft1, RichEditAlignRight1, RichEditAlignCenter1,
            EditPaste1,         DataSetEdit1,        DataSetPost1,
            DataSetInsert1};
}

void StandardActionList::focusChanged(QWidget *now)
{
    // Opening the menu bar from the keyboard moves the focus there; the commands still mean the
    // control the user came from.
    if (now && inMenusOrToolBars(now))
        return;
    setTarget(now && now->window() == m_window ? now : nullptr);
}

void StandardActionList::setTarget(QWidget *target)
{
    if (target != m_target) {
        for (const auto &c : std::as_const(m_targetWatch))
            disconnect(c);
        m_targetWatch.clear();
        m_target = target;
        const auto update = [this] { updateActions(); };
        const TextControl text = TextControl::of(target);
        if (text.line) {
            m_targetWatch << connect(text.line, &QLineEdit::selectionChanged, this, update)
                          << connect(text.line, &QLineEdit::textChanged, this, update);
        } else if (text.rich) {
            m_targetWatch << connect(text.rich, &QTextEdit::selectionChanged, this, update)
                          << connect(text.rich, &QTextEdit::cursorPositionChanged, this, update)
                          << connect(text.rich, &QTextEdit::currentCharFormatChanged, this, update)
                          << connect(text.rich, &QTextEdit::textChanged, this, update);
        } else if (text.plain) {
            m_targetWatch << connect(text.plain, &QPlainTextEdit::selectionChanged, this, update)
                          << connect(text.plain, &QPlainTextEdit::textChanged, this, update);
        }
        if (target) {
            m_targetWatch << connect(target, &QObject::destroyed, this, [this] { setTarget(nullptr); });
            if (DataAware *control = dataAwareControlOf(target)) {
                m_dataSource = control->dataSource();
                if (m_dataSource)
                    m_targetWatch << connect(m_dataSource, &DataSource::dataSetChanged, this, [this] {
                        watchDataSet();
                        updateActions();
                    });
            } else {
                m_dataSource = nullptr;
            }
        } else {
            m_dataSource = nullptr;
        }
        watchDataSet();
    }
    updateActions();
}

void StandardActionList::watchDataSet()
{
    DataSet *dataSet = m_dataSource ? m_dataSource->dataSet() : nullptr;
    if (dataSet == m_dataSet && !m_dataSetWatch.isEmpty())
        return;
    for (const auto &c : std::as_const(m_dataSetWatch))
        disconnect(c);
    m_dataSetWatch.clear();
    m_dataSet = dataSet;
    if (!dataSet)
        return;
    const auto update = [this] { updateActions(); };
    m_dataSetWatch << connect(dataSet, &DataSet::stateChanged, this, update)
                   << connect(dataSet, &QObject::destroyed, this, update);
}

DataSet *StandardActionList::targetDataSet() const
{
    return m_dataSource ? m_dataSource->dataSet() : nullptr;
}

void StandardActionList::readClipboard()
{
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    m_clipboardHasText = data && data->hasText() && !data->text().isEmpty();
    m_clipboardHasRichText = data && (data->hasHtml() || data->hasFormat(QStringLiteral("text/rtf")));
}

void StandardActionList::updateActions()
{
    const TextControl text = TextControl::of(m_target);
    const bool writable = text && !text.isReadOnly();
    const bool selected = text && text.hasSelection() && !text.hidesText();
    EditCut1->setEnabled(writable && selected);
    EditCopy1->setEnabled(selected);
    EditPaste1->setEnabled(writable && (m_clipboardHasText || (text.rich && m_clipboardHasRichText)));
    EditSelectAll1->setEnabled(text && !text.isEmpty());

    const bool formattable = text.rich && !text.rich->isReadOnly();
    for (QAction *a : {RichEditBold1, RichEditItalic1, RichEditUnderline1, RichEditAlignLeft1,
                       RichEditAlignCenter1, RichEditAlignRight1})
        a->setEnabled(formattable);
    // A read-only view still shows the marks of its selection; with no rich text view the marks stay.
    if (text.rich) {
        const QTextCharFormat chars = text.rich->currentCharFormat();
        RichEditBold1->setChecked(chars.fontWeight() > QFont::Normal);
        RichEditItalic1->setChecked(chars.fontItalic());
        RichEditUnderline1->setChecked(chars.fontUnderline());
        const Qt::Alignment horizontal = text.rich->alignment() & Qt::AlignHorizontal_Mask;
        const bool right = horizontal & Qt::AlignRight;
        const bool centre = horizontal & Qt::AlignHCenter;
        const bool justified = horizontal & Qt::AlignJustify;
        RichEditAlignRight1->setChecked(right);
        RichEditAlignCenter1->setChecked(centre);
        RichEditAlignLeft1->setChecked(!right && !centre && !justified);
    }

    const DataSet *dataSet = targetDataSet();
    const bool active = dataSet && dataSet->isActive();
    // Editing an empty table starts a new record, so editing needs no current record.
    DataSetInsert1->setEnabled(active && dataSet->state() != DataSet::State::Insert);
    DataSetEdit1->setEnabled(active && !dataSet->isEditing());
    DataSetPost1->setEnabled(active && dataSet->isEditing());
}

void StandardActionList::toggleCharFormat(QAction *action)
{
    const TextControl text = TextControl::of(m_target);
    if (text.rich && !text.rich->isReadOnly()) {
        const QTextCharFormat current = text.rich->currentCharFormat();
        QTextCharFormat change;
        if (action == RichEditBold1)
            change.setFontWeight(current.fontWeight() > QFont::Normal ? QFont::Normal : QFont::Bold);
        else if (action == RichEditItalic1)
            change.setFontItalic(!current.fontItalic());
        else
            change.setFontUnderline(!current.fontUnderline());
        text.rich->mergeCurrentCharFormat(change);
    }
    updateActions();
}

void StandardActionList::align(Qt::Alignment alignment)
{
    const TextControl text = TextControl::of(m_target);
    if (text.rich && !text.rich->isReadOnly())
        text.rich->setAlignment(alignment);
    updateActions();
}

void StandardActionList::runOnText(TextCommand command)
{
    TextControl::of(m_target).run([command](auto *control) {
        switch (command) {
        case TextCommand::Cut:
            control->cut();
            break;
        case TextCommand::Copy:
            control->copy();
            break;
        case TextCommand::Paste:
            control->paste();
            break;
        case TextCommand::SelectAll:
            control->selectAll();
            break;
        }
    });
    updateActions();
}

void StandardActionList::takeUnwrittenInput()
{
    if (DataAware *control = dataAwareControlOf(m_target))
        control->updateRecord();
}

void StandardActionList::runOnDataSet(void (DataSet::*command)())
{
    DataSet *dataSet = targetDataSet();
    if (dataSet && dataSet->isActive()) {
        runGuarded(m_dialogs, [&] {
            // What the user entered but the control has not written yet belongs to the record posted.
            if (command == &DataSet::post && dataSet->isEditing())
                takeUnwrittenInput();
            (dataSet->*command)();
        });
    }
    updateActions();
}

void followAction(QAction *item, QAction *action)
{
    item->setCheckable(action->isCheckable());
    const auto follow = [item, action] {
        item->setEnabled(action->isEnabled());
        item->setChecked(action->isChecked());
    };
    follow();
    QObject::connect(action, &QAction::changed, item, follow);
    QObject::connect(item, &QAction::triggered, action, [action, follow] {
        action->trigger();
        follow();
    });
}

void followAction(QToolButton *button, QAction *action)
{
    button->setCheckable(action->isCheckable());
    const auto follow = [button, action] {
        button->setEnabled(action->isEnabled());
        button->setChecked(action->isChecked());
    };
    follow();
    QObject::connect(action, &QAction::changed, button, follow);
    QObject::connect(button, &QToolButton::clicked, action, [action, follow] {
        action->trigger();
        follow();
    });
}

} // namespace lynvar
