#pragma once
// A remainder answer too wide for its cell goes on two lines of the cell,
// broken before « あまり »: «24 あまり 0.2» becomes «24» over «あまり 0.2».
// Sheets break such an answer before they shrink their problems.
#include <QString>
#include <optional>

struct RemainderLines {
    QString First;   // the quotient, with whatever stood before it
    QString Second;  // «あまり» and the remainder
};

// The two lines of text, or none when it holds no « あまり ».
std::optional<RemainderLines> BreakBeforeRemainder(const QString& text);
