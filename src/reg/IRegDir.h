// The interface of a registry key object.
#pragma once

#include "base/IObject.h"

namespace s::reg {

class IRegDir : public base::IObject {};

}  // namespace s::reg
