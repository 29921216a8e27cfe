#include "worksheet/TFrmPresets.h"

#include "common/Prompts.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

TFrmPresets::TFrmPresets(Prompts& prompts, QWidget* parent)
    : QDialog(parent), UserPrompts(prompts)
{
    setWindowTitle(QStringLiteral("プリセットの整理"));
    auto* box = new QVBoxLayout(this);
    ListPresets = new QListWidget(this);
    ListPresets->setMinimumSize(320, 240);
    box->addWidget(ListPresets);
    auto* row = new QHBoxLayout;
    BtnRename = new QPushButton(QStringLiteral("名前の変更(&R)..."), this);
    BtnDelete = new QPushButton(QStringLiteral("削除(&D)"), this);
    BtnClose = new QPushButton(QStringLiteral("閉じる"), this);
    row->addWidget(BtnRename);
    row->addWidget(BtnDelete);
    row->addStretch();
    row->addWidget(BtnClose);
    box->addLayout(row);
    connect(BtnRename, &QPushButton::clicked, this, &TFrmPresets::RenameClick);
    connect(BtnDelete, &QPushButton::clicked, this, &TFrmPresets::DeleteClick);
    connect(BtnClose, &QPushButton::clicked, this, &QDialog::accept);
    connect(ListPresets, &QListWidget::currentRowChanged, this, &TFrmPresets::SelectionChanged);
}

void TFrmPresets::Execute(const QString& folder)
{
    Fill(folder);
    exec();
}

void TFrmPresets::Fill(const QString& folder)
{
    Folder = folder;
    ListPresets->clear();
    // Damaged files were reported by the grade menu; here they are left out.
    for (const GradePreset& preset : ReadUserPresets(folder).Presets) {
        auto* item = new QListWidgetItem(preset.Name, ListPresets);
        item->setData(Qt::UserRole, preset.Id);
    }
    const int userCount = ListPresets->count();
    for (const GradePreset& preset : BuiltInPresets()) {
        auto* item = new QListWidgetItem(
            QStringLiteral("%1（%2年・組み込み）").arg(preset.Name).arg(preset.Grade), ListPresets);
        item->setForeground(palette().color(QPalette::Disabled, QPalette::Text));
    }
    ListPresets->setCurrentRow(userCount > 0 ? 0 : -1);
    SelectionChanged();
}

QString TFrmPresets::SelectedPath() const
{
    const QListWidgetItem* item = ListPresets->currentItem();
    return item ? item->data(Qt::UserRole).toString() : QString();
}

void TFrmPresets::SelectionChanged()
{
    const bool user = !SelectedPath().isEmpty();
    BtnRename->setEnabled(user);
    BtnDelete->setEnabled(user);
}

void TFrmPresets::RenameClick()
{
    const QString path = SelectedPath();
    if (path.isEmpty())
        return;
    const QString old = ListPresets->currentItem()->text();
    const std::optional<QString> typed = UserPrompts.InputText(
        QStringLiteral("名前の変更"), QStringLiteral("プリセットの新しい名前を入力して下さい"), old);
    if (!typed)
        return;
    if (const std::optional<QString> problem = PresetNameProblem(*typed)) {
        UserPrompts.Message(*problem);
        return;
    }
    const QString name = typed->trimmed();
    if (name == old)
        return;
    // Another preset of that name is replaced, as saving replaces it, or
    // the renaming is dropped: two entries of one name cannot be told apart.
    const UserPresetList list = ReadUserPresets(Folder);
    const GradePreset* same = FindUserPreset(list, name);
    if (same && same->Id != path) {
        if (!UserPrompts.Confirm(QStringLiteral("プリセット「%1」を上書きしますか?").arg(name)))
            return;
        if (const std::optional<QString> error = DeleteUserPreset(same->Id)) {
            UserPrompts.Message(*error);
            return;
        }
    }
    if (const std::optional<QString> error = RenameUserPreset(path, name))
        UserPrompts.Message(*error);
    Fill(Folder);
}

void TFrmPresets::DeleteClick()
{
    const QString path = SelectedPath();
    if (path.isEmpty()
        || !UserPrompts.Confirm(QStringLiteral("プリセット「%1」を削除しますか?")
                                    .arg(ListPresets->currentItem()->text())))
        return;
    if (const std::optional<QString> error = DeleteUserPreset(path))
        UserPrompts.Message(*error);
    Fill(Folder);
}
