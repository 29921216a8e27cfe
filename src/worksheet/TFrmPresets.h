#pragma once
// "プリセットの整理": the presets of the grade menu in a list, the user's
// own with their file, the built-in ones marked and fixed. Renaming asks
// the new name and deleting asks first, both through the prompts; the
// files change at once. Execute shows the dialog modally; tests drive the
// buttons without it.
#include "sheet/UserPresets.h"

#include <QDialog>

class Prompts;
class QListWidget;
class QPushButton;

class TFrmPresets : public QDialog {
    Q_OBJECT

public:
    TFrmPresets(Prompts& prompts, QWidget* parent = nullptr);

    // The list of the folder's presets, then the dialog modally.
    void Execute(const QString& folder);
    // The list of the folder's presets, the first user preset selected.
    void Fill(const QString& folder);

    void RenameClick();
    void DeleteClick();

    QListWidget* ListPresets = nullptr;
    QPushButton* BtnRename = nullptr;  // "名前の変更(&R)..."
    QPushButton* BtnDelete = nullptr;  // "削除(&D)"
    QPushButton* BtnClose = nullptr;   // "閉じる"

private:
    // The selected user preset's file, or empty for a built-in one.
    QString SelectedPath() const;
    void SelectionChanged();

    Prompts& UserPrompts;
    QString Folder;
};
