#pragma once
// The title a printed sheet's job carries, so that it can be told apart in
// the print queue: «小数の計算 問題 No. 1234-5678» for a sheet with its
// code, «小数の計算 問題と答え No.1～No.30» for a class set of 30 sheets.
#include <QString>

// A document with no title of its own: «小数の計算».
QString PlainJobTitle();
// mode: ProblemSheet or AnswerSheet; code: the sheet's code, or empty.
QString SheetJobTitle(int mode, const QString& code);
QString ClassSetJobTitle(int sheets);
