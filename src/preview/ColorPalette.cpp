#include "preview/ColorPalette.h"

#include "prevform/ColorWords.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QPainter>
#include <QPixmap>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int kColumns = 4;
constexpr int kSwatchSize = 28;

QIcon SwatchIcon(uint32_t color)
{
    QPixmap pixmap(kSwatchSize, kSwatchSize);
    pixmap.fill(ToQColor(color));
    QPainter painter(&pixmap);
    painter.setPen(Qt::gray);  // white stays visible on a white dialog
    painter.drawRect(0, 0, kSwatchSize - 1, kSwatchSize - 1);
    return QIcon(pixmap);
}

} // namespace

ColorPalette::ColorPalette(uint32_t initial, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("色"));
    auto* box = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    auto* group = new QButtonGroup(this);
    int count = 0;
    const NamedColor* colors = NamedColors(&count);
    const uint32_t start = NearestNamedColor(initial);
    for (int i = 0; i < count; ++i) {
        auto* swatch = new QToolButton(this);
        swatch->setIcon(SwatchIcon(colors[i].Value));
        swatch->setIconSize(QSize(kSwatchSize, kSwatchSize));
        swatch->setCheckable(true);
        swatch->setToolTip(QString::fromLatin1(colors[i].Word));
        swatch->setChecked(colors[i].Value == start);
        group->addButton(swatch, i);
        grid->addWidget(swatch, i / kColumns, i % kColumns);
        Swatches << swatch;
        connect(swatch, &QToolButton::clicked, this, [swatch] { swatch->setFocus(); });
    }
    box->addLayout(grid);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    box->addWidget(buttons);
}

uint32_t ColorPalette::Chosen() const
{
    int count = 0;
    const NamedColor* colors = NamedColors(&count);
    for (int i = 0; i < count && i < Swatches.size(); ++i)
        if (Swatches.at(i)->isChecked())
            return colors[i].Value;
    return colors[0].Value;
}
