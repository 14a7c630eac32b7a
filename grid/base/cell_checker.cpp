#include "grid/base/cell_checker.h"

QString TExStringGridCheck::MarkError(int ACol, int ARow, const QString& s) { return s; }
QString TExStringGridCheck::Correct(int ACol, int ARow, const QString& s) { return s; }
void TExStringGridCheck::StartCheck() {}
void TExStringGridCheck::StopCheck() {}
