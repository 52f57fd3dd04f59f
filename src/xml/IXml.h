// The interface of an XML element of the framework's document model.
#pragma once

#include "base/IObject.h"

namespace s::xml {

class IXml : public base::IObject {};

}  // namespace s::xml
