// Creators that build a typed tool from a generic revolved tool whose profile they recognise.
#pragma once

#include "tessaform_export.h"
#include "brimlib/qzAutoPointer.h"
#include "brimlib/qzTypedTools.h"
#include "toolgeometry/qzCuttingPartToolProfileVisitor.h"

#include <vector>

namespace cadcam
{
/// Builds the typed tool of a recognised generic revolved tool.
///
/// Every typed tool gets the generic tool's arbor, holder and units and these dimensions,
/// read from the two profiles (heights from the lowest point of the cutting profile):
/// - diameter: twice the largest x of the cutting profile (a ball mill and a lollipop: twice
///   the ball's radius; a bull-nose mill: twice the radius of its flank);
/// - cutting length: the height of the cutting profile's box;
/// - length: up to the highest point of either profile;
/// - shoulder extender: twice the largest x of the non-cutting profile as diameter, the
///   height where that profile starts as base length (diameter 0 and the cutting length
///   when it has no elements).
/// Creators hold no state: one creator may serve several threads at once.
template <class T> class TESSAFORM_API qzToolCreator
{
public:
    /// Element kinds of a profile, in order: 0 a line, 1 an arc.
    using Kinds = std::vector<int>;
    /// The generic tool recognised and the typed tool built, each shared.
    ///@{
    using GenericTool = misc::qzAutoPointer<qzGenericRevolvedTool>;
    using TypedTool = misc::qzAutoPointer<qzTypedRevolvedTool>;
    ///@}

    qzToolCreator();
    virtual ~qzToolCreator();

    /// Recognises the cutting profile of `tool` (whose kinds are `kinds`) and stores the typed
    /// tool in `result`. misc::qzException 2108 "Unknown tool type" when the recognised value
    /// names no tool of the creator; the creator's own errors as stated there.
    virtual void Create(TypedTool& result, const GenericTool& tool, const Kinds& kinds) const = 0;
    /// Walks the non-cutting profile of `tool` and returns what was collected.
    virtual qzNoneCuttingPartToolProfileVisitor<T> CollectNoneCutPart(const GenericTool& tool) const;

    /// The profile of a revolved tool part: the cast failure of a solid that is not revolved,
    /// "Accessing NULL pointer" for a missing part, solid or profile.
    static const qz2dContour<T>& GetPartProfile(const misc::qzAutoPointer<qzToolPartDefinition<T>>& part);

protected:
    /// What every typed tool is built with.
    struct Dimensions
    {
        /// Twice the largest x of the cutting profile.
        double diameter = 0.0;
        /// Height of the cutting profile's box.
        double cuttingLength = 0.0;
        /// From the tip up to the highest point of either profile.
        double length = 0.0;
        /// The generic tool's arbor and holder, shared.
        ///@{
        qzTool::Arbor arbor;
        qzTool::Holder holder;
        ///@}
        /// Built from the non-cutting profile, as described with the class.
        qzShoulderExtender shoulder;
        /// The generic tool's units.
        qzTool::Units units = measures::qzUnitsFactory::METRIC;
    };

    /// Lets every member of `profile` accept `visitor`.
    static void Walk(const qz2dContour<T>& profile, qz2dGeometryVisitor<T>& visitor);
    /// The dimensions above from the generic tool and its walked profiles.
    Dimensions Measure(const GenericTool& tool, const qz2dContour<T>& cutProfile,
                       const qzNoneCuttingPartToolProfileVisitor<T>& nonCutPart) const;
};

/// Profiles that start with an arc or hold one between lines. The suite is chosen by the whole
/// kind sequence: (arc) qzArcSuite, (arc, line) qzArcLineSuite, (line, arc, line)
/// qzLineArcLineSuite, (arc, arc, line) qzArcArcLineSuite; any other sequence throws
/// qzcadcamException 2214.
///
/// Typed tools by value: 7 qzBoreBar, 9 qzCSink, 10 qzSpherMill, 16 qzChamferMill, 17
/// qzFaceMill, 18 qzSlotMill, 19 qzRadMill, 20 qzDoveMill, 21 qzTaperMill, 22 qzLolMill, 23
/// qzBullMill, 27 qzConvexTipMill. Their own values: corner radius and tip radius as the suite
/// answers them (corner type "radius" when the corner radius is above 0); a taper mill's angle
/// is that of its last line from the axis and its diameter twice the x where its corner arc's
/// circle is widest; a lollipop's neck diameter is twice the smaller x of its line; other angles
/// are 0.
///
/// qzcadcamException 2197 when the profile does not fit the tool: a ball mill (10) whose arc is
/// not centred on the axis (within 0.001); a bull-nose mill (23) whose corner arc's circle does
/// not reach the flank (within 0.001) or whose centre lies beyond the axis.
template <class T> class TESSAFORM_API qzSphericalToolCreator : public qzToolCreator<T>
{
public:
    using typename qzToolCreator<T>::Kinds;
    using typename qzToolCreator<T>::GenericTool;
    using typename qzToolCreator<T>::TypedTool;

    ~qzSphericalToolCreator() override;
    void Create(TypedTool& result, const GenericTool& tool, const Kinds& kinds) const override;
};

/// Profiles that start with two lines, classified by qzCylindroConicalToolVisitor (see there).
/// Typed tools by value: 1 qzCtrDrill, 2 qzSpotDrill, 3 qzDrill, 4 qzTapRH, 5 qzTapLH, 6
/// qzReamer, 8 qzCntrBore, 10 qzEndMill, 25 qzChamferMill; drills take their point angle,
/// centre drills their pilot, chamfer mills their cone angle from the axis and tip diameter.
/// qzcadcamException 2215 when the visitor cannot be made.
template <class T> class TESSAFORM_API qzCylindroConicalToolCreator : public qzToolCreator<T>
{
public:
    using typename qzToolCreator<T>::Kinds;
    using typename qzToolCreator<T>::GenericTool;
    using typename qzToolCreator<T>::TypedTool;

    ~qzCylindroConicalToolCreator() override;
    void Create(TypedTool& result, const GenericTool& tool, const Kinds& kinds) const override;
};

extern template class TESSAFORM_EXTERN_TEMPLATE qzToolCreator<double>;
extern template class TESSAFORM_EXTERN_TEMPLATE qzSphericalToolCreator<double>;
extern template class TESSAFORM_EXTERN_TEMPLATE qzCylindroConicalToolCreator<double>;
} // namespace cadcam
