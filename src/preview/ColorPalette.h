#pragma once
// The colour chooser of the problems' font: a palette of the sixteen colours
// the page language names, and nothing else, since every other colour
// prints black. The colour shown first is the named one nearest to the
// current colour.
#include <QDialog>
#include <QList>
#include <cstdint>

class QAbstractButton;

class ColorPalette : public QDialog {
    Q_OBJECT

public:
    ColorPalette(uint32_t initial, QWidget* parent = nullptr);

    // The colour of the checked swatch (24 bits, red in the low byte).
    uint32_t Chosen() const;

    QList<QAbstractButton*> Swatches;  // in the order of NamedColors
};
