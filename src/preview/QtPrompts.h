#pragma once
// The desktop answers to every modal question: Qt message boxes, Yes/No
// boxes, input boxes, file and font dialogs and the system browser. Dialogs are
// centred on the parent window given at construction.
#include "common/Prompts.h"

class QWidget;

class QtPrompts : public Prompts {
public:
    explicit QtPrompts(QWidget* parent = nullptr) : Parent(parent) {}

    // The window that dialogs belong to; may change after construction
    // because the main window is usually created after its prompts.
    void SetParent(QWidget* parent) { Parent = parent; }
    // The caption of boxes that name none (the application title); unset,
    // the parent window's caption.
    void SetTitle(const QString& title) { DefaultTitle = title; }

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
    std::optional<uint32_t> ChooseColor(uint32_t initial) override;

private:
    QString TitleOr(const QString& title) const;

    QWidget* Parent;
    QString DefaultTitle;
};
