// The object interface: run-time type name and a factory for another object of the class.
#pragma once

#include "base/IComparable.h"

namespace s::base {

class IObject : public IComparable {
public:
    // Namespace path and class name joined by underscores, e.g. u"s_digest_md5_Md5".
    virtual const char16_t* typeName() const = 0;
    // A new, ready object of the same class; pooled classes take it from their class pool
    // and the caller gives it back with release().
    virtual IObject* newInstance() const = 0;
};

}  // namespace s::base
