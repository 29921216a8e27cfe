#pragma once
// Pieces every drawing subcommand of shosu-sheet shares: the prompts that
// write to stderr, the GUI application object that drawing needs, and
// splitting "--name=value" arguments.
#include "common/Prompts.h"
#include "sheet/Commands.h"

#include <QGuiApplication>
#include <QImage>
#include <memory>
#include <ostream>
#include <string>

// Messages go to the error stream behind a prefix; questions get the
// cautious answer (No, cancelled), since nobody is there to answer them.
class StreamPrompts : public Prompts {
public:
    StreamPrompts(std::ostream& err, std::string prefix) : Err(err), Prefix(std::move(prefix)) {}
    void Message(const QString& text, const QString& title = {}) override;
    bool Confirm(const QString& text, const QString& title = {}) override;
    std::optional<QString> InputText(const QString&, const QString&, const QString&) override { return {}; }
    std::optional<QString> SaveFileName(const QString&, const QString&, const QString&,
                                        const QString& = {}) override { return {}; }
    std::optional<QString> OpenFileName(const QString&, const QString&, const QString&) override { return {}; }
    bool PrintSetup(QPrinter&) override { return false; }
    bool OpenUrl(const QString&) override { return false; }
    std::optional<PageFont> ChooseFont(const PageFont&) override { return {}; }
    std::optional<uint32_t> ChooseColor(uint32_t) override { return {}; }

private:
    std::ostream& Err;
    std::string Prefix;
};

// The screen the page images of the tool are drawn for.
constexpr int CliScreenDpi = 96;

// Creates the application object drawing and measuring need, on the
// offscreen platform unless one was chosen; null when one exists already.
std::unique_ptr<QGuiApplication> EnsureGuiApplication();

// True for the endings SavePageImage writes: png, bmp, jpg, jpeg.
bool IsPageImageSuffix(const QString& suffix);

// "--rows=5" split into name "--rows" and value "5"; other arguments come
// back whole as the name.
struct OptionArg {
    std::string Name;
    std::string Value;
    bool InlineValue = false;
};
OptionArg SplitOptionArg(const std::string& arg);

// Completes the option args[i], split into arg: one that takes a value gets
// the next argument unless it came inline (i then moves past it). Returns
// the problem, "NAME needs a value" or "NAME takes no value", or "" when none.
std::string TakeOptionValue(const CommandArgs& args, size_t& i, bool takesValue, OptionArg& arg);
