#include "preview/QtPrompts.h"
#include "preview/ColorPalette.h"
#include "prevform/FontMap.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QUrl>

QString QtPrompts::TitleOr(const QString& title) const
{
    if (!title.isEmpty())
        return title;
    if (!DefaultTitle.isEmpty())
        return DefaultTitle;
    if (Parent && !Parent->window()->windowTitle().isEmpty())
        return Parent->window()->windowTitle();
    return QApplication::applicationDisplayName();
}

void QtPrompts::Message(const QString& text, const QString& title)
{
    // A plain box with OK only, no icon: the texts carry their own meaning.
    // Line breaks may come as CR LF; the box wants plain LF.
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    QMessageBox box(QMessageBox::NoIcon, TitleOr(title), shown, QMessageBox::Ok, Parent);
    box.exec();
}

bool QtPrompts::Confirm(const QString& text, const QString& title)
{
    QMessageBox box(QMessageBox::Question, TitleOr(title), text,
                    QMessageBox::Yes | QMessageBox::No, Parent);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

std::optional<QString> QtPrompts::InputText(const QString& title, const QString& prompt,
                                            const QString& initial)
{
    bool ok = false;
    QString text = QInputDialog::getText(Parent, TitleOr(title), prompt, QLineEdit::Normal,
                                         initial, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

std::optional<QString> QtPrompts::SaveFileName(const QString& title, const QString& initialPath,
                                               const QString& filter, const QString& defaultSuffix)
{
    // Qt's own dialog: it appends the default extension and asks before
    // overwriting, whatever the desktop's native dialog would do.
    QFileDialog dialog(Parent, TitleOr(title), initialPath, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setDefaultSuffix(defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    const QString name = dialog.selectedFiles().constFirst();
    if (name.isEmpty())
        return std::nullopt;
    return name;
}

bool QtPrompts::PrintSetup(QPrinter& printer)
{
    QPrintDialog dialog(&printer, Parent);
    // The dialog only chooses the printer and its settings; its button says
    // so rather than promising a print.
    if (auto* buttons = dialog.findChild<QDialogButtonBox*>()) {
        if (QPushButton* ok = buttons->button(QDialogButtonBox::Ok))
            ok->setText(QStringLiteral("OK"));
    }
    return dialog.exec() == QDialog::Accepted;
}

std::optional<QString> QtPrompts::OpenFileName(const QString& title, const QString& initialPath,
                                               const QString& filter)
{
    QString name = QFileDialog::getOpenFileName(Parent, TitleOr(title), initialPath, filter);
    if (name.isEmpty())
        return std::nullopt;
    return name;
}

bool QtPrompts::OpenUrl(const QString& url)
{
    return QDesktopServices::openUrl(QUrl(url));
}

std::optional<PageFont> QtPrompts::ChooseFont(const PageFont& initial)
{
    // The dialog lists installed faces: a sheet face such as "ＭＳ Ｐゴシック"
    // is shown as the face it is drawn with, and kept under its own name
    // when the user leaves that face as it was.
    const QString shown = FontMap::InstalledFace(initial.Name);
    QFont font(shown);
    font.setPointSize(std::max(1, initial.Size));
    font.setBold(initial.Bold);
    font.setItalic(initial.Italic);
    font.setUnderline(initial.Underline);
    font.setStrikeOut(initial.StrikeOut);
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, font, Parent);
    if (!ok)
        return std::nullopt;
    PageFont result = initial;
    if (chosen.family().compare(shown, Qt::CaseInsensitive) != 0)
        result.Name = chosen.family();
    result.Size = chosen.pointSize() > 0 ? chosen.pointSize() : initial.Size;
    result.Bold = chosen.bold();
    result.Italic = chosen.italic();
    result.Underline = chosen.underline();
    result.StrikeOut = chosen.strikeOut();
    return result;
}

std::optional<uint32_t> QtPrompts::ChooseColor(uint32_t initial)
{
    // Only the colours a page can print are offered.
    ColorPalette palette(initial, Parent);
    if (palette.exec() != QDialog::Accepted)
        return std::nullopt;
    return palette.Chosen();
}
