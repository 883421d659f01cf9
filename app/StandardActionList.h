// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QMetaObject>
#include <QObject>
#include <QPointer>

class QAction;
class QToolButton;
class QWidget;

namespace lynvar {

class DataSet;
class DataSource;
class ImageList;
class UserDialogs;

/*
 * The standard editing commands of a window (its action list). Each command acts on the control
 * that has the keyboard focus inside the window, its target:
 *   - cut, copy, paste, select all: a line edit, plain text edit or rich text view (an editable
 *     combo box through its line edit);
 *   - bold, italic, underline and the three alignments: an editable rich text view;
 *   - insert, edit, post: the data set of the focused data-aware control; post first has the
 *     control write into the record what the user entered.
 * A command is enabled only while its target can take it, and the format commands carry the check
 * mark of the target's selection. Both are recomputed when the focus moves, when the target's
 * selection, cursor, text or format changes, when its data set changes state and when the clipboard
 * changes. Focus that moves into the menu bar, a menu or the tool bar keeps the target, so a command
 * chosen there still reaches the control the user was in.
 *
 * The actions belong to no widget, so their own shortcuts never fire: the menu items that run them
 * carry the keys (see followAction), which keeps every key unambiguous.
 */
class StandardActionList final : public QObject
{
    Q_OBJECT
public:
    StandardActionList(QWidget *window, const ImageList &images, UserDialogs &dialogs);
    ~StandardActionList() override;

    QAction *RichEditBold1 = nullptr;
    QAction *RichEditItalic1 = nullptr;
    QAction *RichEditUnderline1 = nullptr;
    QAction *EditCut1 = nullptr;
    QAction *EditCopy1 = nullptr;
    QAction *EditSelectAll1 = nullptr;
    QAction *RichEditAlignLeft1 = nullptr;
    QAction *RichEditAlignRight1 = nullptr;
    QAction *RichEditAlignCenter1 = nullptr;
    QAction *EditPaste1 = nullptr;
    QAction *DataSetEdit1 = nullptr;
    QAction *DataSetPost1 = nullptr;
    QAction *DataSetInsert1 = nullptr;

    // In the list's order.
    QList<QAction *> actions() const;

    // The control the commands act on, or null.
    QWidget *target() const { return m_target; }
    // The data set of the target's data-aware control, or null.
    DataSet *targetDataSet() const;
    // Has the target write into its record what the user entered and it has not written yet, as
    // post does first. Throws lynvar::Error when the field refuses the value.
    void takeUnwrittenInput();

    void updateActions();

private:
    QAction *makeAction(const char *name, const char *category, const QString &caption, const QString &hint,
                        const QKeySequence &shortcut, int stockImage, const ImageList &images);
    void focusChanged(QWidget *now);
    void setTarget(QWidget *target);
    void watchDataSet();
    void readClipboard();

    void toggleCharFormat(QAction *action);
    void align(Qt::Alignment alignment);
    enum class TextCommand
    {
        Cut,
        Copy,
        Paste,
        SelectAll
    };
    void runOnText(TextCommand command);
    void runOnDataSet(void (DataSet::*command)());

    QWidget *m_window;
    UserDialogs &m_dialogs;
    QPointer<QWidget> m_target;
    QPointer<DataSource> m_dataSource;
    QPointer<DataSet> m_dataSet;
    QList<QMetaObject::Connection> m_targetWatch;
    QList<QMetaObject::Connection> m_dataSetWatch;
    bool m_clipboardHasText = false;
    bool m_clipboardHasRichText = false;
};

// A menu item or a tool button that runs `action`: it follows the action's enabled and check states
// but keeps its own caption, shortcut and hint, which the language files set by its own name.
void followAction(QAction *item, QAction *action);
void followAction(QToolButton *button, QAction *action);

} // namespace lynvar
