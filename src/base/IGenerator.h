// Makes objects on request (the face a class pool shows to generic code).
#pragma once

namespace s::base {

class IObject;

class IGenerator {
public:
    virtual ~IGenerator() = default;
    virtual IObject* generate() = 0;
};

}  // namespace s::base
