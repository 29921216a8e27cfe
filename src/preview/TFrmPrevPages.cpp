// The preview's document: one page shown at a time, "前のページ" and
// "次のページ" in the view menu (Page Up and Page Down), and the page number
// in the status bar while the document has more than one page.
#include "preview/TFrmPrev.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QStatusBar>

#include <algorithm>

void TFrmPrev::CreatePageControls()
{
    MenuView->addSeparator();
    PrevPageItem = MenuView->addAction(QStringLiteral("前のページ"));
    NextPageItem = MenuView->addAction(QStringLiteral("次のページ"));
    PrevPageItem->setShortcut(QKeySequence(Qt::Key_PageUp));
    NextPageItem->setShortcut(QKeySequence(Qt::Key_PageDown));
    // The keys page even while the scroll area has the focus.
    PrevPageItem->setShortcutContext(Qt::WindowShortcut);
    NextPageItem->setShortcutContext(Qt::WindowShortcut);
    connect(PrevPageItem, &QAction::triggered, this, &TFrmPrev::PrevPageClick);
    connect(NextPageItem, &QAction::triggered, this, &TFrmPrev::NextPageClick);
    PageLabel = new QLabel;
    statusBar()->addPermanentWidget(PageLabel);
    UpdatePageControls();
}

void TFrmPrev::ShowDocument(const QList<QStringList>& pages, const QString& title)
{
    Pages = pages.isEmpty() ? QList<QStringList>{QStringList{}} : pages;
    Title = title.isEmpty() ? PlainJobTitle() : title;
    // A new sheet fits the window as it is now (it may have been resized
    // while hidden, or turned by the printer setup).
    if (Prev->PageView == 2 && isVisible() && ErrorNum() < 0)
        FitWholePage();
    ShowPage(0);
}

void TFrmPrev::ShowPage(int index)
{
    if (Pages.isEmpty())
        return;
    ShownPage = std::clamp(index, 0, int(Pages.size()) - 1);
    Prev->ListbyProgram = Pages.at(ShownPage);
    Prev->PrevUpDateProgram();
    UpdatePageControls();
}

void TFrmPrev::PrevPageClick()
{
    if (ShownPage > 0)
        ShowPage(ShownPage - 1);
}

void TFrmPrev::NextPageClick()
{
    if (ShownPage + 1 < Pages.size())
        ShowPage(ShownPage + 1);
}

// The items are enabled only where there is a page to go to; a one-page
// sheet keeps the window as it always was, without a status bar.
void TFrmPrev::UpdatePageControls()
{
    const int count = int(Pages.size());
    if (ShownPage >= count)
        ShownPage = 0;
    PrevPageItem->setEnabled(ShownPage > 0);
    NextPageItem->setEnabled(ShownPage + 1 < count);
    PageLabel->setText(QStringLiteral("%1/%2").arg(ShownPage + 1).arg(count));
    statusBar()->setVisible(count > 1);
}

QList<QStringList> TFrmPrev::DocumentPages() const
{
    if (Pages.size() <= 1)
        return {Prev->ListbyProgram};
    return Pages;
}

bool TFrmPrev::PrintDocument()
{
    if (Pages.size() <= 1)
        return Prev->PrintOut();
    return Prev->PrintPages(Pages);
}
