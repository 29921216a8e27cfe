#pragma once
// A Prompts implementation that answers from a script and records every
// question, for tests and for headless use. Unscripted confirmations answer
// No, unscripted inputs and file choices are cancelled.
#include "common/Prompts.h"
#include <QStringList>
#include <deque>

class ScriptedPrompts : public Prompts {
public:
    // Everything asked, in order, as "kind: text" (kinds: message, confirm, input, save, open, url).
    QStringList Asked;
    // Only the texts of plain messages, in order.
    QStringList Messages;

    std::deque<bool> ConfirmAnswers;
    std::deque<std::optional<QString>> InputAnswers;
    std::deque<std::optional<QString>> FileAnswers;
    bool OpenUrlResult = true;

    void Message(const QString& text, const QString& title = {}) override;
    bool Confirm(const QString& text, const QString& title = {}) override;
    std::optional<QString> InputText(const QString& title, const QString& prompt,
                                     const QString& initial) override;
    std::optional<QString> SaveFileName(const QString& title, const QString& initialPath,
                                        const QString& filter) override;
    std::optional<QString> OpenFileName(const QString& title, const QString& initialPath,
                                        const QString& filter) override;
    bool OpenUrl(const QString& url) override;
};
