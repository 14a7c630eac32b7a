#include "app/forms/form_registry.h"

#include "app/shell/form_lists.h"
#include "platform/ui/form.h"

#include <vector>

namespace {

struct TRegisteredForm {
  TForm* Form;
  QString Name;
  std::function<void()> Set_Lang;
};

// Hears of every registered form being freed, and forgets it.
class TFormRegistry : public TComponent {
public:
  TFormRegistry() : TComponent(nullptr) {}
  std::vector<TRegisteredForm> forms;

protected:
  void Notification(TComponent* AComponent, TOperation Operation) override {
    TComponent::Notification(AComponent, Operation);
    if (Operation != opRemove) return;
    std::erase_if(forms, [AComponent](const TRegisteredForm& f) { return f.Form == AComponent; });
  }
};

TFormRegistry& registry() {
  static TFormRegistry* r = new TFormRegistry;  // outlives every form
  return *r;
}

}  // namespace

void Register_Form(TForm* form, std::function<void()> setLang) {
  if (!form) return;
  std::erase_if(registry().forms, [form](const TRegisteredForm& f) { return f.Form == form; });
  registry().forms.push_back({form, form->ClassName(), std::move(setLang)});
  form->FreeNotification(&registry());
}

TForm* Registered_Form(const QString& className) {
  for (const TRegisteredForm& f : registry().forms)
    if (f.Name == className) return f.Form;
  return nullptr;
}

int Registered_Form_Count() { return static_cast<int>(registry().forms.size()); }

void Change_Language() {
  const std::vector<TRegisteredForm> forms = registry().forms;
  for (const char16_t* name : Change_Language_Order) {
    const QString className = QString::fromUtf16(name);
    for (const TRegisteredForm& f : forms)
      if (f.Name == className && f.Set_Lang) f.Set_Lang();
  }
}
