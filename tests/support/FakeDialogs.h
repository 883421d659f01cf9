// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/UserDialogs.h"

#include <QList>
#include <QStringList>

namespace lynvar::test {

// Answers every box and dialog at once and records what it was asked to show. A dialog answers
// with the next queued answer, or as cancelled when none is queued.
class FakeDialogs final : public UserDialogs
{
public:
    void showMessage(const QString &text) override { messages << text; }
    void showError(const QString &text) override { errors << text; }
    bool askYesNo(const QString &text) override
    {
        questions << text;
        return nextAnswer;
    }
    bool askQuestion(const QString &caption, const QString &text) override
    {
        questionCaptions << caption;
        return askYesNo(text);
    }
    std::optional<int> chooseItem(const QString &, const QString &, const QStringList &items) override
    {
        lists << items;
        return take(itemAnswers);
    }
    std::optional<QString> askText(const QString &caption, const QString &prompt,
                                   const QString &initial) override
    {
        prompts << caption + u'|' + prompt + u'|' + initial;
        return take(textAnswers);
    }
    QString chooseOpenFile(const QString &caption, const QString &, const QString &) override
    {
        fileDialogs << caption;
        return take(fileAnswers).value_or(QString());
    }
    QStringList chooseOpenFiles(const QString &caption, const QString &, const QString &) override
    {
        fileDialogs << caption;
        return take(filesAnswers).value_or(QStringList());
    }
    QString chooseSaveFile(const QString &caption, const QString &, const QString &) override
    {
        fileDialogs << caption;
        return take(fileAnswers).value_or(QString());
    }
    std::optional<FontChoice> chooseFont(const FontChoice &initial) override
    {
        fontsOffered << initial;
        return take(fontAnswers);
    }
    std::optional<unsigned int> chooseColor(unsigned int) override { return take(colorAnswers); }

    QStringList messages;
    QStringList errors;
    QStringList questions;
    QStringList questionCaptions; // of the questions asked with a caption of their own
    QList<QStringList> lists;     // the items of each list a choice was asked from
    QStringList prompts;          // "caption|prompt|initial"
    QStringList fileDialogs;      // captions of the file dialogs shown
    QList<FontChoice> fontsOffered;
    bool nextAnswer = true;

    QList<std::optional<QString>> textAnswers;
    QList<QString> fileAnswers;
    QList<QStringList> filesAnswers;
    QList<std::optional<FontChoice>> fontAnswers;
    QList<std::optional<unsigned int>> colorAnswers;
    QList<int> itemAnswers;

private:
    template <typename T> static std::optional<T> take(QList<T> &queue)
    {
        if (queue.isEmpty())
            return std::nullopt;
        return queue.takeFirst();
    }
    template <typename T> static std::optional<T> take(QList<std::optional<T>> &queue)
    {
        if (queue.isEmpty())
            return std::nullopt;
        return queue.takeFirst();
    }
};

} // namespace lynvar::test
