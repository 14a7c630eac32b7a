// The link object of a custom cell editor (editor kind edCustom): an application
// component that a grid or a column holds by reference and that a column stream
// names by its component name. What the link does while a cell is edited comes
// with the custom editor; here it is the component the references point at.
#pragma once

#include "platform/ui/component.h"

class TEditLink : public TComponent {
public:
  explicit TEditLink(TComponent* AOwner) : TComponent(AOwner) {}
};
