// The floating footer's preview template: "<#n>" tags stand for the text of
// column n in the current row.
#pragma once

#include <QString>
#include <functional>

// Template with every "<#n>" replaced by ColumnText(n); a tag whose n is no
// integer from 0 below Columns disappears. A "<#" without a closing ">" and the
// text after it stay as they are.
QString ExpandFooterTemplate(const QString& Template, int Columns, const std::function<QString(int)>& ColumnText);
