// Field order and version history of the move, posted-move and machine-parameter records
// (internal). Each Describe function is walked by the reader and the writer (qzRecordWalk.h).
#pragma once

#include "brimlib/qzCNCMove.h"
#include "brimlib/qzMXPParam.h"
#include "brimlib/qzPostedMove.h"
#include "paramformat/qzRecordWalk.h"

namespace paramformat
{
/// Posted move types 0 to 6; other values raise 2708.
constexpr EnumRange kPostedMoveTypes{0, 6, qzcadcamException::INVALID_POSTED_MOVE_TYPE};
/// Angle states 0 to 2; other values raise 2637.
constexpr EnumRange kAngleStates{0, 2, qzcadcamException::UNKNOWN_MOVE_TYPE};

// The rotary values of each posted-move kind, and the angle state of the 5- and 6-axis ones.
template <class V> void DescribeRotary(V&, const post::qzPosted3axMove*) {}

template <class V> void DescribeRotary(V& v, const post::qzPosted4axMove*)
{
    v.Real([](const post::qzPosted4axMove& m) { return m.GetRotVal(0); },
           [](post::qzPosted4axMove& m, double value) { m.SetRotVal(value); });
}

template <unsigned N, class M, class V> void DescribeAngled(V& v)
{
    for (unsigned index = 0; index < N; ++index)
        v.Real([index](const M& m) { return m.GetRotVal(index); },
               [index](M& m, double value) { m.SetRotVal(value, index); });
    v.Int(&M::GetAngleState, &M::SetAngleState, kAngleStates);
}

template <class V> void DescribeRotary(V& v, const post::qzPosted5axMove*)
{
    DescribeAngled<2, post::qzPosted5axMove>(v);
}

template <class V> void DescribeRotary(V& v, const post::qzPosted6axMove*)
{
    DescribeAngled<3, post::qzPosted6axMove>(v);
}

/// A posted move of any kind. From version 191 a flag marks the reduced record, which ends
/// after the time; the writer always stores the full record.
template <class V> void DescribePostedMove(V& v)
{
    using P = post::qzPostedMove;
    using E = post::qzExtendedPostedMove;
    v.Point(&P::GetAbsMachPos, &P::SetAbsMachPos);
    v.Point(&P::GetPartPos, &P::SetPartPos);
    v.Point(&P::GetOrientation, &P::SetOrientation);
    DescribeRotary(v, &v.Record());
    v.Real(&P::GetFeedrate, &P::SetFeedrate);
    v.Bool(&P::IsRapid, &P::SetRapid);
    const bool reduced = v.Since(191) && v.Flag([](const P&) { return false; });
    if (v.Since(210) || (v.Since(83) && !reduced))
        v.Int(&P::GetMoveType, &P::SetMoveType, kPostedMoveTypes);
    if (v.Since(41))
        v.Real(&P::GetTime, &P::SetTime);
    else
        v.Set(&P::SetTime, 0.0);
    if (reduced)
    {
        v.Set(&P::SetShortPostedMove, false);
        return;
    }
    if (v.Since(92) && v.Flag(&E::HasPotentialSurfaceData))
    {
        v.Point(&E::GetPotentialSurfaceCP, &E::SetPotentialSurfaceCP);
        v.Point(&E::GetPotentialSurfaceCPOrient, &E::SetPotentialSurfaceCPOrient);
        v.Size(&E::GetPotentialSurfaceID, &E::SetPotentialSurfaceID);
    }
    if (v.Since(103))
    {
        v.Size(&E::GetReferenceToOriginalToolpath, &E::SetReferenceToOriginalToolpath);
        v.Bool(&E::WasAddOnPost, &E::SetWasAddOnPost);
    }
    else
    {
        v.Set(&E::SetReferenceToOriginalToolpath, 0u);
        v.Set(&E::SetWasAddOnPost, false);
    }
}

/// The machine's extra parameters after their units (which the constructor takes).
template <class V> void DescribeMXPParam(V& v)
{
    using R = post::qzMXPParam;
    v.Bool(&R::GetAngleSelectAutoFrom2Pairs, &R::SetAngleSelectAutoFrom2Pairs);
    v.Bool(&R::GetAngleSelectOtherPair, &R::SetAngleSelectOtherPair);
    v.Real(&R::GetAngleChangeLimit, &R::SetAngleChangeLimit);
    v.Real(&R::GetInterpolationStep, &R::SetInterpolationStep);
    v.Real(&R::GetInterpolationDist, &R::SetInterpolationDist);
    v.Bool(&R::GetInterpolationDistFlag, &R::SetInterpolationDistFlag);
    v.Real(&R::GetRetractDistForLargeAngChange, &R::SetRetractDistForLargeAngChange);
    if (v.Since(16))
        v.Real(&R::GetPoleAngleTolInDeg, &R::SetPoleAngleTolInDeg);
    else
        v.Set(&R::SetPoleAngleTolInDeg, 0.57);
    if (v.Since(185))
        v.Int(&R::GetMachineLimits, &R::SetMachineLimits);
    else if (v.Since(16)) // a flag: all limits or none
        v.Legacy(&R::GetMachineLimits, &R::SetMachineLimits,
                 [](BinSource& in) { return in.Bool() ? R::ALL_LIMITS : R::IGNORE_LIMITS; });
    else
        v.Set(&R::SetMachineLimits, R::IGNORE_LIMITS);
    if (v.Since(55))
    {
        v.Real(&R::GetAngleTolInDegForUsingMachLimits, &R::SetAngleTolInDegForUsingMachLimits);
        v.Int(&R::GetStartAngleType, &R::SetStartAngleType);
        v.Int(&R::GetSolutionForStartAngle, &R::SetSolutionForStartAngle);
        v.Real(&R::GetPreferredStartAngleValInDeg, &R::SetPreferredStartAngleValInDeg);
    }
    else
    {
        v.Set(&R::SetAngleTolInDegForUsingMachLimits, 0.0001);
        v.Set(&R::SetStartAngleType, R::AUTOMATIC_START_ANGLE);
        v.Set(&R::SetSolutionForStartAngle, R::FIRST_SOLUTION);
        v.Set(&R::SetPreferredStartAngleValInDeg, 0.0);
    }
    if (v.Since(100))
        v.Bool(&R::GetInterpolationRapidMoves, &R::SetInterpolationRapidMoves);
    else
        v.Set(&R::SetInterpolationRapidMoves, false);
    if (v.Since(165))
        v.Int(&R::GetPoleHandling, &R::SetPoleHandling);
    else if (v.Since(162)) // two flags: either one rotates around the pole
        v.Legacy(&R::GetPoleHandling, &R::SetPoleHandling, [](BinSource& in) {
            const bool first = in.Bool();
            const bool second = in.Bool();
            return first || second ? R::ROTATE_AROUND_POLE : R::NO_POLE_HANDLING;
        });
    else if (v.Since(156)) // one flag
        v.Legacy(&R::GetPoleHandling, &R::SetPoleHandling,
                 [](BinSource& in) { return in.Bool() ? R::KEEP_ROTARY_ANGLE : R::NO_POLE_HANDLING; });
    else
        v.Set(&R::SetPoleHandling, R::NO_POLE_HANDLING);
    if (v.Since(181))
        v.Bool(&R::GetToolpathAlignment, &R::SetToolpathAlignment);
    else
        v.Set(&R::SetToolpathAlignment, false);
    if (v.Since(220))
    {
        v.Int(&R::GetInterpolation, &R::SetInterpolation);
        v.Bool(&R::GetRetractToolAtMax, &R::SetRetractToolAtMax);
    }
    else
    {
        v.Set(&R::SetInterpolation, R::LINEAR_INTERPOLATION);
        v.Set(&R::SetRetractToolAtMax, false);
    }
}

/// The base move record of versions above 6.
template <class V> void DescribeMove(V& v, const cadcam::qzCNCMove*)
{
    using M = cadcam::qzCNCMove;
    v.Point(&M::GetPosition, &M::SetPosition);
    v.Real(&M::GetFeedRate, &M::SetFeedRate);
    v.Bool(&M::IsRapidMove, &M::SetRapidMove);
    if (!v.Since(80))
        v.SkipInt();
    v.Enum(&M::GetCollisionState, &M::SetCollisionState);
    v.Point(&M::GetOrientation, &M::SetOrientation);
    if (v.Since(175))
        v.Real(&M::GetParameterizationAgainstOriginalPath, &M::SetParameterizationAgainstOriginalPath);
}

template <class V> void DescribeMove(V& v, const cadcam::qz3axMove*)
{
    DescribeMove(v, static_cast<const cadcam::qzCNCMove*>(nullptr));
}

/// The base record, then the surface contact when the flag says one follows.
template <class V> void DescribeMove(V& v, const cadcam::qz5axMove*)
{
    using M = cadcam::qz5axMove;
    DescribeMove(v, static_cast<const cadcam::qzCNCMove*>(nullptr));
    if (v.Flag(&M::HasPotentialSurfaceData))
    {
        v.Point(&M::GetPotentialSurfaceCP, &M::SetPotentialSurfaceCP);
        v.Point(&M::GetPotentialSurfaceCPOrient, &M::SetPotentialSurfaceCPOrient);
        if (v.Since(91))
            v.Size(&M::GetPotentialSurfaceID, &M::SetPotentialSurfaceID);
    }
}
} // namespace paramformat
