#pragma once
// The rules for the number of problems: rows 1..10, columns 1..4 and at
// most 20 problems in all. Pure checks shared by the main window, the style
// dialog and the command-line tool; the caller shows the message and puts
// the remembered text back when a count is rejected.
#include <string>

struct CountVerdict {
    bool Accepted = false;
    int Value = 0;        // the accepted rows or columns
    int Total = 0;        // rows × columns when accepted
    std::string Message;  // the message box text when rejected
};

// Leaving the rows edit: rowText is being checked, colText is the columns
// edit as it stands (a text that is not an integer counts as 1 column).
CountVerdict CheckRows(const std::string& rowText, const std::string& colText);
// Leaving the columns edit (a rows text that is not an integer counts as 10).
CountVerdict CheckCols(const std::string& colText, const std::string& rowText);
