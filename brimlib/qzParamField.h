// Declaration of the stored fields of the parameter model.
#pragma once

#include "geometry/qzTPoint.h"

/// Points and directions of the parameter model.
using qzPoint3d = cadcam::qzTPoint3d<double>;

/// Declares one stored parameter of a model class: the member with its default, the getter
/// Get<Name>() and the setter Set<Name>(value). The setter stores exactly the value given.
/// Used at the end of a class body: it leaves the access at private.
#define QZ_PARAM(Type, Name, Default)                                                                              \
public:                                                                                                            \
    const Type& Get##Name() const { return m_##Name; }                                                             \
    void Set##Name(const Type& value) { m_##Name = value; }                                                        \
                                                                                                                   \
private:                                                                                                           \
    Type m_##Name = Default;
