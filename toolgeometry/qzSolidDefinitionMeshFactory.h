// Closed triangle meshes of extruded solid definitions.
#pragma once

#include "tessaform_export.h"
#include "brimlib/qzSolidDefinition.h"
#include "geometry/qz2dPolyLine.h"
#include "mesh/qzTMesh.h"

namespace cadcam
{
/// Builds closed triangle meshes of extruded solid definitions; T is the coordinate type.
template <class T> class TESSAFORM_API qzSolidDefinitionMeshFactory
{
public:
    /// The mesh of every base contour swept along the extrusion vector, in the solid's units.
    /// A contour point (x, y) at height h becomes the mesh point (x, h, y). A positive `offset`
    /// shrinks the body by that much on every side (the contour inwards, both ends), a negative
    /// one grows it; `tolerance` is the chord tolerance of the contours' polygonization.
    /// Side walls face outwards, the bottom cap -Y and the top cap +Y; normals are not
    /// normalized (twice the triangle's area long).
    /// Errors: qzcadcamException 2192 for an open contour (2190 for an empty one), the bare
    /// qzcadcamException::errorIDD 2216 for a contour that polygonizes to fewer than two
    /// vertices, qzWMException 7052 for a cap that cannot be triangulated (such as a
    /// self-crossing contour), the polygonizer's errors.
    static misc::qzAutoPointer<qzTMesh<T>> Create(const qzExtrudedSolidDefinition<T>& solid, T offset, T tolerance);

private:
    static misc::qzAutoPointer<qz2dPolyLine<T>> BuildExtrudedContour(const misc::qzAutoPointer<qz2dPolyLine<T>>& bottom,
                                                                     const qz3dPoint<T>& extrusion);
};

extern template class TESSAFORM_EXTERN_TEMPLATE qzSolidDefinitionMeshFactory<float>;
extern template class TESSAFORM_EXTERN_TEMPLATE qzSolidDefinitionMeshFactory<double>;
} // namespace cadcam
