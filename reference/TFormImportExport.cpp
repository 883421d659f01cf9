// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference/TFormImportExport.h"

#include "common/Error.h"
#include "common/UserDialogs.h"

#include <QPlainTextEdit>
#include <QProgressBar>
#include <QSaveFile>
#include <QStyle>
#include <QTextDocument>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace lynvar {

using namespace Qt::StringLiterals;

TFormImportExport::TFormImportExport(UserDialogs &dialogs, QWidget *parent)
    : QDialog(parent), m_dialogs(dialogs)
{
    setObjectName(u"FormImportExport"_s);
    setWindowTitle(u"Імпорт"_s);
    setModal(true);
    resize(555, 394);

    ToolBar1 = new QToolBar(this);
    ToolBar1->setObjectName(u"ToolBar1"_s);
    ToolButtonSave = new QToolButton(ToolBar1);
    ToolButtonSave->setObjectName(u"ToolButtonSave"_s);
    ToolButtonSave->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
    ToolButtonSave->setToolTip(u"Зберегти"_s);
    ToolBar1->addWidget(ToolButtonSave);
    ProgressBarImport = new QProgressBar(ToolBar1);
    ProgressBarImport->setObjectName(u"ProgressBarImport"_s);
    ProgressBarImport->setTextVisible(false);
    ToolBar1->addWidget(ProgressBarImport);

    MemoEI = new QPlainTextEdit(this);
    MemoEI->setObjectName(u"MemoEI"_s);
    MemoEI->setLineWrapMode(QPlainTextEdit::NoWrap);
    MemoEI->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    MemoEI->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(ToolBar1);
    layout->addWidget(MemoEI, 1);

    connect(ToolButtonSave, &QToolButton::clicked, this, &TFormImportExport::ToolButtonSaveClick);
}

QByteArray TFormImportExport::fileText(const QString &memoText)
{
    // The memo's lines as a list of lines: a line break at the very end starts no further line.
    QStringList lines = memoText.split(u'\n');
    if (lines.last().isEmpty())
        lines.removeLast();
    QString text;
    for (const QString &line : std::as_const(lines))
        text += line + u"\r\n"_s;
    return text.toUtf8();
}

void TFormImportExport::ToolButtonSaveClick()
{
    const QString file = m_dialogs.chooseSaveFile(u"Зберегти як"_s, QString(), QString());
    if (file.isEmpty())
        return;
    // The raw text keeps what plain text would change (non-breaking spaces); blocks are lines.
    QString text = MemoEI->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, u'\n').replace(QChar::LineSeparator, u'\n');
    // Written aside and put in place at the end: a failed save leaves any old file as it was.
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly) || out.write(fileText(text)) < 0 || !out.commit())
        throw Error(u"Cannot create file \"%1\". %2"_s.arg(file, out.errorString()));
}

} // namespace lynvar
