#pragma once
// The dialog "クラス分を作る": how many sheets (or a class list, one sheet a
// name), the order of the pages, and whether to save them as a PDF or print
// them. It only reads its controls into a SetRequest and refuses a request
// ClassSet::Check refuses; making the set is the main window's work.
#include <QDialog>

class Prompts;
struct SetRequest;
class QPlainTextEdit;
class QPushButton;
class QLabel;
class QLineEdit;
class QRadioButton;

class TFrmClassSet : public QDialog {
    Q_OBJECT

public:
    enum class Action { Cancel, Pdf, Print };

    TFrmClassSet(Prompts& prompts, QWidget* parent = nullptr);

    // Shows the dialog modally; what the user chose (Cancel when closed).
    Action Execute();
    // The request the controls describe (its first seed left 0).
    SetRequest Request() const;

    QLineEdit* EdtCount = nullptr;         // "枚数"
    QPlainTextEdit* MemoNames = nullptr;   // "名簿"
    QLabel* LblNames = nullptr;            // how many names and the first few
    QPushButton* BtnLoad = nullptr;        // "ファイルから読む(&L)..."
    QRadioButton* RbOrder[4] = {};         // in SetOrder's order
    QPushButton* BtnPdf = nullptr;         // "PDFに保存(&P)..."
    QPushButton* BtnPrint = nullptr;       // "印刷(&R)"
    QPushButton* BtnCancel = nullptr;      // "キャンセル"

    // Reads a class list file into the list box; a file that cannot be read
    // or is not text is explained and changes nothing.
    void BtnLoadClick();
    // Closes with action unless the request is refused (explained).
    void Finish(Action action);
    // A list of names fixes the number of sheets.
    void NamesChanged();

private:
    Prompts& UserPrompts;
    Action Chosen = Action::Cancel;
};
