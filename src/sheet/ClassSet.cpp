#include "sheet/ClassSet.h"

#include "common/TextDecoding.h"
#include "generation/InstructionText.h"
#include "generation/OperationTable.h"
#include "generation/ProblemMaker.h"
#include "generation/WrittenCalc.h"
#include "generation/SheetCode.h"
#include "sheet/SetProgress.h"

namespace {

QStringList ToLines(const std::vector<std::string>& lines)
{
    QStringList result;
    result.reserve(qsizetype(lines.size()));
    for (const std::string& line : lines)
        result << QString::fromStdString(line);
    return result;
}

// The first field of a CSV line: up to the first comma, or a quoted field
// with "" standing for one quote.
QString FirstField(const QString& line)
{
    const QString text = line.trimmed();
    if (!text.startsWith(QLatin1Char('"')))
        return text.section(QLatin1Char(','), 0, 0);
    QString field;
    for (qsizetype i = 1; i < text.size(); ++i) {
        if (text.at(i) != QLatin1Char('"')) {
            field += text.at(i);
        } else if (i + 1 < text.size() && text.at(i + 1) == QLatin1Char('"')) {
            field += QLatin1Char('"');
            ++i;
        } else {
            break;
        }
    }
    return field;
}

// A sheet's pages: one each, unless a sheet runs onto more pages.
struct SheetPages {
    QList<QStringList> Problem;
    QList<QStringList> Answer;
};

QList<QStringList> InOrder(const QList<SheetPages>& sheets, SetOrder order)
{
    QList<QStringList> pages;
    const bool problems = order != SetOrder::Answers;
    const bool answers = order != SetOrder::Problems;
    for (const SheetPages& sheet : sheets) {
        if (problems)
            pages << sheet.Problem;
        if (answers && order == SetOrder::Pairs)
            pages << sheet.Answer;
    }
    if (answers && order != SetOrder::Pairs)
        for (const SheetPages& sheet : sheets)
            pages << sheet.Answer;
    return pages;
}

} // namespace

std::optional<SetOrder> ParseSetOrder(std::string_view text)
{
    static constexpr std::pair<std::string_view, SetOrder> kOrders[] = {
        {"pairs", SetOrder::Pairs}, {"problems-first", SetOrder::ProblemsFirst},
        {"problems", SetOrder::Problems}, {"answers", SetOrder::Answers}};
    for (const auto& [name, order] : kOrders)
        if (text == name)
            return order;
    return std::nullopt;
}

QStringList NamesFromText(const QString& text)
{
    QStringList names;
    for (const QString& line : SplitTextLines(text))
        if (const QString name = line.trimmed(); !name.isEmpty())
            names << name;
    return names;
}

bool IsNameHeading(const QString& field)
{
    static const char* const kHeadings[] = {"氏名", "名前", "なまえ", "お名前", "姓名", "児童名",
                                            "生徒名", "name", "names", "full name", "student",
                                            "pupil"};
    const QString text = field.trimmed();
    for (const char* heading : kHeadings)
        if (text.compare(QString::fromUtf8(heading), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

bool IsTextFile(const QByteArray& bytes)
{
    const TextEncoding encoding = DetectEncoding(bytes);
    if (encoding != TextEncoding::Utf16LE && encoding != TextEncoding::Utf16BE
        && bytes.contains('\0'))
        return false;
    for (const QChar c : DecodeText(bytes)) {
        const char16_t u = c.unicode();
        if ((u < 0x20 && u != u'\t' && u != u'\n' && u != u'\r' && u != u'\f') || u == 0x7F)
            return false;
    }
    return true;
}

QStringList NamesFromFile(const QByteArray& bytes)
{
    QStringList names;
    for (const QString& line : SplitTextLines(DecodeText(bytes)))
        if (const QString name = FirstField(line).trimmed(); !name.isEmpty())
            names << name;
    if (!names.isEmpty() && IsNameHeading(names.first()))
        names.removeFirst();
    return names;
}

QString NamesPreview(const QStringList& names)
{
    constexpr int kShown = 3;
    if (names.isEmpty())
        return QStringLiteral("名簿なし");
    QString text = QStringLiteral("%1人：").arg(names.size())
        + names.mid(0, kShown).join(QStringLiteral("、"));
    if (names.size() > kShown)
        text += QStringLiteral(" ほか");
    return text;
}

SheetProblems ProblemsOf(const RunResult& run, const SheetSettings& sheet)
{
    const ExamSettings& exam = run.Settings;
    const QString instruction = sheet.fFindMistake
        ? QStringLiteral("まちがいを見つけて、正しく計算しましょう。")
        : QString::fromStdString(InstructionText(exam, sheet.ColumnForm()));
    return {ToLines(run.Lines1), ToLines(run.Lines2), ToLines(run.Lines3),
            OperationOf(exam.Operation).Op, DivisionModeOf(exam), instruction, exam};
}

QString ClassSet::Check(const SetRequest& request)
{
    if (request.Names.size() > SetRequest::MaxSheets)
        return QStringLiteral("名簿の名前は%1人までです（%2人あります）")
            .arg(SetRequest::MaxSheets)
            .arg(request.Names.size());
    if (request.Names.isEmpty() && (request.Count < 1 || request.Count > SetRequest::MaxSheets))
        return QStringLiteral("枚数は1から%1までです").arg(SetRequest::MaxSheets);
    return {};
}

std::optional<QList<QStringList>> ClassSet::Make(const SetRequest& request, const MakeFn& make,
                                                 const SheetSettings& settings,
                                                 const PageStrRecords& records)
{
    const int count = request.SheetCount();
    QList<SheetPages> sheets;
    sheets.reserve(count);
    for (int k = 0; k < count; ++k) {
        if (!Progress.Step(k, count, QStringLiteral("%1 / %2 枚目を作っています").arg(k + 1).arg(count)))
            return std::nullopt;
        const std::uint64_t seed = DerivedSeed(request.FirstSeed, std::uint64_t(k));
        const std::optional<SheetProblems> problems = make(seed);
        if (!problems)
            return std::nullopt;
        const std::optional<SheetCode> code = SheetCode::FromSeed(seed);
        const SheetMarks marks{code ? QString::fromStdString(code->Text()) : QString(), k + 1,
                               request.Names.value(k)};
        SheetPages pages;
        if (request.Order != SetOrder::Answers)
            pages.Problem = Pipeline.Compose(*problems, settings, records, ProblemSheet, marks).Pages;
        if (request.Order != SetOrder::Problems)
            pages.Answer = Pipeline.Compose(*problems, settings, records, AnswerSheet, marks).Pages;
        sheets << pages;
    }
    if (!Progress.Step(count, count, QString()))
        return std::nullopt;
    return InOrder(sheets, request.Order);
}
