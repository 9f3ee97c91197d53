// Turning a generic revolved tool (profiles only) into the typed tool its profile shows.
#pragma once

#include "tessaform_export.h"
#include "brimlib/qzAutoPointer.h"
#include "brimlib/qzTypedTools.h"
#include "geometry/qz2dContour.h"

namespace cadcam
{
template <class T> class qzGeneric2TypedToolConverter;

/// Reads the profiles of a generic revolved tool and recognises its kind.
template <> class TESSAFORM_API qzGeneric2TypedToolConverter<double>
{
public:
    qzGeneric2TypedToolConverter();
    /// Copyable: a converter holds no state.
    ///@{
    qzGeneric2TypedToolConverter(const qzGeneric2TypedToolConverter&);
    qzGeneric2TypedToolConverter& operator=(const qzGeneric2TypedToolConverter&);
    ///@}
    virtual ~qzGeneric2TypedToolConverter();

    /// The typed tool that the cutting profile shows, built by the creator that the process-wide
    /// qzToolFactory<double> picks for the profile's element kinds (see qzToolCreator and its
    /// creators). Errors: qzcadcamException 2193 for a member that is neither a line nor an
    /// arc, 2194 for an unregistered kind sequence, 2214, 2215 and 2197 from the creators,
    /// misc::qzException 2108 "Unknown tool type" for a shape that names no tool, the cast
    /// failure for a part that is not a revolved solid, "Accessing NULL pointer" for an empty
    /// tool, part, solid, profile or member.
    misc::qzAutoPointer<qzTypedRevolvedTool> Convert(misc::qzAutoPointer<qzGenericRevolvedTool> tool);

protected:
    /// A new contour holding the cutting part's profile members.
    misc::qzAutoPointer<qz2dContour<double>>
    GetCutPartProfile(misc::qzAutoPointer<qzGenericRevolvedTool> tool) const;
    /// A new contour holding the non-cutting part's profile members.
    misc::qzAutoPointer<qz2dContour<double>>
    GetNoneCutPartProfile(misc::qzAutoPointer<qzGenericRevolvedTool> tool) const;
    /// The cutting profile's members followed by the non-cutting profile's, in one new contour.
    misc::qzAutoPointer<qz2dContour<double>>
    GetToolProfile(misc::qzAutoPointer<qzGenericRevolvedTool> tool) const;
};
} // namespace cadcam
