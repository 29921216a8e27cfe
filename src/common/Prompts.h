#pragma once
// Every modal question the program asks goes through this interface: message
// boxes, Yes/No confirmations, one-line input boxes, file-name choices and
// opening a web page, choosing a font or a colour. The window uses the Qt implementation (QtPrompts in
// src/preview); tests and the command-line tool use their own, so nothing
// ever blocks on a dialog outside the desktop program.
#include "common/PageFont.h"
#include <QString>
#include <cstdint>
#include <optional>

class QPrinter;

class Prompts {
public:
    virtual ~Prompts() = default;

    // A plain message box with one OK button; title empty = the program name.
    virtual void Message(const QString& text, const QString& title = {}) = 0;
    // A Yes/No question; true for Yes.
    virtual bool Confirm(const QString& text, const QString& title = {}) = 0;
    // A one-line input box; nullopt when cancelled.
    virtual std::optional<QString> InputText(const QString& title, const QString& prompt,
                                             const QString& initial) = 0;
    // A save-file dialog; filter in Qt's "Name (*.ext);;Name (*.ext)" form.
    // A name typed without an extension gets defaultSuffix (when not empty);
    // an existing file is overwritten only after the user confirms it.
    // nullopt when cancelled.
    virtual std::optional<QString> SaveFileName(const QString& title, const QString& initialPath,
                                                const QString& filter,
                                                const QString& defaultSuffix = {}) = 0;
    // An open-file dialog; nullopt when cancelled.
    virtual std::optional<QString> OpenFileName(const QString& title, const QString& initialPath,
                                                const QString& filter) = 0;
    // The print dialog on printer: what the user confirms becomes the
    // printer's settings. false when cancelled (the printer is unchanged).
    virtual bool PrintSetup(QPrinter& printer) = 0;
    // Opens a web location in the default browser; false when that failed.
    virtual bool OpenUrl(const QString& url) = 0;
    // A font dialog showing initial; the chosen face, size and styles (the
    // colour stays initial's), or nullopt when cancelled.
    virtual std::optional<PageFont> ChooseFont(const PageFont& initial) = 0;
    // A colour dialog showing initial (24 bits, red in the low byte, as
    // PageFont::Color); the chosen colour, or nullopt when cancelled.
    virtual std::optional<uint32_t> ChooseColor(uint32_t initial) = 0;
};
