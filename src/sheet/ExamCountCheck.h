#pragma once
// The rules for the number of problems: rows 1..10, columns 1..4 and at
// most 20 problems in all. Pure checks shared by the main window, the style
// dialog and the command-line tool; the caller shows the message and puts
// the remembered text back when a count is rejected.
#include <string>

// A text that is not an integer passes the checks as 10 rows or 1 column,
// but it cannot be stored as the count: such a verdict is accepted and not
// storable, and its message says why it cannot be stored.
struct CountVerdict {
    bool Accepted = false;
    int Value = 0;        // the accepted rows or columns (10 or 1 for a non-integer)
    int Total = 0;        // rows × columns when accepted
    std::string Message;  // the message box text when rejected or not storable
    bool Storable = true; // the checked text is an integer, so Value may be stored
};

// Leaving the rows edit: rowText is being checked (a text that is not an
// integer counts as 10 rows), colText is the columns edit as it stands (a
// text that is not an integer counts as 1 column).
CountVerdict CheckRows(const std::string& rowText, const std::string& colText);
// Leaving the columns edit (a rows text that is not an integer counts as 10).
CountVerdict CheckCols(const std::string& colText, const std::string& rowText);
