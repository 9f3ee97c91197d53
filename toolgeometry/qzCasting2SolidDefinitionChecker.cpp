#include "toolgeometry/qzCasting2SolidDefinitionChecker.h"

#include "brimlib/qzException.h"

namespace cadcam
{
namespace
{
const char* const kNotAKnownKind = "Illegal conversion of qzSolidDefinition& to qzRevolvedSolidDefinition& type object";
} // namespace

template <class T> void qzCasting2SolidDefinitionChecker<T>::Visit(const qzMeshSolidDefinition<T>&)
{
    throw misc::qzException(
        0, "Illegal conversion of qzMeshSolidDefinition& to qzRevolvedSolidDefinition& type object");
}

template <class T> void qzCasting2SolidDefinitionChecker<T>::Visit(const qzExtrudedSolidDefinition<T>&)
{
    throw misc::qzException(
        0, "Illegal conversion of qzExtrudedSolidDefinition& to qzRevolvedSolidDefinition& type object");
}

template <class T> void qzCasting2SolidDefinitionChecker<T>::Visit(const qzRevolvedSolidDefinition<T>&) {}

template <class T> void qzCasting2SolidDefinitionChecker<T>::Visit(const qzSolidDefinition<T>&)
{
    throw misc::qzException(0, kNotAKnownKind);
}

template <class T>
qzRevolvedSolidDefinition<T>& qzCasting2SolidDefinitionChecker<T>::Cast(qzSolidDefinition<T>& solid)
{
    qzCasting2SolidDefinitionChecker checker;
    solid.AcceptVisitor(checker);
    // A kind that visits as revolved without being one is refused, not cast blindly.
    if (auto* revolved = dynamic_cast<qzRevolvedSolidDefinition<T>*>(&solid))
        return *revolved;
    throw misc::qzException(0, kNotAKnownKind);
}

template <class T>
const qzRevolvedSolidDefinition<T>& qzCasting2SolidDefinitionChecker<T>::Cast(const qzSolidDefinition<T>& solid)
{
    return Cast(const_cast<qzSolidDefinition<T>&>(solid));
}

template class qzCasting2SolidDefinitionChecker<double>;
} // namespace cadcam
