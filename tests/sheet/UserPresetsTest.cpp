// The user's own presets: saved from the settings, listed by name, renamed,
// deleted, and damaged files reported by name and skipped.
#include "support/QStringPrinter.h"
#include "common/IniFile.h"
#include "sheet/PresetApply.h"
#include "sheet/UserPresets.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class UserPresetsTest : public ::testing::Test {
protected:
    QTemporaryDir Dir;
    QString Folder;

    void SetUp() override { Folder = UserPresetFolder(Dir.filePath("shosu-drill.ini")); }

    QString Save(const QString& name, const ExamSettings& exam = {}, const SheetSettings& sheet = {})
    {
        const PresetSaveResult saved = SaveUserPreset(Folder, PresetOfSettings(name, exam, sheet));
        EXPECT_FALSE(saved.Error.has_value()) << saved.Error.value_or("").toStdString();
        return saved.Path;
    }

    QStringList Names() const
    {
        QStringList names;
        for (const GradePreset& preset : ReadUserPresets(Folder).Presets)
            names << preset.Name;
        return names;
    }
};

TEST_F(UserPresetsTest, FolderBesideTheSettingsFile)
{
    EXPECT_EQ(Folder, QDir(Dir.path()).filePath("presets"));
    EXPECT_TRUE(ReadUserPresets(Folder).Presets.empty());  // not made yet
    EXPECT_TRUE(ReadUserPresets(Folder).Errors.isEmpty());
}

// What a preset sets comes back exactly when applied over other settings.
TEST_F(UserPresetsTest, SavedSettingsComeBackWhenApplied)
{
    ExamSettings exam;
    SheetSettings sheet;
    ApplyPreset(*FindBuiltInPreset("g5-div-round"), exam, sheet);
    exam.Ranges[EdtMax1] = "50";
    sheet.sPageTitle = "復習";
    sheet.Instruction.psStr = "ていねいに";
    const QString path = Save("5年の復習", exam, sheet);
    EXPECT_TRUE(path.startsWith(Folder));

    const UserPresetList list = ReadUserPresets(Folder);
    ASSERT_EQ(list.Presets.size(), 1u);
    EXPECT_EQ(list.Presets[0].Name, QStringLiteral("5年の復習"));
    EXPECT_EQ(list.Presets[0].Id, path);
    ExamSettings other;
    SheetSettings otherSheet;
    ApplyPreset(list.Presets[0], other, otherSheet);
    EXPECT_EQ(other.Operation, OpDiv);
    EXPECT_EQ(other.Ranges, exam.Ranges);
    EXPECT_TRUE(other.fRoundSig && other.fYaku && other.fRound);
    EXPECT_EQ(otherSheet.sPageTitle, QStringLiteral("復習"));
    EXPECT_EQ(otherSheet.Instruction.psStr, QStringLiteral("ていねいに"));
    EXPECT_EQ(otherSheet.Instruction.psPos, 4);
}

// Names no file system takes still make a file; a second preset of the
// same file name gets its own file.
TEST_F(UserPresetsTest, AwkwardNamesGetFilesOfTheirOwn)
{
    const char* names[] = {"a/b:c*?", "a/b:c*?", "..", "   "};
    QStringList paths;
    for (const char* name : names)
        paths << Save(QString::fromUtf8(name));
    for (const QString& path : paths) {
        EXPECT_EQ(QFileInfo(path).absolutePath(), QFileInfo(Folder).absoluteFilePath()) << path.toStdString();
        EXPECT_EQ(paths.count(path), 1) << path.toStdString();
    }
    EXPECT_EQ(ReadUserPresets(Folder).Presets.size(), 4u);
}

TEST_F(UserPresetsTest, RenameKeepsTheFileDeleteRemovesIt)
{
    const QString b = Save("b");
    Save("c");
    EXPECT_EQ(Names(), (QStringList{"b", "c"}));
    EXPECT_FALSE(RenameUserPreset(b, "z").has_value());
    EXPECT_EQ(Names(), (QStringList{"c", "z"}));
    EXPECT_TRUE(QFileInfo::exists(b));
    EXPECT_FALSE(DeleteUserPreset(b).has_value());
    EXPECT_EQ(Names(), QStringList{"c"});
    // Gone already: reported, nothing made.
    EXPECT_TRUE(DeleteUserPreset(b).value_or("").contains(b));
    EXPECT_TRUE(RenameUserPreset(b, "y").value_or("").contains(b));
    EXPECT_FALSE(QFileInfo::exists(b));
}

TEST_F(UserPresetsTest, OverwritingKeepsOneFile)
{
    ExamSettings exam;
    exam.ExamRowN = 5;
    GradePreset preset = PresetOfSettings("mine", exam, {});
    const QString path = SaveUserPreset(Folder, preset).Path;
    preset = PresetOfSettings("mine", ExamSettings{}, {});
    preset.Id = path;
    EXPECT_EQ(SaveUserPreset(Folder, preset).Path, path);
    const UserPresetList list = ReadUserPresets(Folder);
    ASSERT_EQ(list.Presets.size(), 1u);
    EXPECT_EQ(PresetValue(list.Presets[0], "Exam", "Row"), QStringLiteral("10"));
}

TEST_F(UserPresetsTest, DamagedFilesAreNamedAndSkipped)
{
    Save("good");
    QFile foreign(QDir(Folder).filePath("foreign.ini"));
    ASSERT_TRUE(foreign.open(QIODevice::WriteOnly));
    foreign.write("\x00\xff\xfe\x01garbage\n[Other]\nKey=1\n", 25);
    foreign.close();
    QDir(Folder).mkdir("folder.ini");  // not a file: not listed at all
    const UserPresetList list = ReadUserPresets(Folder);
    EXPECT_EQ(list.Presets.size(), 1u);
    ASSERT_EQ(list.Errors.size(), 1);
    EXPECT_TRUE(list.Errors[0].contains(foreign.fileName()));
}

TEST_F(UserPresetsTest, AFolderThatCannotBeMadeIsReported)
{
    QFile blocker(Folder);  // a file where the folder should be
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const PresetSaveResult saved = SaveUserPreset(Folder, PresetOfSettings("x", {}, {}));
    ASSERT_TRUE(saved.Error.has_value());
    EXPECT_TRUE(saved.Error->contains(Folder));
}

}  // namespace
