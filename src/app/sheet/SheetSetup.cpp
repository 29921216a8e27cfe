#include "sheet/SheetSetup.h"

#include "sheet/CliSupport.h"

#include <QFile>
#include <QFileInfo>

namespace {

// A generate option and the setting it sets.
struct GivenField {
    const char* Name;
    void (*Copy)(ExamSettings& to, const ExamSettings& from);
};

const GivenField kGivenFields[] = {
    {"--seq1", [](ExamSettings& t, const ExamSettings& f) { t.CBox1 = f.CBox1; }},
    {"--seq2", [](ExamSettings& t, const ExamSettings& f) { t.CBox2 = f.CBox2; }},
    {"--d", [](ExamSettings& t, const ExamSettings& f) { t.rnd_D = f.rnd_D; }},
    {"--minus", [](ExamSettings& t, const ExamSettings& f) { t.nMinus = f.nMinus; }},
    {"--keep-zeros", [](ExamSettings& t, const ExamSettings& f) { t.fDelZero = f.fDelZero; }},
    {"--round", [](ExamSettings& t, const ExamSettings& f) { t.fRound = f.fRound; }},
    {"--round-pos", [](ExamSettings& t, const ExamSettings& f) { t.nRound = f.nRound; }},
    {"--rest", [](ExamSettings& t, const ExamSettings& f) { t.fRest = f.fRest; }},
    {"--just", [](ExamSettings& t, const ExamSettings& f) { t.fJust = f.fJust; }},
    {"--no-zero", [](ExamSettings& t, const ExamSettings& f) { t.fZero = f.fZero; }},
    {"--no-one", [](ExamSettings& t, const ExamSettings& f) { t.fOne = f.fOne; }},
};

const char* const kRangeOptions[] = {"--min1", "--min1e", "--max1", "--max1e",
                                     "--min2", "--min2e", "--max2", "--max2e"};
const char* const kOperationNames[] = {"add", "sub", "mul", "div"};

} // namespace

SettingsArg TakeSettingsArg(const CommandArgs& args)
{
    SettingsArg result;
    for (size_t i = 0; i < args.size(); ++i) {
        OptionArg arg = SplitOptionArg(args[i]);
        if (arg.Name != "--settings") {
            result.Rest.push_back(args[i]);
            continue;
        }
        if (std::string problem = TakeOptionValue(args, i, true, arg); !problem.empty()) {
            result.Error = problem;
            return result;
        }
        if (result.Path) {
            result.Error = "--settings is given twice";
            return result;
        }
        result.Path = QString::fromStdString(arg.Value);
    }
    return result;
}

std::string CheckSettingsFile(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return "settings file '" + path.toStdString() + "' does not exist";
    QFile file(path);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly))
        return "settings file '" + path.toStdString() + "' cannot be read";
    return {};
}

CommandArgs ExamAsOptions(const ExamSettings& file)
{
    const int operation = file.Operation >= OpAdd && file.Operation <= OpDiv ? file.Operation : OpAdd;
    CommandArgs args{"--op", kOperationNames[operation]};
    for (int edit = 0; edit < RangeEditCount; ++edit)
        args.insert(args.end(), {std::string(kRangeOptions[edit]) + '=' + file.Ranges[edit]});
    args.insert(args.end(), {"--rows", std::to_string(file.ExamRowN), "--cols",
                             std::to_string(file.ExamColN)});
    return args;
}

ExamSettings MergeExam(const ExamSettings& file, const ExamSettings& parsed,
                       const CommandArgs& args)
{
    ExamSettings merged = file;
    merged.Operation = parsed.Operation;
    merged.Ranges = parsed.Ranges;
    merged.ExamRowN = parsed.ExamRowN;
    merged.ExamColN = parsed.ExamColN;
    for (const std::string& arg : args) {
        const std::string name = SplitOptionArg(arg).Name;
        for (const GivenField& field : kGivenFields)
            if (name == field.Name)
                field.Copy(merged, parsed);
    }
    return merged;
}
