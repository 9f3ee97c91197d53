// Guard for treating a solid definition as a revolved one.
#pragma once

#include "tessaform_export.h"
#include "brimlib/qzSolidDefinition.h"

namespace cadcam
{
/// Lets only revolved definitions through; every other kind throws misc::qzException 0
/// "Illegal conversion of <kind>& to qzRevolvedSolidDefinition& type object".
template <class T> class TESSAFORM_API qzCasting2SolidDefinitionChecker : public qzSolidDefinitionVisitorGetter<T>
{
public:
    void Visit(const qzMeshSolidDefinition<T>& solid) override;
    void Visit(const qzExtrudedSolidDefinition<T>& solid) override;
    void Visit(const qzRevolvedSolidDefinition<T>& solid) override;
    void Visit(const qzSolidDefinition<T>& solid) override;

    /// `solid` as the revolved definition it is; throws as above otherwise.
    ///@{
    static qzRevolvedSolidDefinition<T>& Cast(qzSolidDefinition<T>& solid);
    static const qzRevolvedSolidDefinition<T>& Cast(const qzSolidDefinition<T>& solid);
    ///@}
};

extern template class TESSAFORM_EXTERN_TEMPLATE qzCasting2SolidDefinitionChecker<double>;
} // namespace cadcam
