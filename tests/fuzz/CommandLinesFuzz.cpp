// The command splitter and the interpreter: up to three command lists, run in
// order onto the recording surface as a rendering pass would, with pictures
// in some slots so that "Picture" lines draw. The first byte picks the unit
// and the target.
#include "FuzzSupport.h"
#include "support/ScriptedPrompts.h"
#include "prevform/CommandSplit.h"
#include "prevform/Interpreter.h"
#include "support/RecordingSurface.h"
#include "common/TextDecoding.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const uint8_t mode = data[0];
    RecordingSurface screen{96, QSize(755, 1084)};
    RecordingSurface printer{600, QSize(4724, 6780)};
    PageGeometry geometry;
    geometry.ReadScreenCaps(96);
    geometry.UnitType = mode % 3;
    geometry.nTgtCanvas = (mode & 4) ? PageGeometry::TgtPrinter : PageGeometry::TgtImage;
    geometry.ScreenSurface = &screen;
    geometry.PrinterSurface = &printer;
    DrawState state;
    state.InitParam(geometry.TargetDpiY());
    TPageStr header, footer, title, subTitle, tmp, copyright;
    title.SetSets("title", "ＭＳ 明朝", 24, 4, "10", "10", false, false);
    double headerBottom = 0, creditHeight = 0;
    std::array<QImage, 15> bmp;
    for (int i = 0; i < 15; i += 2)
        bmp[i] = QImage(3 + i, 2 + i, QImage::Format_RGB32);
    ScriptedPrompts prompts;
    PassContext ctx{geometry.OnPrinter() ? static_cast<Surface&>(printer) : screen,
                    geometry, state, header, footer, title, subTitle, tmp, copyright,
                    headerBottom, creditHeight, bmp, prompts};

    const std::vector<QByteArray> lists = SplitInput(data + 1, size - 1, 3);
    Interpreter interpreter(ctx);
    for (size_t k = 0; k < lists.size(); ++k) {
        const QStringList lines = SplitTextLines(DecodeText(lists[k]));
        for (const QString& line : lines)
            for (const QString& field : SplitCommandLine(line)) {
                CommandNumber(field);
                CommandInteger(field);
            }
        interpreter.ExecuteList(lines, static_cast<int>(k));
    }
    return 0;
}
