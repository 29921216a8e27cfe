#include "prevform/Interpreter.h"
#include "common/Prompts.h"
#include "prevform/ColorWords.h"
#include "prevform/CommandSplit.h"
#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

namespace {

constexpr int MaxFontSize = 1000;    // points; larger than any page
constexpr int MaxPenWidth = 32767;   // device pixels; the widest pen QPainter takes

using Fields = QStringList;

// A handler returns false when the line ends its list.
struct Command {
    const char* Keyword;
    int MinFields;       // keyword included; fewer fields end the list
    const char* Message; // shown first when the line is too short; null for none
    bool (*Run)(PassContext& ctx, const Fields& f, int slotEnd);
};

double Num(const Fields& f, int i)
{
    return CommandNumber(f[i]).value_or(0.0);
}

std::optional<QPoint> Point(PassContext& ctx, double x, double y)
{
    const auto px = ctx.Geometry.TryUnitToPixelX(x);
    const auto py = ctx.Geometry.TryUnitToPixelY(y);
    if (!px || !py)
        return std::nullopt; // off any device: the command is skipped
    return QPoint(*px, *py);
}

bool TextOut(PassContext& ctx, const Fields& f, int)
{
    const auto at = Point(ctx, Num(f, 1), Num(f, 2));
    if (!at)
        return true;
    QString text = f[3];
    const QString pitchWord = f.size() > 4 ? CommandWord(f[4]) : QStringLiteral("NIL");
    const double pitch = pitchWord == u"NIL" ? 0.0 : CommandNumber(pitchWord).value_or(0.0);
    int advance = 0;
    if (pitch > 0) {
        text.truncate(200);
        // A pitch finer than one device pixel gives 0: drawn with the font's
        // own spacing rather than every character on the same spot.
        advance = ctx.Geometry.TryLengthToPixelX(std::min(pitch, 100.0)).value_or(0);
    }
    ctx.Target.DrawText(*at, text, ctx.State.DeviceFontFor(ctx.Target.DpiY()), ctx.State.Brush,
                        advance);
    return true;
}

bool TextOutAngle(PassContext& ctx, const Fields& f, int)
{
    const double angle = Num(f, 4);
    const auto at = Point(ctx, Num(f, 1), Num(f, 2));
    if (angle < 0 || !at)
        return true;
    const DrawState& s = ctx.State;
    const DeviceFont font{.Face = QStringLiteral("CourierNew"),
                          .PixelHeight = std::abs(s.nfontheight),
                          .Color = s.Font.Color,
                          .Bold = s.fBold,
                          .Italic = s.fItalic,
                          .Underline = s.fUnderline,
                          .StrikeOut = s.fStrikeout};
    const int escapement = static_cast<int>(std::fmod(std::trunc(angle), 3600.0));
    ctx.Target.DrawTextAngle(*at, f[3], font, escapement, s.Brush);
    return true;
}

bool Line(PassContext& ctx, const Fields& f, int)
{
    const auto from = Point(ctx, Num(f, 1), Num(f, 2));
    const auto to = Point(ctx, Num(f, 3), Num(f, 4));
    if (from && to)
        ctx.Target.DrawLine(*from, *to, ctx.State.Pen);
    return true;
}

bool Color(PassContext& ctx, const Fields& f, int)
{
    ctx.State.Font.Color = ctx.State.Pen.Color = ColorFromWord(f[1]);
    return true;
}

bool FontColor(PassContext& ctx, const Fields& f, int)
{
    ctx.State.Font.Color = ColorFromWord(f[1]);
    return true;
}

bool BrushColor(PassContext& ctx, const Fields& f, int)
{
    ctx.State.Brush = SurfaceBrush{.Color = ColorFromWord(f[1]), .Solid = true};
    return true;
}

bool PenColor(PassContext& ctx, const Fields& f, int)
{
    ctx.State.Pen.Color = ColorFromWord(f[1]);
    return true;
}

bool FontSize(PassContext& ctx, const Fields& f, int)
{
    const double size = Num(f, 1);
    if (size > 0)
        ctx.State.SetFontSize(static_cast<int>(std::min<double>(std::round(size), MaxFontSize)),
                              ctx.Target.DpiY());
    return true;
}

bool FontName(PassContext& ctx, const Fields& f, int)
{
    if (!f[1].isEmpty())
        ctx.State.Font.Name = f[1];
    return true;
}

bool FontStyle(PassContext& ctx, const Fields& f, int)
{
    DrawState& s = ctx.State;
    PageFont& font = s.Font;
    const struct {
        const char* Word;
        bool* Bit;
        bool* Flag;
        bool On;
    } words[] = {
        {"BOLD", &font.Bold, &s.fBold, true},
        {"BOLD-", &font.Bold, &s.fBold, false},
        {"ITALIC", &font.Italic, &s.fItalic, true},
        {"ITALIC-", &font.Italic, &s.fItalic, false},
        {"UNDERLINE", &font.Underline, &s.fUnderline, true},
        {"UNDERLINE-", &font.Underline, &s.fUnderline, false},
        {"STRIKEOUT", &font.StrikeOut, &s.fStrikeout, true},
        {"STRIKEOUT-", &font.StrikeOut, &s.fStrikeout, false},
    };
    const QString word = CommandWord(f[1]);
    if (word == u"NONE") {
        font.Bold = font.Italic = font.Underline = font.StrikeOut = false;
        s.fBold = s.fItalic = s.fUnderline = s.fStrikeout = false;
    }
    for (const auto& w : words)
        if (word == QLatin1String(w.Word))
            *w.Bit = *w.Flag = w.On;
    return true;
}

bool PenWidth(PassContext& ctx, const Fields& f, int)
{
    const double width = Num(f, 1);
    if (width > 0) // a width beyond any device is the widest pen, not no change
        ctx.State.Pen.Width =
            std::min(ctx.Geometry.TryLengthToPixelX(width).value_or(MaxPenWidth), MaxPenWidth);
    return true;
}

bool PenSize(PassContext& ctx, const Fields& f, int)
{
    const double size = Num(f, 1);
    if (size > 0)
        ctx.State.Pen.Width = static_cast<int>(std::min<double>(std::trunc(size), MaxPenWidth));
    return true;
}

bool PenStyleCmd(PassContext& ctx, const Fields& f, int)
{
    static const std::array<std::pair<const char*, PenStyle>, 5> styles{{
        {"PSSOLID", PenStyle::Solid},
        {"PSDASH", PenStyle::Dash},
        {"PSDOT", PenStyle::Dot},
        {"PSDASHDOT", PenStyle::DashDot},
        {"PSDASHDOTDOT", PenStyle::DashDotDot},
    }};
    const QString word = CommandWord(f[1]);
    for (const auto& [name, style] : styles)
        if (word == QLatin1String(name))
            ctx.State.Pen.Style = style;
    return true;
}

bool Picture(PassContext& ctx, const Fields& f, int slotEnd)
{
    int& slot = ctx.State.PictureSlot;
    if (slot >= slotEnd || slot < 0 || slot >= static_cast<int>(ctx.Bmp.size()))
        return true;
    const QImage& picture = ctx.Bmp[slot++];
    if (picture.isNull())
        return true;
    if (f.size() < 6) {
        ctx.Prompt.Message(QStringLiteral("PICTURE, FORMAT ERROR"));
        return false;
    }
    const auto from = Point(ctx, Num(f, 2), Num(f, 3));
    const auto to = Point(ctx, Num(f, 4), Num(f, 5));
    if (from && to)
        ctx.Target.DrawPicture(from->x(), from->y(), to->x(), to->y(), picture);
    return true;
}

// A page-string command puts its fields into the record, draws it with the
// current font and restores the record; psDrawn keeps what the drawing set.
bool PageStrCommand(PassContext& ctx, const Fields& f, TPageStr& rec, PageStrKind kind)
{
    ctx.PageStrTmp.Assign(rec);
    rec.psPos = CommandInteger(f[2]).value_or(0);
    rec.psStr = f[1];
    rec.psX = f[3];
    rec.psY = f[4];
    const PageFont font = ctx.State.Font;
    rec.psName = font.Name;
    rec.psSize = font.Size;
    rec.psBold = font.Bold;
    rec.psItalic = font.Italic;
    DrawPageStr(ctx, rec, kind);
    ctx.State.Font = font;
    rec.Assign(ctx.PageStrTmp);
    return true;
}

bool Header(PassContext& ctx, const Fields& f, int)
{
    return PageStrCommand(ctx, f, ctx.Header, PageStrKind::Header);
}

bool Footer(PassContext& ctx, const Fields& f, int)
{
    return PageStrCommand(ctx, f, ctx.Footer, PageStrKind::Footer);
}

bool PageTitle(PassContext& ctx, const Fields& f, int)
{
    return PageStrCommand(ctx, f, ctx.PageTitle, PageStrKind::Title);
}

bool SubTitle(PassContext& ctx, const Fields& f, int)
{
    return PageStrCommand(ctx, f, ctx.SubTitle, PageStrKind::Title);
}

bool InitParam(PassContext& ctx, const Fields&, int)
{
    ResetDrawState(ctx);
    return true;
}

// Page-string lines without X and Y are treated like a missing position
// field: the composer never writes them, and a list file that does is malformed.
constexpr std::array<Command, 19> Commands{{
    {"TEXTOUT", 4, nullptr, TextOut},
    {"TEXTOUTANGLE", 5, nullptr, TextOutAngle},
    {"LINE", 5, "LINE, FORMAT ERROR", Line},
    {"COLOR", 2, nullptr, Color},
    {"FONTCOLOR", 2, nullptr, FontColor},
    {"BRUSHCOLOR", 2, nullptr, BrushColor},
    {"PENCOLOR", 2, nullptr, PenColor},
    {"FONTSIZE", 2, nullptr, FontSize},
    {"FONTNAME", 2, nullptr, FontName},
    {"FONTSTYLE", 2, "FONTSTYLE FORMAT ERROR", FontStyle},
    {"PENWIDTH", 2, "PENWIDTH, NOT VALUE", PenWidth},
    {"PENSIZE", 2, "PENWIDTH, NOT VALUE", PenSize},
    {"PENSTYLE", 2, "PENSTYLE FORMAT ERROR", PenStyleCmd},
    {"PICTURE", 1, nullptr, Picture}, // checks its own fields: only read with a picture
    {"HEADER", 5, "HEADER, FORMAT ERROR", Header},
    {"FOOTER", 5, "FOOTER, FORMAT ERROR", Footer},
    {"PAGETITLE", 5, "PAGETITLE, FORMAT ERROR", PageTitle},
    {"SUBTITLE", 5, "SUBTITLE, FORMAT ERROR", SubTitle},
    {"INITPARAM", 1, nullptr, InitParam},
}};

const Command* FindCommand(const QString& keyword)
{
    for (const auto& c : Commands)
        if (keyword == QLatin1String(c.Keyword))
            return &c;
    return nullptr;
}

} // namespace

QStringList Interpreter::CommandKeywords()
{
    QStringList keywords;
    for (const auto& c : Commands)
        keywords << QLatin1String(c.Keyword);
    return keywords;
}

void Interpreter::ExecuteList(const QStringList& list, int k)
{
    Ctx.State.Pen.Width = 1;
    Ctx.State.PictureSlot = 5 * k;
    SlotEnd = 5 * k + 5;
    for (const QString& line : list) {
        const QStringList fields = SplitCommandLine(line);
        if (!fields.isEmpty() && !ExecuteLine(fields))
            break;
    }
}

bool Interpreter::ExecuteLine(const QStringList& fields)
{
    const Command* command = FindCommand(CommandKeyword(fields));
    if (!command)
        return true; // NIL, INCLUDE and unknown words are skipped
    if (fields.size() < command->MinFields) {
        if (command->Message)
            Ctx.Prompt.Message(QString::fromLatin1(command->Message));
        return false;
    }
    return command->Run(Ctx, fields, SlotEnd);
}
