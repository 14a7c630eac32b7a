// Pictures of forms for a look by eye: a form shown modally, filled by the test,
// grabbed into <folder>/<name>.png and closed with Cancel.
#pragma once

#include <QString>
#include <functional>

class TForm;

void ShootForm(TForm* form, const QString& folder, const QString& name, const std::function<void()>& fill = {});
