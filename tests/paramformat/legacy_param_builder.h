// Builder of stored parameter sets of any version from 3 to 226, typed by hand from the record
// tables of the format (the oldest record, its second-generation tail, the newest layout and the
// deviations of each older version) and kept apart from paramformat/qzParamsLayout.h, so that
// the readers' field histories and this builder check each other.
//
// Build(version, shrink) writes one main record with a distinct value in every stored field and,
// beside it, the parameter set that reading it must give: stored values where the tables put
// them, the stated values for fields the version lacks, the model's defaults for the rest, and
// the conversions of older values. The stored values are chosen to reach the conversions (leads
// switched off, percentages of feed rates, signed tolerances, old numberings) without making the
// read fail.
#pragma once

#include "paramformat/param_layout_reference.h"

#include "brimlib/qz5axParams.h"

#include <cmath>
#include <cstddef>
#include <map>
#include <string>

namespace legacy_params
{
using Units = measures::qzUnitsFactory::Units;
using P = qz5axParams;
constexpr Units kMetric = measures::qzUnitsFactory::METRIC;
constexpr Units kInch = measures::qzUnitsFactory::INCH;
/// An enumeration value of a field the model no longer has.
enum class Number : int
{
};

class Builder
{
public:
    Builder(unsigned version, bool shrink, bool sizes64, int seed)
        : V(version), alternate(seed % 2 != 0), m_out(shrink), m_sizes64(sizes64), m_n(1 + seed * 1000),
          m_metric(seed % 2 == 0)
    {
    }

    const unsigned V;
    /// Odd seeds flip the flags that choose between conversions (rapid retract, entry mode,
    /// arc leads, lead-out, side tilt), so that both branches of each are read.
    const bool alternate;
    bool Has(unsigned first, unsigned last = 0xFFFFFFFFu) const { return V >= first && V <= last; }
    const std::string& Bytes() const { return m_out.Str(); }
    /// Names the offset of the next field, so that a test can change its bytes.
    void Mark(const std::string& name) { marks[name] = m_out.Str().size(); }
    std::map<std::string, std::size_t> marks;

    // ---- encodings ----
    void Write(bool v) { m_out.U8(v ? 1u : 0u); }
    void Write(int v) { m_out.I32(v); }
    void Write(unsigned v) { m_out.I32(v); }
    void Write(double v) { m_out.F64(v); }
    void Write(const qzPoint3d& v) { m_out.P3(v); }
    /// A SIZE: 8 bytes with 64-bit sizes.
    void WriteSize(unsigned v)
    {
        if (!m_sizes64)
            m_out.I32(v);
        else
            for (int i = 0; i < 8; ++i)
                m_out.U8(i < 4 ? (v >> (8 * i)) & 0xFFu : 0u);
    }
    template <class E, class = std::enable_if_t<std::is_enum<E>::value>> void Write(E v)
    {
        if (V < 18)
            m_out.I32(static_cast<int>(v));
        else
            m_out.U8(static_cast<unsigned>(static_cast<int>(v)) & 0xFFu);
    }
    /// A bool up to version 23 (1 metric, 0 inch), an int from 24.
    void WriteUnits(Units u)
    {
        if (V <= 23)
            m_out.U8(u == kMetric ? 1u : 0u);
        else
            m_out.I32(u);
    }

    // ---- distinct values (exact in single precision and in 16 bits) ----
    template <class T> T Next()
    {
        const int n = m_n++;
        if constexpr (std::is_same<T, bool>::value)
            return n % 2 != 0;
        else if constexpr (std::is_same<T, int>::value)
            return -(200 + n);
        else if constexpr (std::is_same<T, unsigned>::value)
            return 300u + static_cast<unsigned>(n);
        else if constexpr (std::is_same<T, double>::value)
            return 1000.25 + n;
        else if constexpr (std::is_same<T, qzPoint3d>::value)
            return qzPoint3d(2000.5 + n, -(3000.25 + n), 4000.75 + n);
        else
            return static_cast<T>(1 + n % 100);
    }
    Units NextUnits()
    {
        m_metric = !m_metric;
        return m_metric ? kMetric : kInch;
    }

    /// A field of the expected record `e`, stored from version `from` on: a fresh value written
    /// and set; nothing when the version lacks it.
    template <class E, class R, class T> T Put(E& e, void (R::*set)(const T&), unsigned from = 0)
    {
        return PutValue(e, set, Next<T>(), from);
    }
    /// The same with the value given.
    template <class E, class R, class T>
    T PutValue(E& e, void (R::*set)(const T&), T value, unsigned from = 0)
    {
        if (V < from)
            return value;
        Write(value);
        (e.*set)(value);
        return value;
    }
    /// Stored from `from` on; older versions set `absent`.
    template <class E, class R, class T> void PutOr(E& e, void (R::*set)(const T&), unsigned from, T absent)
    {
        if (V >= from)
            Put(e, set);
        else
            (e.*set)(absent);
    }
    /// A value the model does not take as it is: written when the version holds it.
    template <class T> T Stored(T value, unsigned first = 0, unsigned last = 0xFFFFFFFFu)
    {
        if (Has(first, last))
            Write(value);
        return value;
    }
    template <class T> T Stored(unsigned first = 0, unsigned last = 0xFFFFFFFFu)
    {
        return Stored(Next<T>(), first, last);
    }
    /// The units of a measurable record, stored from `from` on.
    template <class E> void PutUnits(E& e, unsigned from = 0)
    {
        if (V < from)
            return;
        const Units u = NextUnits();
        WriteUnits(u);
        e.SetUnits(u, false);
    }
    /// A sub-record of `e`, built by `fill` on a copy and set back.
    template <class E, class G, class S, class F> void Sub(E& e, G get, S set, F fill, unsigned from = 0)
    {
        if (V < from)
            return;
        auto sub = (e.*get)();
        fill(*this, sub);
        (e.*set)(sub);
    }

    // The feed rates of the set, remembered for the lead conversions below version 218.
    double feedRate = 0.0, plungeFeedRate = 0.0, retractFeedRate = 0.0;
    bool rapidRetract = false;

private:
    param_layout::Bytes m_out;
    bool m_sizes64;
    int m_n;
    bool m_metric;
};

inline double Percent(double feed, double of)
{
    return feed == 0.0 ? 100.0 : of / feed * 100.0;
}

// ---- leads and links ----

inline void Lead(Builder& b, qzLeadParams& e)
{
    using R = qzLeadParams;
    b.Put(e, &R::SetType);
    b.Put(e, &R::SetAxisOrientation, 34);
    b.Put(e, &R::SetWidth);
    b.Put(e, &R::SetLength);
    b.Put(e, &R::SetArcSweep);
    b.Put(e, &R::SetArcDiaOverToolDia);
    b.Put(e, &R::SetHeight);
    b.Put(e, &R::SetUseWidthLength);
    b.Put(e, &R::SetMaxAngleChange, 94);
    b.Put(e, &R::SetFlipArcFlg, 184);
    b.Put(e, &R::SetTiltAngle4Orto2CutDir, 212);
    b.Put(e, &R::SetFeedRatePercent, 215);
}

inline void LeadController(Builder& b, qzLeadController& e, bool used)
{
    using R = qzLeadController;
    b.PutValue(e, &R::SetIsUsed, used);
    b.Put(e, &R::SetUseDefaultLeadParams, 120);
    b.Sub(e, &R::GetLeadParams, &R::SetLeadParams, Lead, 120);
}

// Lead feed rates of versions below 218 followed the set's plunge and retract feed rates.
inline qzLeadController OldFeedIn(const Builder& b, qzLeadController c)
{
    if (b.V < 218)
    {
        qzLeadParams l = c.GetLeadParams();
        l.SetFeedRatePercent(Percent(b.feedRate, b.plungeFeedRate));
        c.SetLeadParams(l);
    }
    return c;
}
inline qzLeadController OldFeedOut(const Builder& b, qzLeadController c)
{
    if (b.V < 218 && !b.rapidRetract)
    {
        qzLeadParams l = c.GetLeadParams();
        l.SetFeedRatePercent(Percent(b.feedRate, b.retractFeedRate));
        c.SetLeadParams(l);
    }
    return c;
}

enum class Links
{
    kGaps,
    kSlicesOrPasses,
    kOldPasses
};

/// A move handling with the action given and one lead on; `links` says which rule switches
/// its leads off.
inline void MoveHandling(Builder& b, qzMoveHandling& e, qzMoveHandling::Action action, Links links)
{
    b.PutValue(e, &qzMoveHandling::SetAction, action);
    qzLeadInOutController io = e.GetMoveLeadController();
    qzLeadController in = io.GetLeadInController(), out = io.GetLeadOutController();
    LeadController(b, in, true);
    LeadController(b, out, false);
    io.SetLeadInController(OldFeedIn(b, in));
    io.SetLeadOutController(OldFeedOut(b, out));
    bool off = action == qzMoveHandling::FOLLOW_SURFACE;
    if (links == Links::kGaps)
        off = off || (action == qzMoveHandling::STRAIGHT_LINE && b.V < 85);
    else if (links == Links::kSlicesOrPasses)
        off = off || (b.V < 82 &&
                      (action == qzMoveHandling::STRAIGHT_LINE || action == qzMoveHandling::BROKEN_FEED));
    if (off)
    {
        in = io.GetLeadInController();
        in.SetIsUsed(false);
        io.SetLeadInController(in);
    }
    e.SetMoveLeadController(io);
}

inline void PercentOrValue(Builder& b, qzPercentOrValueParameter& e, bool percent)
{
    b.PutUnits(e);
    b.Write(percent);
    const double v = b.Next<double>();
    b.Write(v);
    percent ? e.SetPercent(v) : e.SetValue(v);
}

/// Gaps along the cut or links between slices: the two actions given.
template <class R>
void Interlink(Builder& b, R& e, Links links, qzMoveHandling::Action small, qzMoveHandling::Action large)
{
    b.PutUnits(e);
    qzPercentOrValueParameter gap = e.GetGapSize();
    PercentOrValue(b, gap, links == Links::kSlicesOrPasses);
    e.SetGapSize(gap);
    qzMoveHandling m = e.GetSmallMoveHandling();
    MoveHandling(b, m, small, links);
    e.SetSmallMoveHandling(m);
    m = e.GetLargeMoveHandling();
    MoveHandling(b, m, large, links);
    e.SetLargeMoveHandling(m);
}

inline void Passes(Builder& b, qzLinkBetweenPasses& e)
{
    using R = qzLinkBetweenPasses;
    if (b.Has(105) && b.V != 107)
    {
        b.PutUnits(e);
        b.Put(e, &R::SetGapSize);
        qzMoveHandling m = e.GetSmallMoveHandling();
        MoveHandling(b, m, qzMoveHandling::BROKEN_FEED, Links::kSlicesOrPasses);
        e.SetSmallMoveHandling(m);
        m = e.GetLargeMoveHandling();
        MoveHandling(b, m, qzMoveHandling::FOLLOW_SURFACE, Links::kSlicesOrPasses);
        e.SetLargeMoveHandling(m);
        return;
    }
    // One handling for every link between passes.
    qzMoveHandling m = e.GetSmallMoveHandling();
    MoveHandling(b, m, qzMoveHandling::FOLLOW_SURFACE, Links::kOldPasses);
    e.SetSmallMoveHandling(m);
    e.SetLargeMoveHandling(m);
}

inline void Link(Builder& b, qzLinkParams& e)
{
    using R = qzLinkParams;
    b.Sub(e, &R::GetLeadInDefaultParams, &R::SetLeadInDefaultParams, Lead);
    b.Sub(e, &R::GetLeadOutDefaultParams, &R::SetLeadOutDefaultParams, Lead);
    qzFirstEntry entry = e.GetFirstEntry();
    b.Put(entry, &qzFirstEntry::SetType);
    qzLeadController c = entry.GetLeadController();
    LeadController(b, c, true);
    entry.SetLeadController(OldFeedIn(b, c));
    b.Put(entry, &qzFirstEntry::SetUseHomePositionFlg, 201);
    e.SetFirstEntry(entry);
    qzLastExit exit = e.GetLastExit();
    b.Put(exit, &qzLastExit::SetType);
    c = exit.GetLeadController();
    LeadController(b, c, true);
    exit.SetLeadController(OldFeedOut(b, c));
    b.Put(exit, &qzLastExit::SetUseHomePositionFlg, 201);
    e.SetLastExit(exit);
    qzGapsAlongCut gaps = e.GetGapsAlongCut();
    Interlink(b, gaps, Links::kGaps, qzMoveHandling::STRAIGHT_LINE, qzMoveHandling::BLEND_SPLINE);
    e.SetGapsAlongCut(gaps);
    if (b.Has(34))
    {
        qzLinkBetweenSlices slices = e.GetLinkBetweenSlices();
        Interlink(b, slices, Links::kSlicesOrPasses, qzMoveHandling::STRAIGHT_LINE,
                  qzMoveHandling::RETRACT_INCREMENTAL);
        e.SetLinkBetweenSlices(slices);
    }
    qzLinkBetweenPasses passes = e.GetLinkBetweenPasses();
    Passes(b, passes);
    e.SetLinkBetweenPasses(passes);
    b.Put(e, &R::SetClearanceType);
    b.Put(e, &R::SetClearanceAxis);
    b.Put(e, &R::SetClearancePlaneHeight);
    b.Mark("clearanceRadius");
    // A zero radius of a version below 224 becomes 0.1.
    const double radius = b.Stored(b.V < 224 ? 0.0 : b.Next<double>());
    e.SetClearanceRadius(b.V < 224 ? 0.1 : radius);
    b.Put(e, &R::SetCylinderThroughPoint);
    b.Put(e, &R::SetSphereAroundPoint);
    b.Put(e, &R::SetFeedPlaneIncremental);
    b.Put(e, &R::SetRetractPlaneIncremental);
    b.Put(e, &R::SetAirMoveSafetyDistance);
    b.Put(e, &R::SetAngleStepForRapidMoves, 70);
    b.Put(e, &R::SetPlaneCustomDirection, 114);
    b.Put(e, &R::SetCylinderCustomDirection, 114);
    b.Put(e, &R::SetChangeToolDir2ClearanceDirFlg, 188);
    b.Put(e, &R::SetToolInitialOrientationDistance, 188);
    b.Put(e, &R::SetHomePosition, 201);
    if (b.V < 218)
    {
        qzLeadParams l = e.GetLeadInDefaultParams();
        l.SetFeedRatePercent(Percent(b.feedRate, b.plungeFeedRate));
        e.SetLeadInDefaultParams(l);
        if (!b.rapidRetract)
        {
            l = e.GetLeadOutDefaultParams();
            l.SetFeedRatePercent(Percent(b.feedRate, b.retractFeedRate));
            e.SetLeadOutDefaultParams(l);
        }
    }
}

// ---- collision control ----

/// The values of the four operations that steer conversions: the second one tilts
/// automatically (its maximum angle step follows the set below 126), the fourth converts 3 to
/// 5 axes (conversion link type 2 below 219).
struct OpChoice
{
    bool status;
    qzCollCtrlOpBaseParams::collStrategy strategy;
    qzCollCtrlOpParams::collAvoidTiltDir direction;
};
inline OpChoice Choice(unsigned index)
{
    static const OpChoice choices[4] = {
        {false, qzCollCtrlOpBaseParams::REMOVE_POINTS, qzCollCtrlOpParams::THROUGH_POINT},
        {true, qzCollCtrlOpBaseParams::TILT_TOOL, qzCollCtrlOpParams::AUTOMATIC},
        {true, qzCollCtrlOpBaseParams::REPORT_ONLY, qzCollCtrlOpParams::AUTOMATIC},
        {true, qzCollCtrlOpBaseParams::TILT_TOOL, qzCollCtrlOpParams::THREE_TO_FIVE_AXIS_CONVERSION}};
    return choices[index];
}

inline void Operation(Builder& b, qzCollCtrlOpParams& e, unsigned index)
{
    using R = qzCollCtrlOpParams;
    const OpChoice choice = Choice(index);
    if (b.V < 8)
    {
        b.PutValue(e, &R::SetStatus, choice.status);
        const bool surfacesOnly = b.Stored<bool>();
        e.SetCheckSurfaces(true);
        e.SetCheckDriveSurfaces(!surfacesOnly);
        b.PutValue(e, &R::SetStrategy, choice.strategy);
        b.Put(e, &R::SetSideRetractDir);
        b.Mark("avoidTiltDir" + std::to_string(index));
        b.PutValue(e, &R::SetAvoidTiltDir, choice.direction);
        b.Put(e, &R::SetAvoidTiltSign);
        e.SetAvoidTiltAngles(0.0, b.Stored<double>());
        b.Put(e, &R::SetStockToLeave);
        e.SetDistForToolAxOrContinuous(e.GetUnits() == kMetric ? 0.1 : 0.05);
    }
    else
    {
        b.PutUnits(e, 25);
        b.PutValue(e, &R::SetStatus, choice.status);
        b.Put(e, &R::SetCheckToolTip);
        b.Put(e, &R::SetCheckToolShaft);
        b.Put(e, &R::SetCheckHolder);
        b.Put(e, &R::SetCheckArbor);
        b.PutValue(e, &R::SetStrategy, choice.strategy);
        b.Put(e, &R::SetSideRetractDir);
        b.Mark("avoidTiltDir" + std::to_string(index));
        b.PutValue(e, &R::SetAvoidTiltDir, choice.direction);
        b.Put(e, &R::SetAvoidTiltSign);
        b.PutOr(e, &R::SetAvoidMinTiltAngle, 53, 0.0);
        b.Put(e, &R::SetAvoidMaxTiltAngle);
        b.PutOr(e, &R::SetToolAxOrContinuousFlg, 57, false);
        b.Stored<bool>(58, 58);
        b.PutOr(e, &R::SetDistForToolAxOrContinuous, 56, e.GetUnits() == kMetric ? 0.1 : 0.05);
        b.PutOr(e, &R::SetMinAllowedAngleInCutDirection, 59, -90.0);
        b.PutOr(e, &R::SetMaxAllowedAngleInCutDirection, 59, 90.0);
        b.PutOr(e, &R::SetReusePastContoursSolutionFlg, 60, false);
        const bool first2Deg = b.Stored<bool>(true, 64, 135);
        b.Stored<double>(64, 64);
        b.Stored<double>(64, 64);
        b.PutOr(e, &R::SetDeviationAngle, 65, 45.0);
        b.Put(e, &R::SetCheckDriveSurfaces);
        b.Put(e, &R::SetCheckSurfaces);
        b.Put(e, &R::SetStockToLeave);
        if (b.V == 17)
            b.Stored<double>();
        else
            b.Put(e, &R::SetCheckSurfTolerance, 18);
        const bool second2Deg = b.Stored<bool>(true, 90, 135);
        b.Put(e, &R::SetUseSplitContourWithinDistance, 93);
        const double split = b.Stored<double>(93);
        if (b.Has(93))
            e.SetSplitContourWithinDistance(b.V <= 151 ? 100.0 : split);
        b.Put(e, &R::SetDropToolDownFlg, 113);
        b.Put(e, &R::SetRemoveAreaWhereToolDropFailFlg, 113);
        b.Mark("customSideRetractDir" + std::to_string(index));
        b.Put(e, &R::SetCustomSideRetractDir, 114);
        b.Put(e, &R::SetCollLeaveOutPntsType, 114);
        b.Put(e, &R::SetCheckMachiningSurfaces, 122);
        const bool tiltFree = b.Stored<bool>(false, 123);
        if (b.Has(123))
            e.SetTiltCollFreeContoursFlg(b.Has(152, 199) ? true : tiltFree);

        // The rest is the newest generation's.
        if (b.Has(125))
        {
            // A valid list in a rotated order; the order is kept.
            qzCCWith2DegOptionsList::OptionList list;
            b.Mark("options" + std::to_string(index));
            b.WriteSize(5u);
            for (int i = 0; i < 5; ++i)
            {
                const auto option =
                    static_cast<qzCCWith2DegOptionsList::CCWith2DegOptions>(1 + (index + i) % 5);
                const bool on = b.Next<bool>();
                b.Write(option);
                b.Write(on);
                list.emplace_back(option, on);
            }
            e.SetCCWith2DegOptionsList(qzCCWith2DegOptionsList(list));
        }
        else
        {
            qzCCWith2DegOptionsList::OptionList list = e.GetCCWith2DegOptionsList().GetOptionList();
            for (auto& option : list)
                if (option.first == qzCCWith2DegOptionsList::CHECK_TOOL_TIP)
                    option.second = b.Has(64) && first2Deg;
                else if (option.first == qzCCWith2DegOptionsList::CHECK_HOLDER)
                    option.second = b.Has(90) && second2Deg;
            e.SetCCWith2DegOptionsList(qzCCWith2DegOptionsList(list));
        }
        // The fix flags: 125 to 127 a flag and 0, 1 or 2; 128 a value 1 to 3; then two bools.
        if (b.Has(125, 127))
        {
            b.Write(true);
            b.Write(static_cast<qzCollCtrlOpParams::signType>(index % 3));
            e.SetTiltAxisFixFlg(index % 3 != 0);
            e.SetRotaryAxisFixFlg(index % 3 != 1);
        }
        else if (b.V == 128)
        {
            b.Write(static_cast<qzCollCtrlOpParams::signType>(index));
            e.SetTiltAxisFixFlg(index >= 2);
            e.SetRotaryAxisFixFlg(index == 1 || index == 3);
        }
        b.Put(e, &R::SetTiltAxisFixFlg, 129);
        b.Put(e, &R::SetRotaryAxisFixFlg, 129);
        const double reOptimize = b.Stored<double>(125);
        if (b.Has(125))
            e.SetReOptimizeFor(b.V < 159 ? 0.0 : reOptimize);
        b.Put(e, &R::SetMaxAngleStep, 126);
        b.PutOr(e, &R::SetClearanceAngle, 137, 0.0);
        b.Put(e, &R::SetProjectToolOnDirFlg, 147);
        if (b.Has(147, 220))
        {
            const bool flag = b.Put(e, &R::SetMoveToolOutwardsFlg);
            const double distance = b.Put(e, &R::SetMaxOutwardDistance4MoveTool);
            e.SetProjectToolInwardsFlg(flag);
            e.SetMaxInwardDistance4ProjectTool(distance);
        }
        b.Put(e, &R::SetMoveToolOutwardsFlg, 221);
        b.Put(e, &R::SetMaxOutwardDistance4MoveTool, 221);
        b.Put(e, &R::SetProjectToolInwardsFlg, 221);
        b.Put(e, &R::SetMaxInwardDistance4ProjectTool, 221);
        b.Put(e, &R::SetUsePreferredTiltAngleFlg, 198);
        // Below the maximum tilt angle, so that it is kept as it is.
        b.PutValue(e, &R::SetPreferredTiltAngle, e.GetAvoidMaxTiltAngle() - 0.5, 198);
        b.Put(e, &R::SetMaintainTiltAngleForCollFreeZonesFlg, 198);
        b.PutOr(e, &R::SetReverseProjectionDirFlg, 203, true);
        return;
    }
    // Generation 3 reads the rest of an old operation as absent.
    qzCCWith2DegOptionsList::OptionList list = e.GetCCWith2DegOptionsList().GetOptionList();
    for (auto& option : list)
        if (option.first == qzCCWith2DegOptionsList::CHECK_TOOL_TIP ||
            option.first == qzCCWith2DegOptionsList::CHECK_HOLDER)
            option.second = false;
    e.SetCCWith2DegOptionsList(qzCCWith2DegOptionsList(list));
}

inline void CollControl(Builder& b, qzCollCtrlParams& e)
{
    using R = qzCollCtrlParams;
    b.PutUnits(e, 25);
    for (unsigned i = 0; i < 4; ++i)
    {
        qzCollCtrlOpParams op(e.GetUnits());
        Operation(b, op, i);
        e.SetCollCtrlOperation(op, i);
    }
    const double shaft = b.Put(e, &R::SetToolShaftUpperClearance);
    const double arbor = b.Put(e, &R::SetArborUpperClearance);
    const double holder = b.Put(e, &R::SetHolderUpperClearance);
    b.Put(e, &R::SetCheckBetweenPts);
    b.Put(e, &R::SetReportRemainingColls, 13);
    b.Put(e, &R::SetExtendToolToInfinityFlg, 84);
    b.Put(e, &R::SetCheckLinkMotionsFlg, 84);
    b.PutOr(e, &R::SetToolShaftLowerClearance, 118, shaft);
    b.PutOr(e, &R::SetArborLowerClearance, 118, arbor);
    b.PutOr(e, &R::SetHolderLowerClearance, 118, holder);
    b.Put(e, &R::SetCheckTipRadiusFlg, 158);
    b.Put(e, &R::SetCheckLinksAgainstContainmentFlg, 190);
}

inline void Stock(Builder& b, qzCollCtrlOpStockParams& e)
{
    using R = qzCollCtrlOpStockParams;
    b.PutUnits(e);
    b.Put(e, &R::SetStatus);
    b.Put(e, &R::SetCheckToolShaft);
    b.Put(e, &R::SetCheckArbor);
    b.Put(e, &R::SetCheckHolder);
    if (b.V < 119) // a negative tolerance meant inwards
    {
        const double tolerance = b.Stored(-b.Next<double>());
        e.SetStockOffsetMode(R::OFFSET_INWARDS);
        e.SetStockDefTolerance(-tolerance);
    }
    else
        b.Put(e, &R::SetStockDefTolerance);
    b.Put(e, &R::SetIgnoreSmallContoursFlg, 114);
    b.Sub(
        e, &R::GetIgnoredSmallContoursSize, &R::SetIgnoredSmallContoursSize,
        [](Builder& bb, qzPercentOrValueParameter& p) { PercentOrValue(bb, p, true); }, 114);
    b.Put(e, &R::SetStockOffsetMode, 116);
    b.PutOr(e, &R::SetStockType, 134, R::STOCK_DEFINITION);
}

// ---- roughing ----

inline void Roughing(Builder& b, qzRoughingParams& e)
{
    using R = qzRoughingParams;
    b.Sub(e, &R::GetMultiCutsRoughParams, &R::SetMultiCutsRoughParams,
          [](Builder& b, qzMultiCutsRoughParams& r)
          {
              using M = qzMultiCutsRoughParams;
              b.PutUnits(r);
              b.Put(r, &M::SetIsUsedFlg);
              b.Put(r, &M::SetSortType);
              b.Put(r, &M::SetNumberOfRoughCuts);
              b.Put(r, &M::SetRoughPassSpacing);
              b.Put(r, &M::SetNumberOfFinishCuts);
              b.Put(r, &M::SetFinishPassSpacing);
              b.Put(r, &M::SetGradualMachAngleXYChange, 169);
          });
    b.Sub(e, &R::GetPlungeRoughParams, &R::SetPlungeRoughParams,
          [](Builder& b, qzPlungeRoughParams& r)
          {
              using M = qzPlungeRoughParams;
              b.PutUnits(r);
              b.Put(r, &M::SetIsUsedFlg);
              b.Put(r, &M::SetStepLength);
              b.Put(r, &M::SetSlideLength);
              b.Put(r, &M::SetPlungeHeight, 36);
              b.Put(r, &M::SetRetractAngle, 36);
          });
    b.Sub(e, &R::GetMorphPocketRoughParams, &R::SetMorphPocketRoughParams,
          [](Builder& b, qzMorphPocketRoughParams& r)
          {
              using M = qzMorphPocketRoughParams;
              b.PutUnits(r);
              b.Put(r, &M::SetIsUsedFlg);
              b.Put(r, &M::SetInsideToOutsideFlg);
              b.Put(r, &M::SetStepover);
              b.Put(r, &M::SetPocketAreaType);
              b.Put(r, &M::SetNumberOfCuts);
              b.Put(r, &M::SetSpiralMachiningFlg);
          });
    b.Sub(e, &R::GetDepthCutsRoughParams, &R::SetDepthCutsRoughParams,
          [](Builder& b, qzDepthCutsRoughParams& r)
          {
              using M = qzDepthCutsRoughParams;
              b.PutUnits(r);
              b.Put(r, &M::SetIsUsedFlg);
              b.Put(r, &M::SetCutsType);
              b.Put(r, &M::SetNumberOfRoughCuts);
              b.Put(r, &M::SetRoughPassSpacing);
              b.Put(r, &M::SetNumberOfFinishCuts);
              b.Put(r, &M::SetFinishPassSpacing);
              b.Put(r, &M::SetSortType, 36);
              b.Put(r, &M::SetUseRampFlg, 40);
              const bool fromStock = b.Stored(true, 202, 205);
              b.PutOr(r, &M::SetApplyDepthMode, 206,
                      b.Has(202) && fromStock ? M::FROM_STOCK : M::FROM_SURFACE);
          });
    b.Sub(e, &R::GetBlendRoughParams, &R::SetBlendRoughParams,
          [](Builder& b, qzBlendRoughParams& r)
          {
              b.PutUnits(r);
              b.Put(r, &qzBlendRoughParams::SetIsUsedFlg);
              b.Put(r, &qzBlendRoughParams::SetStepover);
          });
    b.Sub(e, &R::GetTrochoidalRoughParams, &R::SetTrochoidalRoughParams,
          [](Builder& b, qzTrochoidalRoughParams& r)
          {
              b.PutUnits(r);
              b.Put(r, &qzTrochoidalRoughParams::SetIsUsedFlg);
          });
    const bool connect = b.Stored(true, 42, 126);
    b.Sub(
        e, &R::GetAreaRoughParams, &R::SetAreaRoughParams,
        [](Builder& b, qzAreaRoughParams& r)
        {
            using M = qzAreaRoughParams;
            b.PutUnits(r);
            b.Put(r, &M::SetIsUsedFlg);
            b.Put(r, &M::SetRoughingType);
            b.Stored(M::SIDE_CUT, 0, 66);
            b.Put(r, &M::SetRotaryAxisDirection);
            b.Put(r, &M::SetRotaryAxisBasePoint);
            b.Put(r, &M::SetMaxStepoverDistance);
            b.Put(r, &M::SetAreaType);
            b.Put(r, &M::SetCuttingMethod);
            b.Put(r, &M::SetUsageStage, 94);
            b.Put(r, &M::SetSectionMachiningMode, 94);
            b.Put(r, &M::SetNumberOfCuts, 94);
            b.Put(r, &M::SetAlternateDirectionFlg, 94);
            b.Put(r, &M::SetContourExtensionAtStart, 99);
            b.Put(r, &M::SetContourExtensionAtEnd, 99);
            b.Put(r, &M::SetUseDepthCutsFlg, 148);
            b.Put(r, &M::SetDepthCutsNumber, 148);
            b.Put(r, &M::SetDepthCutsSpacing, 148);
            b.Put(r, &M::SetDepthCutsStartHeight, 148);
            b.Put(r, &M::SetTrimCutsFlg, 164);
            b.Put(r, &M::SetTrimCutsMethod, 164);
            b.Put(r, &M::SetCutLenTrimmingPercentage, 164);
            b.Put(r, &M::SetSmoothAboveSplitterFlg, 164);
        },
        62);
    b.Sub(
        e, &R::GetTPRotationRoughParams, &R::SetTPRotationRoughParams,
        [](Builder& b, qzTPRotationRoughParams& r)
        {
            using M = qzTPRotationRoughParams;
            b.PutUnits(r);
            b.Put(r, &M::SetIsUsedFlg);
            b.Put(r, &M::SetRotaryAxisDirection);
            b.Put(r, &M::SetRotaryAxisBasePoint);
            b.Put(r, &M::SetNumberOfSteps);
            b.Put(r, &M::SetStartAngle);
            b.Put(r, &M::SetRotationAngle);
            b.Put(r, &M::SetSortType);
            b.Put(r, &M::SetTpToRotatePercentage, 98);
            // 104 and 105 stored the stage the other way round.
            const auto stage = b.Stored(M::BEFORE_ROTATION, 104);
            r.SetStockApplicationStage(b.Has(104, 105) ? M::AFTER_ROTATION : stage);
            b.PutOr(r, &M::SetLinkingApplicationStage, 106, M::LINK_BEFORE_ROTATION);
            b.Put(r, &M::SetStartShiftDistance, 192);
            b.Put(r, &M::SetStepoverShiftDistance, 192);
        },
        95);
    qzSortTpRoughParams sort = e.GetSortTpRoughParams();
    if (b.Has(127))
    {
        using M = qzSortTpRoughParams;
        b.PutUnits(sort);
        b.Put(sort, &M::SetIsUsedFlg);
        b.Put(sort, &M::SetReverseOrderFlg);
        b.Put(sort, &M::SetReverseTpType);
        b.Put(sort, &M::SetConnectSlicesShortestDistFlg);
    }
    else
    {
        sort = qzSortTpRoughParams(sort.GetUnits());
        sort.SetIsUsedFlg(b.Has(42) && connect);
        sort.SetConnectSlicesShortestDistFlg(b.Has(42) && connect);
    }
    e.SetSortTpRoughParams(sort);
}

// ---- calculation methods ----

inline void Impeller(Builder& b, qzImpellerParams& e)
{
    using R = qzImpellerParams;
    b.PutUnits(e);
    b.Sub(e, &R::GetCutParams, &R::SetCutParams,
          [](Builder& b, qzImpellerCutParams& r)
          {
              using M = qzImpellerCutParams;
              b.PutUnits(r);
              b.Put(r, &M::SetCutsPerSectionMode);
              b.Put(r, &M::SetNoCutsPerSection);
              b.Put(r, &M::SetStepover);
              b.Put(r, &M::SetCutDirection);
              b.Put(r, &M::SetCutOrdering);
              b.Put(r, &M::SetConnectByShortestDistFlg, 223);
          });
    b.Sub(e, &R::GetMachLayerDefParams, &R::SetMachLayerDefParams,
          [](Builder& b, qzImpellerMachLayerDefParams& r)
          {
              using M = qzImpellerMachLayerDefParams;
              b.PutUnits(r);
              b.Put(r, &M::SetMachLayerType);
              b.Put(r, &M::SetLimitNumberOfLayersFlg);
              b.Put(r, &M::SetNoLayers);
              b.Put(r, &M::SetDistBetwLayers);
              b.Put(r, &M::SetShroudOffsetTrimType, 216);
              b.Put(r, &M::SetUserDefinedRotaryAxisFlg, 216);
              b.Put(r, &M::SetRotaryAxisBasePoint, 216);
              b.Put(r, &M::SetRotaryAxisDirection, 216);
              b.Put(r, &M::SetBlendByDistBetwLayersFlg, 216);
              b.Put(r, &M::SetBlendStartPercent, 216);
              b.Put(r, &M::SetBlendEndPercent, 216);
          });
    b.Sub(e, &R::GetOffsetAndClearanceParams, &R::SetOffsetAndClearanceParams,
          [](Builder& b, qzImpellerOffsetAndClearanceParams& r)
          {
              using M = qzImpellerOffsetAndClearanceParams;
              b.PutUnits(r);
              b.Put(r, &M::SetHubOffset);
              b.Put(r, &M::SetBladeOffset);
              b.Put(r, &M::SetSideTiltClearanceAngle);
              b.Put(r, &M::SetShroudOffset, 216);
          });
    b.Sub(e, &R::GetSmoothParams, &R::SetSmoothParams,
          [](Builder& b, qzImpellerSmoothParams& r)
          {
              b.PutUnits(r);
              b.Put(r, &qzImpellerSmoothParams::SetCutSmoothFactor);
              b.Put(r, &qzImpellerSmoothParams::SetSideTiltSmoothFactor);
          });
    b.Sub(e, &R::GetSplittersImpellerParams, &R::SetSplittersImpellerParams,
          [](Builder& b, qzImpellerSplittersImpellerParams& r)
          {
              b.PutUnits(r);
              b.Put(r, &qzImpellerSplittersImpellerParams::SetSplitStrategy);
          });
    b.Sub(e, &R::GetTiltParams, &R::SetTiltParams,
          [](Builder& b, qzImpellerTiltParams& r)
          {
              using M = qzImpellerTiltParams;
              b.PutUnits(r);
              b.Put(r, &M::SetTiltStrategy);
              b.Put(r, &M::SetLeadAngle);
              b.Put(r, &M::SetLeadAngleLeadingEdge);
              b.Put(r, &M::SetLeadAngleSplitterEdge);
              b.Put(r, &M::SetLeadAngleTrailingEdge);
              b.Put(r, &M::SetMaxSideTiltAngle, 222);
              b.Put(r, &M::SetCheckArborAndHolderFlg, 222);
          });
    b.Sub(e, &R::GetTrimAndExtendParams, &R::SetTrimAndExtendParams,
          [](Builder& b, qzImpellerTrimAndExtendParams& r)
          {
              using M = qzImpellerTrimAndExtendParams;
              b.PutUnits(r);
              b.Put(r, &M::SetTrimStrategy);
              b.Put(r, &M::SetLeadTrimAngleFromTip);
              b.Put(r, &M::SetLeadTangentialExtensionLen);
              b.Put(r, &M::SetLeadRadialExtensionLen);
              b.Put(r, &M::SetTrailTrimAngleFromTip);
              b.Put(r, &M::SetTrailTangentialExtensionLen);
              b.Put(r, &M::SetTrailRadialExtensionLen);
              b.Put(r, &M::SetLeadTrimLen, 216);
              b.Put(r, &M::SetTrailTrimLen, 216);
              b.Put(r, &M::SetLeadSideTiltFixLen, 216);
              b.Put(r, &M::SetTrailSideTiltFixLen, 216);
          });
}

inline void ProjectionPattern(Builder& b, qzProjectionPatternTriMeshBasedParams& e)
{
    using R = qzProjectionPatternTriMeshBasedParams;
    if (b.V < 173) // the older layout: no units, the direction after the cylinder radius
    {
        b.Put(e, &R::SetType);
        b.Put(e, &R::SetStyle);
        b.Put(e, &R::SetStartPoint);
        b.Put(e, &R::SetStartHeight);
        b.Put(e, &R::SetEndHeight);
        b.Put(e, &R::SetStartAngle);
        b.Put(e, &R::SetEndAngle);
        b.Put(e, &R::SetStepAngle);
        b.Put(e, &R::SetCylinderRadiusAroundLine, 135);
        b.Put(e, &R::SetDirection, 135);
        b.Put(e, &R::SetOutputPatternFlg, 135);
        return;
    }
    b.PutUnits(e);
    b.Put(e, &R::SetType);
    b.Put(e, &R::SetStyle);
    b.Put(e, &R::SetDirection);
    b.Put(e, &R::SetStartPoint);
    b.Put(e, &R::SetStartHeight);
    b.Put(e, &R::SetEndHeight);
    b.Put(e, &R::SetStartAngle);
    b.Put(e, &R::SetEndAngle);
    b.Put(e, &R::SetStepAngle);
    b.Put(e, &R::SetCylinderRadiusAroundLine);
    b.Put(e, &R::SetOutputPatternFlg);
}

/// The calculation methods; returns the stock remain the mesh record stored (0 when none).
inline double TpCalc(Builder& b, qzTpCalcMethodsParams& e)
{
    using R = qzTpCalcMethodsParams;
    using M = qzTriangleMeshBasedTpCalcParams;
    // Below 173 the old numbering: 2 was the mesh method with the projection pattern.
    const bool oldProjection = b.V < 173;
    b.Mark("tpCalcMethod");
    if (oldProjection)
    {
        b.Write(static_cast<qzTpCalcMethodsParams::Method>(2));
        e.SetMethod(R::TRIANGLE_MESH_BASED);
    }
    else
        b.PutValue(e, &R::SetMethod, R::TRIANGLE_MESH_BASED);
    double stockRemain = 0.0;
    qzTriangleMeshBasedTpCalcParams mesh = e.GetTriangleMeshBasedTpCalcParams();
    b.PutUnits(mesh);
    b.Put(mesh, &M::SetPattern);
    b.Put(mesh, &M::SetStartHeight, 111);
    b.Put(mesh, &M::SetEndHeight, 111);
    b.Put(mesh, &M::SetDepthStep, 111);
    stockRemain = b.Stored<double>(115, 195);
    b.Put(mesh, &M::SetRestRoughFlg, 115);
    b.Put(mesh, &M::SetRoughingToolDiameter, 115);
    b.Put(mesh, &M::SetRampType, 115);
    b.Put(mesh, &M::SetRampAngle, 115);
    b.Put(mesh, &M::SetRampLength, 115);
    b.Put(mesh, &M::SetParallelCutsStartCorner, 115);
    b.Put(mesh, &M::SetConstantZStart, 115);
    b.Put(mesh, &M::SetDraftAngle, 124);
    b.Put(mesh, &M::SetAdaptiveParallelScansFlg, 132);
    b.Put(mesh, &M::SetTrimToolpathFlg, 150);
    b.Put(mesh, &M::SetTrimToFluteLengthFlg, 153);
    b.Put(mesh, &M::SetUseAutomaticStartEndHeightFlg, 157);
    b.Put(mesh, &M::SetMinWidth, 157);
    b.Put(mesh, &M::SetProjectCurvesType, 160);
    b.Put(mesh, &M::SetProjectCurvesCenterPoint, 160);
    b.Put(mesh, &M::SetProjectCurvesRadiusStart, 160);
    b.Put(mesh, &M::SetProjectCurvesRadiusEnd, 160);
    b.Put(mesh, &M::SetProjectCurvesAngleStart, 160);
    b.Put(mesh, &M::SetProjectCurvesAngleEnd, 160);
    b.Put(mesh, &M::SetProjectCurvesNumberOfCuts, 160);
    b.Put(mesh, &M::SetProjectCurvesOffsetDir, 160);
    b.Put(mesh, &M::SetGDUseCurveEndDistanceFlg, 161);
    b.Put(mesh, &M::SetGDContainmentType, 161);
    b.Put(mesh, &M::SetGDProjCurvesDir, 161);
    b.Put(mesh, &M::SetProjectCurvesSpiralCutMethod, 163);
    b.Sub(mesh, &M::GetProjectionPatternParams, &M::SetProjectionPatternParams, ProjectionPattern);
    b.Put(mesh, &M::SetSmoothCornersFlg, 176);
    b.Put(mesh, &M::SetSmoothLinksFlg, 176);
    b.Put(mesh, &M::SetGDMorphBetwCurvesFlg, 178);
    b.Put(mesh, &M::SetRestFinishingFlg, 179);
    b.Put(mesh, &M::SetRestFinishingBigToolDia, 179);
    b.Put(mesh, &M::SetMachDirectionForMesh, 187);
    b.Put(mesh, &M::SetRemoveCornerPegsFlg, 195);
    b.Put(mesh, &M::SetSmoothCornersFactor, 209);
    b.Put(mesh, &M::SetSmoothFinalPassFlg, 209);
    b.Put(mesh, &M::SetSmoothFinalPassFactor, 209);
    b.Put(mesh, &M::SetOffset2dContainmentMethod, 211);
    b.Put(mesh, &M::SetOffset2dContainmentValue, 211);
    b.Put(mesh, &M::SetAddOffset2dContainmentValue2ToolRadiusFlg, 211);
    b.Put(mesh, &M::SetCenterCuttingToolFlg, 213);
    b.Sub(mesh, &M::GetImpellerParams, &M::SetImpellerParams, Impeller, 214);
    b.Put(mesh, &M::SetSilhouetteContainmentFlg, 217);
    b.Put(mesh, &M::SetUseMinimumDistanceFlg, 217);
    b.Put(mesh, &M::SetMinimumDistance, 217);
    b.Put(mesh, &M::SetSilhouetteStockRemain, 225);
    if (oldProjection)
        mesh.SetPattern(M::ROUGHING);
    e.SetTriangleMeshBasedTpCalcParams(mesh);
    b.Sub(
        e, &R::GetDrillingBasedTpCalcParams, &R::SetDrillingBasedTpCalcParams,
        [](Builder& b, qzDrillingBasedTpCalcParams& r)
        {
            using D = qzDrillingBasedTpCalcParams;
            b.PutUnits(r);
            b.Put(r, &D::SetPattern);
            b.Put(r, &D::SetDrillCycle);
            // A negative depth of a version below 208 reads as its absolute value.
            b.Mark("drillDepth");
            const double depth = b.Stored(-b.Next<double>());
            r.SetDrillDepth(b.V < 208 ? -depth : depth);
            b.Put(r, &D::SetPeckDepth);
            b.Put(r, &D::SetDwellTime);
        },
        145);
    b.Sub(
        e, &R::GetWireframeBasedTpCalcParams, &R::SetWireframeBasedTpCalcParams,
        [](Builder& b, qzWireframeBasedTpCalcParams& r)
        {
            b.PutUnits(r);
            b.Put(r, &qzWireframeBasedTpCalcParams::SetCuttingSide);
            b.Put(r, &qzWireframeBasedTpCalcParams::SetMaxSnapDistance);
        },
        149);
    return b.Has(115, 195) ? stockRemain : 0.0;
}

// ---- the whole set ----

struct Built
{
    std::string bytes;
    qz5axParams expected;
    std::map<std::string, std::size_t> marks; ///< offsets of fields a test may change
};

/// The values of the oldest record that only conversions use.
struct OldValues
{
    double feedPlane = 0, retractPlane = 0, clearanceHeight = 0;
    bool entryMode = false, leadsUsed = false, leadIn = false, leadOut = false, arcLeads = false;
    double sweepIn = 0, sweepOut = 0, diaIn = 0, diaOut = 0, gapPercent = 0, slicePercent = 0;
    int gapHandling[2] = {0, 0}, sliceHandling[2] = {0, 0};
    bool stockUse = false, multiUse = false, multiSort = false, spiral = false;
    unsigned multiRough = 0, multiFinish = 0;
    double multiRoughSpacing = 0, multiFinishSpacing = 0;
    bool plungeUse = false, morphInside = false, morphSpiral = false;
    double plungeValue = 0;
    unsigned morphCount = 0;
    double lag = 0, side = 0, fanning = 0, signedTolerance = 0;
    bool allowFlip = false;
};

/// The record of versions 3 to 32 (and the defaults before it).
inline void OldestRecord(Builder& b, P& e, OldValues& old)
{
    const Units units = b.NextUnits();
    b.WriteUnits(units);
    e = P(units);
    b.Put(e, &P::SetTrimLoopSurfPolygonTolerace);
    old.feedPlane = b.Stored<double>();
    old.retractPlane = b.Stored<double>();
    b.rapidRetract = b.PutValue(e, &P::SetRapidRetractFlg, b.alternate);
    old.entryMode = b.Stored(!b.alternate);
    b.Mark("clearanceAxis");
    b.Write(qz5axParams::Y);
    old.clearanceHeight = b.Stored<double>();
    b.Mark("feedRate");
    b.feedRate = b.PutValue(e, &P::SetFeedRate, 2000.0);
    b.plungeFeedRate = b.PutValue(e, &P::SetPlungeFeedRate, 500.0);
    b.retractFeedRate = b.PutValue(e, &P::SetRetractFeedRate, 3000.0);
    b.Put(e, &P::SetOptimizeFeedRate);
    b.Put(e, &P::SetFeedRateRadius1);
    b.Put(e, &P::SetFeedRateRadius2);
    b.Put(e, &P::SetFeedRateFactor1);
    b.Put(e, &P::SetFeedRateFactor2);
    b.Put(e, &P::SetFeedRateFactor3);
    b.Put(e, &P::SetFeedRateFactor4);
    b.Put(e, &P::SetStockRemain);
    b.Put(e, &P::SetCutDepth);
    b.Put(e, &P::SetCutTolerance);
    b.Put(e, &P::SetDistanceFlag);
    b.Put(e, &P::SetDistance);
    b.Put(e, &P::SetMaxAngleChange);
    b.Put(e, &P::SetChainingTolerance);
    b.Put(e, &P::SetMaxStepoverDistance);
    b.Mark("cutType");
    b.PutValue(e, &P::SetCurCutType, P::PARALLEL_TO_CURVE);
    b.Put(e, &P::SetParallelMachAngleInYX);
    b.Put(e, &P::SetParallelMachAngleFromZ);
    b.Mark("flagA");
    const bool flagA = b.Stored(true, 0, 5);
    b.Put(e, &P::SetNumberOfSteps);
    b.Mark("flagB");
    b.Stored(true, 0, 5);
    b.Put(e, &P::SetReverseCutsFlg);
    b.Mark("flagC");
    b.Stored(false, 0, 5);
    b.Put(e, &P::SetLimitPoint1);
    b.Put(e, &P::SetLimitPoint2);
    b.PutValue(e, &P::SetCurMachType, P::ONE_WAY);
    b.Put(e, &P::SetCurCutOrder);
    b.Put(e, &P::SetMachDirForOneWay);
    b.Put(e, &P::SetEnforceClosedContourFlg);
    b.Put(e, &P::SetCurOutputType);
    b.Put(e, &P::SetCur4Axis);
    b.Put(e, &P::SetStartPosFlag);
    b.Put(e, &P::SetStartPosition);
    b.Put(e, &P::SetStartPositionRotAngle);
    old.leadsUsed = b.Stored(true);
    old.leadIn = b.Stored(true);
    old.leadOut = b.Stored(b.alternate);
    old.sweepIn = b.Stored<double>();
    old.sweepOut = b.Stored<double>();
    old.diaIn = b.Stored<double>();
    old.diaOut = b.Stored<double>();
    old.arcLeads = b.Stored(b.alternate);
    old.gapPercent = b.Stored<double>();
    old.gapHandling[0] = 1;
    old.gapHandling[1] = 2;
    b.Mark("gapHandling");
    b.Write(qz5axParams::ONE_WAY); // handlings 1 and 2
    b.Write(qz5axParams::SPIRAL);
    old.slicePercent = b.Stored<double>();
    old.sliceHandling[0] = 3;
    old.sliceHandling[1] = 4;
    b.Write(qz5axParams::BETWEEN_POINTS); // handlings 3 and 4
    b.Write(qz5axParams::PROJECTION_CURVES);
    b.Stored<bool>(); // unused
    b.PutValue(e, &P::SetTiltStrategy, P::THROUGH_POINT);
    b.Put(e, &P::SetTiltAxis);
    b.Put(e, &P::SetTiltAxisStart);
    b.Put(e, &P::SetTiltAxisEnd);
    b.Put(e, &P::SetTiltPoint);
    b.Put(e, &P::SetTiltAngle);
    b.Put(e, &P::SetTiltAngleFixed);
    b.Put(e, &P::SetAxisMeetTiltFlg);
    b.Put(e, &P::SetReverseToolFlg);
    old.lag = b.Stored(12.5);
    old.side = b.Stored(-100.5);
    const bool sideTilt = b.Stored(!b.alternate);
    b.Put(e, &P::SetXYPlaneAngleLimitFlg);
    b.Put(e, &P::SetXYPlaneAngleLimitStart);
    b.Put(e, &P::SetXYPlaneAngleLimitEnd);
    b.Put(e, &P::SetYZPlaneAngleLimitFlg);
    b.Put(e, &P::SetYZPlaneAngleLimitStart);
    b.Put(e, &P::SetYZPlaneAngleLimitEnd);
    b.Put(e, &P::SetXZPlaneAngleLimitFlg);
    b.Put(e, &P::SetXZPlaneAngleLimitStart);
    b.Put(e, &P::SetXZPlaneAngleLimitEnd);
    b.PutValue(e, &P::SetOrtAngLimitFlg, true);
    b.Put(e, &P::SetOrtAngLimitAngle1);
    b.Put(e, &P::SetOrtAngLimitAngle2);
    b.Put(e, &P::SetRunTool);
    b.Sub(e, &P::GetCollControl, &P::SetCollControl, CollControl);
    old.stockUse = b.Stored(true);
    old.multiUse = b.Stored(true);
    old.multiRough = b.Stored<unsigned>();
    old.multiFinish = b.Stored<unsigned>();
    old.multiRoughSpacing = b.Stored<double>();
    old.multiFinishSpacing = b.Stored<double>();
    old.multiSort = b.Stored(true);
    old.spiral = b.Stored(false);
    b.Put(e, &P::SetSmoothFlg);
    b.Put(e, &P::SetSmoothThreshold);
    b.Put(e, &P::SetRadiusFitFlg);
    b.Put(e, &P::SetAvoidSignChngRotAxisFlg);
    b.Stored<bool>(); // unused
    b.Put(e, &P::SetCreatePocketFlg);
    b.Stored<bool>(); // unused
    b.Put(e, &P::SetYLimitFlg);
    b.Put(e, &P::SetYLimitMin);
    b.Put(e, &P::SetYLimitMax);
    old.plungeUse = b.Stored(true);
    old.morphInside = b.Stored(true);
    old.morphSpiral = b.Stored(false);
    old.plungeValue = b.Stored<double>();
    old.morphCount = b.Stored<unsigned>();
    if (b.V <= 5) // flag B with cut type 3 and flag A: between curves
        e.SetCuttingAreaType(flagA ? P::BETWEEN_CURVES : P::BETWEEN_LIMITS);
    else
    {
        b.Put(e, &P::SetCuttingAreaType);
        b.Put(e, &P::SetStartMargin);
        b.Put(e, &P::SetEndMargin);
    }

    // The tail of the second generation.
    if (b.V >= 9)
    {
        b.Put(e, &P::SetCurCurvTiltType);
        b.Put(e, &P::SetCurSideTiltDefType);
        b.Put(e, &P::SetCurSideTiltAproximationType);
        b.Put(e, &P::SetCurTiltThruLinesType);
        b.Put(e, &P::SetSideTiltUserDefDir);
        // A machine definition without an axis count: five axes (units from 25, translation
        // limits above 15).
        auto* machine = new post::qz5axMachDef(kMetric);
        misc::qzAutoPointer<post::qzMachDef> held(machine);
        if (b.V >= 25)
            b.WriteUnits(kMetric);
        b.Write(1); // machine type, a 4-byte enumeration
        machine->SetMachType(post::qz5axMachDef::MachType(1));
        b.PutValue(*machine, &post::qz5axMachDef::SetSpindleDir, qzPoint3d(0, 0, 1));
        b.PutValue(*machine, &post::qz5axMachDef::SetRotAxisDir0, qzPoint3d(1, 0, 0));
        b.PutValue(*machine, &post::qz5axMachDef::SetRotAxisDir1, qzPoint3d(0, 1, 0));
        b.Put(*machine, &post::qz5axMachDef::SetRotAxisBasePt0);
        b.Put(*machine, &post::qz5axMachDef::SetRotAxisBasePt1);
        b.Put(*machine, &post::qz5axMachDef::SetRotAxisMinLimit0);
        b.Put(*machine, &post::qz5axMachDef::SetRotAxisMinLimit1);
        b.Put(*machine, &post::qz5axMachDef::SetRotAxisMaxLimit0);
        b.Put(*machine, &post::qz5axMachDef::SetRotAxisMaxLimit1);
        if (b.V > 15)
        {
            b.Put(*machine, &post::qz5axMachDef::SetTransAxisMinLimit);
            b.Put(*machine, &post::qz5axMachDef::SetTransAxisMaxLimit);
        }
        e.SetMachDef(held);
        b.Put(e, &P::SetToolPlaneCustomDirFor3Axis);
    }
    else
    {
        e.SetCurCurvTiltType(P::CURVE_TILT_STANDARD);
        e.SetCurSideTiltDefType(sideTilt ? P::SIDE_TILT_FIXED : P::SIDE_TILT_NONE);
        e.SetCurSideTiltAproximationType(P::APPROXIMATION_NONE);
        e.SetCurTiltThruLinesType(P::THRU_LINES_INTERPOLATE);
    }
    b.Put(e, &P::SetCalcBasedOnToolCenter, 11);
    b.Put(e, &P::SetFirstCutFeedRateScalePercentage, 11);
    old.fanning = b.Stored<double>(13);
    b.Put(e, &P::SetDampingDistPrcntFromToolRadius, 14);
    old.signedTolerance = b.Stored(b.V % 2 == 0 ? -b.Next<double>() : b.Next<double>(), 15);
    if (b.V < 18) // the check-surface tolerance is the cut tolerance
    {
        qzCollCtrlParams coll = e.GetCollControl();
        for (unsigned i = 0; i < 4; ++i)
        {
            qzCollCtrlOpParams op = coll.GetCollCtrlOperation(i);
            op.SetCheckSurfTolerance(e.GetCutTolerance());
            coll.SetCollCtrlOperation(op, i);
        }
        e.SetCollControl(coll);
    }
}

/// What the conversions of versions below 33 make of the oldest record's link values.
inline void OldLinks(const OldValues& old, qzLinkParams& link)
{
    static const qzMoveHandling::Action kActions[5] = {
        qzMoveHandling::STRAIGHT_LINE, qzMoveHandling::BLEND_SPLINE, qzMoveHandling::RETRACT_TO_CLEARANCE,
        qzMoveHandling::FOLLOW_SURFACE, qzMoveHandling::BROKEN_FEED};
    link.SetFeedPlaneIncremental(old.feedPlane);
    link.SetAirMoveSafetyDistance(old.feedPlane);
    link.SetRetractPlaneIncremental(old.retractPlane);
    link.SetClearancePlaneHeight(old.clearanceHeight);
    link.SetClearanceAxis(qzLinkParams::Y_AXIS);
    link.SetClearanceType(qzLinkParams::PLANE);
    qzFirstEntry entry = link.GetFirstEntry();
    entry.SetType(old.entryMode ? qzFirstEntry::FROM_CLEARANCE : qzFirstEntry::DIRECT);
    qzLeadController c = entry.GetLeadController();
    qzLeadParams lead;
    lead.SetArcSweep(old.sweepIn);
    lead.SetArcDiaOverToolDia(old.diaIn);
    lead.SetUseWidthLength(false);
    lead.SetType(old.arcLeads ? qzLeadParams::ARC : qzLeadParams::LINE);
    c.SetLeadParams(lead);
    c.SetIsUsed(old.leadsUsed && old.leadIn);
    entry.SetLeadController(c);
    link.SetFirstEntry(entry);
    qzLastExit exit = link.GetLastExit();
    exit.SetType(old.entryMode ? qzLastExit::TO_CLEARANCE : qzLastExit::DIRECT);
    c = exit.GetLeadController();
    lead.SetArcSweep(old.sweepOut);
    lead.SetArcDiaOverToolDia(old.diaOut);
    c.SetLeadParams(lead);
    c.SetIsUsed(old.leadsUsed && old.leadOut);
    exit.SetLeadController(c);
    link.SetLastExit(exit);
    const auto handle = [&](qzMoveHandling m, int handling)
    {
        // Leads only with handlings 1 and 2; a retract is to the clearance with the entry flag.
        const bool leads = old.leadsUsed && (handling == 1 || handling == 2);
        qzLeadInOutController io = m.GetMoveLeadController();
        qzLeadController in = io.GetLeadInController(), out = io.GetLeadOutController();
        in.SetIsUsed(leads && old.leadIn);
        out.SetIsUsed(leads && old.leadOut);
        io.SetLeadInController(in);
        io.SetLeadOutController(out);
        m.SetMoveLeadController(io);
        m.SetAction(handling == 2 && !old.entryMode ? qzMoveHandling::RETRACT_INCREMENTAL
                                                    : kActions[handling]);
        return m;
    };
    qzGapsAlongCut gaps = link.GetGapsAlongCut();
    qzPercentOrValueParameter size = gaps.GetGapSize();
    size.SetPercent(old.gapPercent);
    gaps.SetGapSize(size);
    gaps.SetSmallMoveHandling(handle(gaps.GetSmallMoveHandling(), old.gapHandling[0]));
    gaps.SetLargeMoveHandling(handle(gaps.GetLargeMoveHandling(), old.gapHandling[1]));
    link.SetGapsAlongCut(gaps);
    qzLinkBetweenSlices slices = link.GetLinkBetweenSlices();
    size = slices.GetGapSize();
    size.SetPercent(old.slicePercent);
    slices.SetGapSize(size);
    slices.SetSmallMoveHandling(handle(slices.GetSmallMoveHandling(), old.sliceHandling[0]));
    slices.SetLargeMoveHandling(handle(slices.GetLargeMoveHandling(), old.sliceHandling[1]));
    link.SetLinkBetweenSlices(slices);
    qzLinkBetweenPasses passes = link.GetLinkBetweenPasses();
    qzMoveHandling m = passes.GetSmallMoveHandling();
    m.SetAction(slices.GetSmallMoveHandling().GetAction());
    passes.SetSmallMoveHandling(m);
    m = passes.GetLargeMoveHandling();
    m.SetAction(slices.GetLargeMoveHandling().GetAction());
    passes.SetLargeMoveHandling(m);
    link.SetLinkBetweenPasses(passes);
}

/// The main record of generation 3 (versions 33 to 226) up to the containment type.
inline void NewerHead(Builder& b, P& e, OldValues& old)
{
    const Units units = b.NextUnits();
    b.WriteUnits(units);
    e.SetUnits(units, false);
    b.Put(e, &P::SetTrimLoopSurfPolygonTolerace);
    b.rapidRetract = b.PutValue(e, &P::SetRapidRetractFlg, b.alternate);
    b.Mark("feedRate");
    b.feedRate = b.PutValue(e, &P::SetFeedRate, 2000.0);
    b.plungeFeedRate = b.PutValue(e, &P::SetPlungeFeedRate, 500.0);
    b.retractFeedRate = b.PutValue(e, &P::SetRetractFeedRate, 3000.0);
    b.Put(e, &P::SetOptimizeFeedRate);
    b.Put(e, &P::SetFeedRateRadius1);
    b.Put(e, &P::SetFeedRateRadius2);
    b.Put(e, &P::SetFeedRateFactor1);
    b.Put(e, &P::SetFeedRateFactor2);
    b.Put(e, &P::SetFeedRateFactor3);
    b.Put(e, &P::SetFeedRateFactor4);
    b.Put(e, &P::SetStockRemain);
    b.Put(e, &P::SetCutDepth);
    b.Put(e, &P::SetCutTolerance);
    b.Put(e, &P::SetDistanceFlag);
    b.Put(e, &P::SetDistance);
    b.Put(e, &P::SetMaxAngleChange);
    b.Put(e, &P::SetChainingTolerance);
    b.Put(e, &P::SetMaxStepoverDistance);
    b.Put(e, &P::SetCurCutType);
    b.Put(e, &P::SetParallelMachAngleInYX);
    b.Put(e, &P::SetParallelMachAngleFromZ);
    b.Put(e, &P::SetNumberOfSteps);
    b.Put(e, &P::SetReverseCutsFlg);
    b.Put(e, &P::SetLimitPoint1);
    b.Put(e, &P::SetLimitPoint2);
    b.PutValue(e, &P::SetCurMachType, P::ONE_WAY);
    b.Put(e, &P::SetCurCutOrder);
    b.Put(e, &P::SetMachDirForOneWay);
    b.Put(e, &P::SetEnforceClosedContourFlg);
    b.Put(e, &P::SetCurOutputType);
    b.Put(e, &P::SetCur4Axis);
    b.Put(e, &P::SetStartPosFlag);
    b.Put(e, &P::SetStartPosition);
    b.Put(e, &P::SetStartPositionRotAngle);
    b.Write(true); // reserved, read and dropped whatever it holds
    b.PutValue(e, &P::SetTiltStrategy, P::THROUGH_CURVE);
    b.PutValue(e, &P::SetTiltAxis, P::EXT_X);
    b.Put(e, &P::SetTiltAxisStart);
    b.Put(e, &P::SetTiltAxisEnd);
    b.Put(e, &P::SetTiltPoint);
    b.Put(e, &P::SetTiltAngle);
    b.Put(e, &P::SetTiltAngleFixed);
    b.Put(e, &P::SetAxisMeetTiltFlg);
    b.Put(e, &P::SetReverseToolFlg);
    b.Mark("lagAngle");
    old.lag = b.Stored(b.V < 200 ? 89.9995 : 12.5);
    old.side = b.Stored(b.V < 200 ? -100.5 : 179.5);
    b.Write(true); // reserved
    b.Put(e, &P::SetXYPlaneAngleLimitFlg);
    b.Put(e, &P::SetXYPlaneAngleLimitStart);
    b.Put(e, &P::SetXYPlaneAngleLimitEnd);
    b.Put(e, &P::SetYZPlaneAngleLimitFlg);
    b.Put(e, &P::SetYZPlaneAngleLimitStart);
    b.Put(e, &P::SetYZPlaneAngleLimitEnd);
    b.Put(e, &P::SetXZPlaneAngleLimitFlg);
    b.Put(e, &P::SetXZPlaneAngleLimitStart);
    b.Put(e, &P::SetXZPlaneAngleLimitEnd);
    b.PutValue(e, &P::SetOrtAngLimitFlg, false);
    b.Put(e, &P::SetOrtAngLimitAngle1);
    b.Put(e, &P::SetOrtAngLimitAngle2);
    b.Put(e, &P::SetRunTool);
    b.Sub(e, &P::GetCollControl, &P::SetCollControl, CollControl);
    if (b.V < 126) // the automatic tilt's angle step follows the set's largest angle change
    {
        qzCollCtrlParams coll = e.GetCollControl();
        for (unsigned i = 0; i < 4; ++i)
        {
            qzCollCtrlOpParams op = coll.GetCollCtrlOperation(i);
            if (Choice(i).status && Choice(i).strategy == qzCollCtrlOpBaseParams::TILT_TOOL &&
                Choice(i).direction == qzCollCtrlOpParams::AUTOMATIC)
                op.SetMaxAngleStep(e.GetMaxAngleChange());
            coll.SetCollCtrlOperation(op, i);
        }
        e.SetCollControl(coll);
    }
    old.stockUse = b.Stored(true, 0, 86);
    old.multiUse = b.Stored(true, 0, 34);
    old.multiRough = b.Stored<unsigned>(0, 34);
    old.multiFinish = b.Stored<unsigned>(0, 34);
    old.multiRoughSpacing = b.Stored<double>(0, 34);
    old.multiFinishSpacing = b.Stored<double>(0, 34);
    old.multiSort = b.Stored(false, 0, 34);
    const bool firstSpiral = b.Stored(false, 0, 96);
    const bool secondSpiral = b.Stored(true, 54, 96);
    old.spiral = firstSpiral || (b.Has(54) && secondSpiral);
    b.Put(e, &P::SetSmoothFlg);
    b.Put(e, &P::SetSmoothThreshold);
    b.Put(e, &P::SetRadiusFitFlg);
    b.Put(e, &P::SetAvoidSignChngRotAxisFlg);
    b.Write(true); // reserved
    b.Put(e, &P::SetCreatePocketFlg);
    b.Put(e, &P::SetYLimitFlg);
    b.Put(e, &P::SetYLimitMin);
    b.Put(e, &P::SetYLimitMax);
    old.plungeUse = b.Stored(true, 0, 34);
    old.morphInside = b.Stored(false, 0, 34);
    old.morphSpiral = b.Stored(true, 0, 34);
    old.plungeValue = b.Stored<double>(0, 34);
    old.morphCount = b.Stored<unsigned>(0, 34);
    b.Put(e, &P::SetCuttingAreaType);
    b.Put(e, &P::SetStartMargin);
    b.Put(e, &P::SetEndMargin);
    b.PutValue(e, &P::SetCurCurvTiltType, P::CURVE_TILT_THROUGH_AXIS);
    b.Put(e, &P::SetCurSideTiltDefType);
    b.Put(e, &P::SetCurSideTiltAproximationType);
    b.Put(e, &P::SetCurTiltThruLinesType);
    b.Put(e, &P::SetSideTiltUserDefDir);
    // A six-axis machine definition when the version stores the number of axes, five axes
    // before (machine type 2; enumerations are 4-byte ints).
    b.WriteUnits(kMetric);
    if (b.V >= 109)
        b.Write(3);
    b.Write(2);
    if (b.V < 109)
    {
        auto* five = new post::qz5axMachDef(kMetric);
        e.SetMachDef(misc::qzAutoPointer<post::qzMachDef>(five));
        five->SetMachType(post::qz5axMachDef::MachType(2));
        b.Mark("spindleDir");
        b.PutValue(*five, &post::qz5axMachDef::SetSpindleDir, qzPoint3d(0, 0, 1));
        b.PutValue(*five, &post::qz5axMachDef::SetRotAxisDir0, qzPoint3d(1, 0, 0));
        b.PutValue(*five, &post::qz5axMachDef::SetRotAxisDir1, qzPoint3d(0, 1, 0));
        b.Put(*five, &post::qz5axMachDef::SetRotAxisBasePt0);
        b.Put(*five, &post::qz5axMachDef::SetRotAxisBasePt1);
        b.Put(*five, &post::qz5axMachDef::SetRotAxisMinLimit0);
        b.Put(*five, &post::qz5axMachDef::SetRotAxisMinLimit1);
        b.Put(*five, &post::qz5axMachDef::SetRotAxisMaxLimit0);
        b.Put(*five, &post::qz5axMachDef::SetRotAxisMaxLimit1);
        b.Put(*five, &post::qz5axMachDef::SetTransAxisMinLimit);
        b.Put(*five, &post::qz5axMachDef::SetTransAxisMaxLimit);
    }
    else
    {
        using M = post::qz6axMachDef;
        auto* machine = new post::qz6axMachDef(kMetric);
        e.SetMachDef(misc::qzAutoPointer<post::qzMachDef>(machine));
        machine->SetMachType(M::MachType(2));
        b.Put(*machine, &M::SetSpindleDir);
        b.Put(*machine, &M::SetRotAxisDir0);
        b.Put(*machine, &M::SetRotAxisDir1);
        b.Put(*machine, &M::SetRotAxisDir2);
        b.Put(*machine, &M::SetRotAxisBasePt0);
        b.Put(*machine, &M::SetRotAxisBasePt1);
        b.Put(*machine, &M::SetRotAxisBasePt2);
        b.Put(*machine, &M::SetRotAxisMinLimit0);
        b.Put(*machine, &M::SetRotAxisMinLimit1);
        b.Put(*machine, &M::SetRotAxisMaxLimit0);
        b.Put(*machine, &M::SetRotAxisMaxLimit1);
        b.Put(*machine, &M::SetThirdAngle);
        if (b.V >= 226)
        {
            for (int type : {1, 0, 1})
                b.Write(type); // 4-byte enumerations, as every one of the machine definition
            machine->SetFirstAxisType(M::AxisType(1));
            machine->SetSecondAxisType(M::AxisType(0));
            machine->SetThirdAxisType(M::AxisType(1));
        }
        else // type 2: three axes of the first kind
        {
            machine->SetFirstAxisType(M::AxisType(0));
            machine->SetSecondAxisType(M::AxisType(0));
            machine->SetThirdAxisType(M::AxisType(0));
        }
        b.Put(*machine, &M::SetTransAxisMinLimit);
        b.Put(*machine, &M::SetTransAxisMaxLimit);
        if (b.V >= 205)
        {
            b.Put(*machine, &M::SetTranslationX);
            b.Put(*machine, &M::SetTranslationY);
            b.Put(*machine, &M::SetTranslationZ);
        }
    }
    b.Mark("toolPlaneDir");
    b.PutValue(e, &P::SetToolPlaneCustomDirFor3Axis,
               b.V % 2 == 0 ? qzPoint3d(0, 0, 1) : qzPoint3d(0, 0, 0.999999));
    b.Put(e, &P::SetCalcBasedOnToolCenter);
    b.Put(e, &P::SetFirstCutFeedRateScalePercentage);
    old.fanning = b.Stored<double>(0, 188);
    b.Put(e, &P::SetDampingDistPrcntFromToolRadius);
    old.signedTolerance = b.Stored(b.V % 2 == 0 ? -b.Next<double>() : b.Next<double>(), 0, 86);
    b.Sub(e, &P::GetLinkParams, &P::SetLinkParams, Link);
}

/// The roughing block that stood in place of the roughing record below version 35.
struct OldRoughing
{
    bool depthUse = false, morphUse = false, blendUse = false, trochoidalUse = false;
    int depthType = 1;
    unsigned depthRough = 1, depthFinish = 0;
    double depthRoughSpacing = 0, depthFinishSpacing = 0, morphDistance = 0, blendDistance = 0,
           slideLength = 0;
    int areaType = 0;
};

/// What the conversions make of the roughing values of versions below 35.
inline void OldRoughingToRecord(const Builder& b, const OldValues& old, const OldRoughing& r,
                                qzRoughingParams& e)
{
    if (b.V >= 35)
        return;
    qzMultiCutsRoughParams multi = e.GetMultiCutsRoughParams();
    multi.SetIsUsedFlg(old.multiUse);
    multi.SetSortType(old.multiSort ? qzMultiCutsRoughParams::BY_REGION : qzMultiCutsRoughParams::BY_PASS);
    multi.SetNumberOfRoughCuts(old.multiRough);
    multi.SetRoughPassSpacing(old.multiRoughSpacing);
    multi.SetNumberOfFinishCuts(old.multiFinish);
    multi.SetFinishPassSpacing(old.multiFinishSpacing);
    e.SetMultiCutsRoughParams(multi);
    qzPlungeRoughParams plunge = e.GetPlungeRoughParams();
    plunge.SetIsUsedFlg(old.plungeUse);
    plunge.SetStepLength(old.plungeValue);
    plunge.SetSlideLength(r.slideLength);
    plunge.SetPlungeHeight(plunge.GetUnits() == kMetric ? 5.0 : 0.5);
    plunge.SetRetractAngle(0.0);
    e.SetPlungeRoughParams(plunge);
    qzMorphPocketRoughParams morph = e.GetMorphPocketRoughParams();
    morph.SetIsUsedFlg(r.morphUse);
    morph.SetInsideToOutsideFlg(old.morphInside);
    morph.SetSpiralMachiningFlg(old.morphSpiral);
    morph.SetNumberOfCuts(old.morphCount);
    morph.SetPocketAreaType(static_cast<qzMorphPocketRoughParams::pocketAreaType>(r.areaType));
    morph.SetStepover(r.morphDistance);
    e.SetMorphPocketRoughParams(morph);
    qzDepthCutsRoughParams depth = e.GetDepthCutsRoughParams();
    depth.SetIsUsedFlg(r.depthUse);
    depth.SetCutsType(static_cast<qzDepthCutsRoughParams::depthCutsType>(r.depthType));
    depth.SetNumberOfRoughCuts(r.depthRough);
    depth.SetRoughPassSpacing(r.depthRoughSpacing);
    depth.SetNumberOfFinishCuts(r.depthFinish);
    depth.SetFinishPassSpacing(r.depthFinishSpacing);
    depth.SetSortType(qzDepthCutsRoughParams::BY_DEPTH);
    e.SetDepthCutsRoughParams(depth);
    qzBlendRoughParams blend = e.GetBlendRoughParams();
    blend.SetIsUsedFlg(r.blendUse);
    blend.SetStepover(r.blendDistance);
    e.SetBlendRoughParams(blend);
    qzTrochoidalRoughParams trochoidal = e.GetTrochoidalRoughParams();
    trochoidal.SetIsUsedFlg(r.trochoidalUse);
    e.SetTrochoidalRoughParams(trochoidal);
}

/// Generation 3 from the link record to the containment type.
inline void NewerMiddle(Builder& b, P& e, OldValues& old, OldRoughing& rough)
{
    if (b.Has(35))
        b.Sub(e, &P::GetRoughingParams, &P::SetRoughingParams, Roughing);
    else
    {
        rough.depthUse = b.Stored(true);
        rough.morphUse = b.Stored(false);
        rough.blendUse = b.Stored(true);
        rough.trochoidalUse = b.Stored(true);
        rough.depthType = 2;
        b.Write(qzDepthCutsRoughParams::SHIFT_ALONG_TOOL_AXIS);
        rough.depthRough = b.Stored<unsigned>();
        rough.depthRoughSpacing = b.Stored<double>();
        rough.depthFinish = b.Stored<unsigned>();
        rough.depthFinishSpacing = b.Stored<double>();
        rough.morphDistance = b.Stored<double>();
        rough.areaType = 1;
        b.Write(qzMorphPocketRoughParams::BETWEEN_CURVES);
        rough.blendDistance = b.Stored<double>();
        rough.slideLength = b.Stored<double>();
    }
    b.Stored(true, 33, 33); // dropped
    b.Put(e, &P::SetScallop);
    b.Put(e, &P::SetUseStepoverNotScallopFlg);
    b.Put(e, &P::SetAreaUsesCleanupFlg);
    b.Put(e, &P::SetAreaUsesExtTrimFlg);
    b.Put(e, &P::SetAreaUsesSplitFlg);
    b.Put(e, &P::SetAreaUsesContainmentFlg);
    b.Put(e, &P::SetPreviousToolDiam);
    b.Sub(e, &P::GetContourStartExtraLength, &P::SetContourStartExtraLength,
          [](Builder& b, qzPercentOrValueParameter& p) { PercentOrValue(b, p, true); });
    b.Sub(e, &P::GetContourEndExtraLength, &P::SetContourEndExtraLength,
          [](Builder& b, qzPercentOrValueParameter& p) { PercentOrValue(b, p, false); });
    b.Put(e, &P::SetAdditionalRadius);
    b.Put(e, &P::SetContainmentType);
    old.allowFlip = b.Stored(true, 0, 188);
}

/// The merge distance of surface edges that versions below 85 derive from the gaps along the cut.
inline qzPercentOrValueParameter MergeDistanceFromGaps(const P& e)
{
    const qzGapsAlongCut& gaps = e.GetLinkParams().GetGapsAlongCut();
    const bool first = gaps.GetSmallMoveHandling().GetAction() != qzMoveHandling::STRAIGHT_LINE;
    const bool second = gaps.GetLargeMoveHandling().GetAction() != qzMoveHandling::STRAIGHT_LINE;
    if (first && second)
        return qzPercentOrValueParameter(e.GetCutTolerance(), e.GetUnits());
    if (!first && second)
    {
        if (gaps.GetGapSize().IsPercent() || gaps.GetGapSize().GetValue() >= e.GetCutTolerance() - 1e-12)
        {
            qzPercentOrValueParameter copy = gaps.GetGapSize();
            copy.SetUnits(e.GetUnits(), false);
            return copy;
        }
        return qzPercentOrValueParameter(e.GetCutTolerance(), e.GetUnits());
    }
    return qzPercentOrValueParameter(999999.0, e.GetUnits());
}

/// The rest of the main record (every version: older ones take the absent values) and the
/// conversions at the end of a read.
inline void Tail(Builder& b, P& e, const OldValues& old)
{
    b.Put(e, &P::SetGenerateToolPathFromSide, 37);
    b.Put(e, &P::SetFirstSurfaceTangentAngle, 37);
    b.Put(e, &P::SetSecondSurfaceTangentAngle, 37);
    b.Put(e, &P::SetSingleEdgeTangentAngle, 37);
    b.Put(e, &P::SetRunToolFrontShift, 38);
    b.Put(e, &P::SetRunToolSideShift, 38);
    b.Put(e, &P::SetLocked5thAxisValue, 38);
    if (b.V < 38 && (e.GetTiltStrategy() == P::THROUGH_POINT || e.GetTiltStrategy() == P::AWAY_FROM_POINT))
        e.SetTiltAngleFixed(0.0);
    const double gradualLead = b.Stored<double>(38, 188);
    const double gradualSide = b.Stored<double>(38, 188);
    const double ruledRadius = b.Stored<double>(38, 188);
    b.PutOr(e, &P::SetToolConeAxisType, 39,
            e.GetOrtAngLimitFlg() ? P::CONE_AXIS_ORTHOGONAL_LIMITS : P::CONE_AXIS_Z);
    b.Put(e, &P::SetToolConeAxisUserDefDir, 39);
    b.PutValue(e, &P::SetConversionLinkType, P::CONVERSION_LINK_DIRECT, 58);
    b.PutOr(e, &P::SetTiltLinesMaxSnapDistance, 63, 99999.0);
    b.Sub(
        e, &P::GetShallowAndSteepAreaParams, &P::SetShallowAndSteepAreaParams,
        [](Builder& b, qzShallowAndSteepAreaParams& r)
        {
            using M = qzShallowAndSteepAreaParams;
            b.PutUnits(r);
            b.Put(r, &M::SetIsUsedFlg);
            b.Stored(M::STEEP, 66, 66);
            b.Put(r, &M::SetViewAxisDirection);
            const double a = b.PutValue(r, &M::SetSlopeAngleStart, 10.5);
            const double c = b.PutValue(r, &M::SetSlopeAngleEnd, 30.25);
            if (b.V < 69) // measured from the other side
                r.SetSlopeAngles(90.0 - c, 90.0 - a);
            b.Put(r, &M::SetMachiningAreaType);
        },
        66);
    b.Sub(
        e, &P::Get2dContainmentParams, &P::Set2dContainmentParams,
        [](Builder& b, qz2dContainmentParams& r)
        {
            b.PutUnits(r);
            b.Put(r, &qz2dContainmentParams::SetIsUsedFlg);
            b.Put(r, &qz2dContainmentParams::SetProjectionAxisDirection);
        },
        68);
    b.PutOr(e, &P::SetMaxProjectionDistance, 70, 10.0 * e.GetCutTolerance());
    b.PutOr(e, &P::SetSurfaceEdgeCurveTol, 70, e.GetUnits() == kMetric ? 0.03 : 0.00118);
    b.PutOr(e, &P::SetRapidFeedFlg, 71, false);
    b.PutOr(e, &P::SetRapidFeedrate, 71, 9999.0);
    b.PutOr(e, &P::SetMachiningAreaMode, 73, P::AREA_WHOLE);
    qzPercentOrValueParameter merge = MergeDistanceFromGaps(e);
    if (b.Has(85, 185))
        PercentOrValue(b, merge, b.V % 2 == 0);
    if (b.V < 86 && e.GetTiltStrategy() == P::THROUGH_CURVE &&
        e.GetCurCurvTiltType() == P::CURVE_TILT_THROUGH_AXIS)
        e.SetTiltAxis(P::EXT_Z);
    if (b.Has(87))
        b.Sub(e, &P::GetCollCtrlOpStockParams, &P::SetCollCtrlOpStockParams, Stock);
    else
    {
        qzCollCtrlOpStockParams stock = e.GetCollCtrlOpStockParams();
        stock.SetStatus(old.stockUse);
        double tolerance = 0.0;
        if (b.V >= 15)
        {
            stock.SetStockOffsetMode(old.signedTolerance <= 1e-12 ? qzCollCtrlOpStockParams::OFFSET_INWARDS
                                                                  : qzCollCtrlOpStockParams::OFFSET_OUTWARDS);
            tolerance = std::fabs(old.signedTolerance);
        }
        stock.SetStockDefTolerance(tolerance);
        stock.SetCheckToolShaft(true);
        stock.SetCheckArbor(true);
        stock.SetCheckHolder(true);
        stock.SetStockType(qzCollCtrlOpStockParams::STOCK_DEFINITION);
        e.SetCollCtrlOpStockParams(stock);
    }
    b.PutOr(e, &P::SetStartPositionOffsetType, 88, P::OFFSET_ALONG_TOOL_AXIS);
    b.PutOr(e, &P::SetStartPositionShiftValue, 88, 0.0);
    b.Put(e, &P::SetSlowAndSafePathCreationFlg, 96);
    if (b.V < 97 && old.spiral)
        e.SetCurMachType(P::SPIRAL);
    double meshStockRemain = 0.0;
    b.Sub(
        e, &P::GetTpCalculationMethodsParams, &P::SetTpCalculationMethodsParams,
        [&meshStockRemain](Builder& b, qzTpCalcMethodsParams& r) { meshStockRemain = TpCalc(b, r); }, 109);
    b.Put(e, &P::SetPointToolToRotAxisFlg, 113);
    b.Put(e, &P::SetAddToolRadiusToMarginsFlg, 114);
    b.PutOr(e, &P::SetStartPointSelectionType, 145, P::START_AUTOMATIC);
    b.PutOr(e, &P::SetStartPositionSurfaceNormal, 145, qzPoint3d(1, 0, 0));
    const bool align = b.Stored(true, 148, 188);
    b.PutOr(e, &P::SetTiltPoleLimitFlg, 168, true);
    b.PutOr(e, &P::SetExtendTrimGapsFlg, 168, true);
    b.PutOr(e, &P::SetDampAxialShiftFlg, 168, false);
    b.Put(e, &P::SetAdaptiveCutsFlg, 172);
    b.Put(e, &P::SetSpiralMachType, 174);
    b.Put(e, &P::SetSpiralMachBlendDistance, 174);
    b.Put(e, &P::SetCloseFirstSpiralMachContour, 174);
    b.Put(e, &P::SetCloseLastSpiralMachContour, 174);
    b.Mark("surfEdgeType");
    b.Stored(Number(1), 180, 185); // surface-edge handling type: maintain outside sharp edges
    if (b.Has(186))
    {
        b.Sub(e, &P::GetSurfEdgeHandlingParams, &P::SetSurfEdgeHandlingParams,
              [](Builder& b, qzSurfEdgeHandlingParams& r)
              {
                  using M = qzSurfEdgeHandlingParams;
                  b.PutUnits(r);
                  b.Sub(r, &M::GetMergeDistance, &M::SetMergeDistance,
                        [](Builder& bb, qzPercentOrValueParameter& p) { PercentOrValue(bb, p, false); });
                  b.Put(r, &M::SetMaintainOutsideSharpEdgesFlg);
                  b.Put(r, &M::SetSharpEdgeDetectionAngle);
                  b.Put(r, &M::SetRadiusForLoops);
              });
    }
    else
    {
        qzSurfEdgeHandlingParams surf = e.GetSurfEdgeHandlingParams();
        surf.SetMergeDistance(merge);
        surf.SetMaintainOutsideSharpEdgesFlg(b.Has(180));
        e.SetSurfEdgeHandlingParams(surf);
    }
    if (b.Has(189))
        b.Sub(e, &P::GetTiltRelativeToCutDirParams, &P::SetTiltRelativeToCutDirParams,
              [](Builder& b, qzTiltRelativeToCutDirParams& r)
              {
                  using M = qzTiltRelativeToCutDirParams;
                  b.PutUnits(r);
                  b.Put(r, &M::SetSideTiltFanningDist);
                  b.Put(r, &M::SetAllowFlipSideDirFlg);
                  b.Put(r, &M::SetGradualLeadAngleChange);
                  b.Put(r, &M::SetGradualSideTiltAngleChange);
                  b.Put(r, &M::SetRuledSurfaceRadiusLimit);
                  b.Put(r, &M::SetAlignToolAxisToPlanarSurfEdgesFlg);
                  b.Put(r, &M::SetImproveSideTiltForTwistedSurfsFlg);
              });
    else
    {
        qzTiltRelativeToCutDirParams tilt(e.GetTiltRelativeToCutDirParams().GetUnits());
        if (b.V >= 13) // stored from the second generation's tail on
            tilt.SetSideTiltFanningDist(old.fanning);
        if (b.V >= 33)
        {
            tilt.SetAllowFlipSideDirFlg(old.allowFlip);
            tilt.SetAlignToolAxisToPlanarSurfEdgesFlg(b.Has(148) && align);
        }
        if (b.V >= 38)
        {
            tilt.SetGradualLeadAngleChange(gradualLead);
            tilt.SetGradualSideTiltAngleChange(gradualSide);
            tilt.SetRuledSurfaceRadiusLimit(ruledRadius);
        }
        e.SetTiltRelativeToCutDirParams(tilt);
    }
    b.Sub(
        e, &P::GetTiltRelToImpellerMachLayerParams, &P::SetTiltRelToImpellerMachLayerParams,
        [](Builder& b, qzTiltRelToImpellerMachLayerParams& r)
        {
            using M = qzTiltRelToImpellerMachLayerParams;
            b.PutUnits(r);
            b.Put(r, &M::SetLeadAngleAtBladeStart);
            b.Put(r, &M::SetLeadAngleAtBladeEnd);
            b.Put(r, &M::SetLeadAngleAtSplitterEnd);
        },
        194);
    b.PutOr(e, &P::SetToolPlaneDirTypeFor3Axis, 199,
            e.GetToolPlaneCustomDirFor3Axis() == qzPoint3d(0, 0, 1) ? P::TOOL_PLANE_Z : P::TOOL_PLANE_CUSTOM);

    // The end of every read.
    if (b.V < 219) // the fourth operation converts 3 to 5 axes
        e.SetConversionLinkType(P::CONVERSION_LINK_3_TO_5_AXIS);
    if (b.Has(115, 195))
        e.SetStockRemain(meshStockRemain);
    const auto limit = [&b](double angle, double bound)
    { return b.V < 200 && (angle > bound + 1e-12 || angle < -(bound + 1e-12)) ? 0.0 : angle; };
    e.SetLagAngle(limit(old.lag, 89.999));
    e.SetSideTiltAngle(limit(old.side, 179.999));
}

/// One main record of `version` and the set reading it into `target` must give (versions from
/// 33 on leave what they do not set as the target held it).
inline Built Build(unsigned version, bool shrink = false, bool sizes64 = false, int seed = 0,
                   const qz5axParams& target = qz5axParams())
{
    Builder b(version, shrink, sizes64, seed);
    Built out;
    out.expected = target;
    P& e = out.expected;
    OldValues old;
    OldRoughing rough;
    if (version < 33)
    {
        OldestRecord(b, e, old);
        qzLinkParams link = e.GetLinkParams();
        OldLinks(old, link);
        e.SetLinkParams(link);
    }
    else
    {
        NewerHead(b, e, old);
        NewerMiddle(b, e, old, rough);
    }
    qzRoughingParams roughing = e.GetRoughingParams();
    if (version < 33) // what the oldest record did not store takes the new records' values
        rough = OldRoughing();
    OldRoughingToRecord(b, old, rough, roughing);
    e.SetRoughingParams(roughing);
    Tail(b, e, old);
    out.bytes = b.Bytes();
    out.marks = b.marks;
    return out;
}
} // namespace legacy_params
