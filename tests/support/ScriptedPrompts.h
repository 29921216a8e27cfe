#pragma once
// A Prompts implementation that answers from a script and records every
// question, for tests, fuzz targets and benchmarks. Unscripted confirmations
// answer No, unscripted inputs and file choices are cancelled.
#include "common/Prompts.h"
#include <QStringList>
#include <deque>
#include <functional>

class ScriptedPrompts : public Prompts {
public:
    // Everything asked, in order, as "kind: text" (kinds: message, confirm,
    // input, save, open, print, url, font, color).
    QStringList Asked;
    // Only the texts of plain messages, in order.
    QStringList Messages;

    std::deque<bool> ConfirmAnswers;
    std::deque<std::optional<QString>> InputAnswers;
    std::deque<std::optional<QString>> FileAnswers;
    bool OpenUrlResult = true;
    // The print dialog's answer; it may change the printer as a user would.
    // Unset: cancelled.
    std::function<bool(QPrinter&)> PrintSetupAction;
    // The initial text of the last input box.
    QString LastInputInitial;
    // The default extension of the last save dialog.
    QString LastDefaultSuffix;
    // The filter of every save and open dialog, in order.
    QStringList Filters;
    std::deque<std::optional<PageFont>> FontAnswers;
    std::deque<std::optional<uint32_t>> ColorAnswers;
    // Runs at every question before it is answered (a test closing the window
    // while the question waits, for instance).
    std::function<void()> OnAsk;

    void Message(const QString& text, const QString& title = {}) override;
    bool Confirm(const QString& text, const QString& title = {}) override;
    std::optional<QString> InputText(const QString& title, const QString& prompt,
                                     const QString& initial) override;
    std::optional<QString> SaveFileName(const QString& title, const QString& initialPath,
                                        const QString& filter,
                                        const QString& defaultSuffix = {}) override;
    std::optional<QString> OpenFileName(const QString& title, const QString& initialPath,
                                        const QString& filter) override;
    bool PrintSetup(QPrinter& printer) override;
    bool OpenUrl(const QString& url) override;
    std::optional<PageFont> ChooseFont(const PageFont& initial) override;
    // Recorded as "color: " and the initial colour as six hex digits, red last.
    std::optional<uint32_t> ChooseColor(uint32_t initial) override;

private:
    void Record(const QString& question);
};
