// Reference layout of the binary parameter record (stored version 226), typed by hand from the
// record tables and kept apart from paramformat/qzParamsLayout.h so that the writer (and later
// the readers) are checked against an independent reading of the layout.
//
// Each record has a table of rows {name, fill, emit} over the model's getters and setters:
// - Fill gives every field a distinct value (so a swapped or skipped field shows);
// - Expected builds, from the getters, the bytes the record must be stored as; MatchesLayout
//   compares them with written bytes and names every field that differs.
#pragma once

#include "brimlib/qz5axParams.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <functional>
#include <limits>
#include <sstream>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

namespace param_layout
{
using Units = measures::qzUnitsFactory::Units;

/// How a primitive field is stored.
enum class Enc
{
    U8,
    I32,
    U32,
    F64,
    ENUM,
    ENUM32,
    UNITS,
    P3
};

constexpr std::size_t kAllRows = std::numeric_limits<std::size_t>::max();

/// Source of distinct field values: doubles 1000.25 + n, ints, alternating bools and units,
/// enumerators counting up below 128, points with three different coordinates.
class Filler
{
public:
    explicit Filler(int seed) : m_n(seed * 1000), m_enum(seed), m_flag(seed % 2 != 0), m_metric(seed % 2 == 0)
    {
    }

    bool Flag() { return m_flag = !m_flag; }
    Units NextUnits()
    {
        m_metric = !m_metric;
        return m_metric ? measures::qzUnitsFactory::METRIC : measures::qzUnitsFactory::INCH;
    }
    int Enum() { return 1 + (m_enum++ % 127); }
    int Int() { return -(200 + Next()); }
    unsigned Unsigned() { return 300u + static_cast<unsigned>(Next()); }
    double Real() { return 1000.25 + Next(); }
    qzPoint3d Point()
    {
        const double n = Next();
        return qzPoint3d(2000.5 + n, -(3000.25 + n), 4000.75 + n);
    }

private:
    int Next() { return m_n++; }

    int m_n;
    int m_enum;
    bool m_flag;
    bool m_metric;
};

/// Expected bytes, little endian: one byte for flags and enumerations, 4 for 32-bit values
/// (2 with shrink data), 8 for doubles (a 4-byte float with shrink data). Each field can be
/// marked with its name, so that a difference is reported by field.
class Bytes
{
public:
    explicit Bytes(bool shrink = false) : m_shrink(shrink) {}

    Bytes& U8(unsigned v) { return Le(v, 1); }
    /// Any 32-bit value: I32, U32, ENUM32, UNITS and SIZE; shrink keeps the low 16 bits.
    Bytes& I32(long long v) { return Le(static_cast<std::uint64_t>(v), m_shrink ? 2 : 4); }
    Bytes& F64(double v)
    {
        if (m_shrink)
        {
            const float f = static_cast<float>(v);
            std::uint32_t raw;
            std::memcpy(&raw, &f, 4);
            return Le(raw, 4);
        }
        std::uint64_t raw;
        std::memcpy(&raw, &v, 8);
        return Le(raw, 8);
    }
    Bytes& P3(double x, double y, double z) { return F64(x).F64(y).F64(z); }
    Bytes& P3(const qzPoint3d& p) { return P3(p.x(), p.y(), p.z()); }
    Bytes& Mark(const std::string& field)
    {
        m_fields.emplace_back(m_bytes.size(), field);
        return *this;
    }

    const std::string& Str() const { return m_bytes; }
    const std::vector<std::pair<std::size_t, std::string>>& Fields() const { return m_fields; }

private:
    Bytes& Le(std::uint64_t v, int width)
    {
        for (int i = 0; i < width; ++i)
            m_bytes.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
        return *this;
    }

    bool m_shrink;
    std::string m_bytes;
    std::vector<std::pair<std::size_t, std::string>> m_fields;
};

/// One field of record R: how to fill it and the bytes it must be stored as.
template <class R> struct Row
{
    std::string name;
    std::function<void(R&, Filler&)> fill;
    std::function<void(const R&, Bytes&, const std::string&)> emit;
};
template <class R> using Table = std::vector<Row<R>>;

/// The table of record R: `static const Table<R>& Rows()`.
template <class R> struct Layout;

template <class R> void FillRows(R& record, Filler& f)
{
    for (const Row<R>& row : Layout<R>::Rows())
        row.fill(record, f);
}

template <class R>
void EmitRows(const R& record, Bytes& out, const std::string& path, std::size_t rows = kAllRows)
{
    const Table<R>& table = Layout<R>::Rows();
    for (std::size_t i = 0; i < std::min(rows, table.size()); ++i)
        table[i].emit(record, out,
                      (path.empty() ? table[i].name : path + "." + table[i].name) + "#" +
                          std::to_string(i + 1));
}

// ---- row builders ----

template <class R, class Get> using ValueOf = std::decay_t<std::invoke_result_t<Get, const R&>>;

/// A primitive field. A setter of nullptr marks a field the model derives (never filled).
template <Enc E, class R, class Get, class Set> Row<R> Field(const char* name, Get get, Set set)
{
    using T = ValueOf<R, Get>;
    static_assert(E != Enc::U8 || std::is_same<T, bool>::value, "U8 field must be a bool");
    static_assert(E != Enc::I32 || std::is_same<T, int>::value, "I32 field must be an int");
    static_assert(E != Enc::U32 || std::is_same<T, unsigned>::value, "U32 field must be an unsigned int");
    static_assert(E != Enc::F64 || std::is_same<T, double>::value, "F64 field must be a double");
    static_assert((E != Enc::ENUM && E != Enc::ENUM32) || std::is_enum<T>::value, "enumeration expected");
    static_assert(E != Enc::UNITS || std::is_same<T, Units>::value, "units expected");
    static_assert(E != Enc::P3 || std::is_same<T, qzPoint3d>::value, "point expected");

    const auto fill = [set](R& r, Filler& f)
    {
        if constexpr (std::is_same<Set, std::nullptr_t>::value)
            return (void)r, (void)f, (void)set;
        else if constexpr (E == Enc::U8)
            std::invoke(set, r, f.Flag());
        else if constexpr (E == Enc::I32)
            std::invoke(set, r, f.Int());
        else if constexpr (E == Enc::U32)
            std::invoke(set, r, f.Unsigned());
        else if constexpr (E == Enc::F64)
            std::invoke(set, r, f.Real());
        else if constexpr (E == Enc::ENUM || E == Enc::ENUM32)
            std::invoke(set, r, static_cast<T>(f.Enum()));
        else if constexpr (E == Enc::UNITS)
            std::invoke(set, r, f.NextUnits());
        else
            std::invoke(set, r, f.Point());
    };
    const auto emit = [get](const R& r, Bytes& out, const std::string& where)
    {
        const T value = std::invoke(get, r);
        out.Mark(where);
        if constexpr (E == Enc::U8)
            out.U8(value ? 1u : 0u);
        else if constexpr (E == Enc::ENUM)
            out.U8(static_cast<unsigned>(static_cast<int>(value)));
        else if constexpr (E == Enc::F64)
            out.F64(value);
        else if constexpr (E == Enc::P3)
            out.P3(value);
        else
            out.I32(static_cast<long long>(value));
    };
    return Row<R>{name, fill, emit};
}

/// A reserved byte, always 0.
template <class R> Row<R> Reserved()
{
    return Row<R>{"reserved", [](R&, Filler&) {},
                  [](const R&, Bytes& out, const std::string& where) { out.Mark(where).U8(0); }};
}

/// The units of a measurable record.
template <class R> Row<R> UnitsField()
{
    return Field<Enc::UNITS, R>(
        "Units", [](const R& r) { return r.GetUnits(); }, [](R& r, Units u) { r.SetUnits(u, false); });
}

/// A record written in place, with its own table.
template <class R, class Get, class Set> Row<R> Nested(const char* name, Get get, Set set)
{
    using S = ValueOf<R, Get>;
    return Row<R>{name,
                  [get, set](R& r, Filler& f)
                  {
                      S sub = std::invoke(get, r);
                      FillRows(sub, f);
                      std::invoke(set, r, sub);
                  },
                  [get](const R& r, Bytes& out, const std::string& where)
                  { EmitRows<S>(std::invoke(get, r), out, where); }};
}

/// The 2-degree option list: SIZE of the pairs, then each option (ENUM) and flag (U8).
template <class R, class Get, class Set> Row<R> Options(const char* name, Get get, Set set)
{
    return Row<R>{name,
                  [set](R& r, Filler& f)
                  {
                      // A valid list in a rotated order, so that the order itself is checked.
                      const int first = f.Enum() % 5;
                      qzCCWith2DegOptionsList::OptionList list;
                      for (int i = 0; i < 5; ++i)
                          list.emplace_back(
                              static_cast<qzCCWith2DegOptionsList::CCWith2DegOptions>(1 + (first + i) % 5),
                              f.Flag());
                      std::invoke(set, r, qzCCWith2DegOptionsList(list));
                  },
                  [get](const R& r, Bytes& out, const std::string& where)
                  {
                      const auto& list = std::invoke(get, r).GetOptionList();
                      out.Mark(where + ".Count").I32(static_cast<long long>(list.size()));
                      for (std::size_t i = 0; i < list.size(); ++i)
                          out.Mark(where + "[" + std::to_string(i) + "]")
                              .U8(static_cast<unsigned>(list[i].first))
                              .U8(list[i].second ? 1u : 0u);
                  }};
}

/// Calls `f` with the machine definition as its own variant type.
template <class F> void VisitMachDef(const post::qzMachDef& machDef, F&& f)
{
    if (const auto* m3 = dynamic_cast<const post::qz3axMachDef*>(&machDef))
        f(*m3);
    else if (const auto* m4 = dynamic_cast<const post::qz4axMachDef*>(&machDef))
        f(*m4);
    else if (const auto* m5 = dynamic_cast<const post::qz5axMachDef*>(&machDef))
        f(*m5);
    else if (const auto* m6 = dynamic_cast<const post::qz6axMachDef*>(&machDef))
        f(*m6);
    else
        ADD_FAILURE() << "unknown machine definition variant";
}

/// The machine definition held by shared pointer; the variant decides the table.
template <class R, class Get, class Set> Row<R> MachDef(const char* name, Get get, Set set)
{
    return Row<R>{name,
                  [get, set](R& r, Filler& f)
                  {
                      const auto& held = std::invoke(get, r);
                      if (held.IsNull())
                          return;
                      VisitMachDef(*held,
                                   [&](const auto& variant)
                                   {
                                       auto* copy = new std::decay_t<decltype(variant)>(variant);
                                       misc::qzAutoPointer<post::qzMachDef> owner(copy);
                                       FillRows(*copy, f);
                                       std::invoke(set, r, owner);
                                   });
                  },
                  [get](const R& r, Bytes& out, const std::string& where)
                  {
                      const auto& held = std::invoke(get, r);
                      if (held.IsNull())
                          ADD_FAILURE() << where << ": no machine definition to take the bytes from";
                      else
                          VisitMachDef(*held, [&](const auto& variant) { EmitRows(variant, out, where); });
                  }};
}

/// The four collision-control operations, in index order, with no count.
inline Row<qzCollCtrlParams> CollOps()
{
    using R = qzCollCtrlParams;
    return Row<R>{"Operation",
                  [](R& r, Filler& f)
                  {
                      std::vector<qzCollCtrlOpParams> ops = r.GetCollCtrlOperations();
                      for (auto& op : ops)
                          FillRows(op, f);
                      r.SetCollCtrlOperations(ops);
                  },
                  [](const R& r, Bytes& out, const std::string& where)
                  {
                      const auto& ops = r.GetCollCtrlOperations();
                      const std::size_t n = qzCollCtrlParams::GetNoOfCollCtrlOperations();
                      if (ops.size() < n)
                          ADD_FAILURE() << where << ": the record holds " << ops.size() << " operations";
                      for (std::size_t i = 0; i < std::min(n, ops.size()); ++i)
                          EmitRows(ops[i], out, where + "[" + std::to_string(i) + "]");
                  }};
}

// clang-format off
// One row over the model's Get<Name>/Set<Name> of the record type R in scope.
#define PL_ROW(ENC, Name) Field<Enc::ENC, R>(#Name, &R::Get##Name, &R::Set##Name)
#define PL_REC(Name) Nested<R>(#Name, &R::Get##Name, &R::Set##Name)
#define PL_POV(Name) PL_REC(Name) // a percent-or-value record
#define PL_LAYOUT(Type, ...)                                                                                 \
    template <> struct Layout<Type>                                                                          \
    {                                                                                                        \
        using R = Type;                                                                                      \
        static const Table<R>& Rows()                                                                        \
        {                                                                                                    \
            static const Table<R> rows = {__VA_ARGS__};                                                      \
            return rows;                                                                                     \
        }                                                                                                    \
    };

// ---- general records ----

PL_LAYOUT(qzPercentOrValueParameter, UnitsField<R>(),
    Field<Enc::U8, R>("IsPercent", &R::IsPercent,
        [](R& p, bool percent) { percent ? p.SetPercent(p.GetPercent()) : p.SetValue(p.GetValue()); }),
    Field<Enc::F64, R>("PercentOrValue", [](const R& p) { return p.IsPercent() ? p.GetPercent() : p.GetValue(); },
        [](R& p, double v) { p.IsPercent() ? p.SetPercent(v) : p.SetValue(v); }))

PL_LAYOUT(qzLeadParams, PL_ROW(ENUM, Type), PL_ROW(ENUM, AxisOrientation), PL_ROW(F64, Width),
    PL_ROW(F64, Length), PL_ROW(F64, ArcSweep), PL_ROW(F64, ArcDiaOverToolDia), PL_ROW(F64, Height),
    PL_ROW(U8, UseWidthLength), PL_ROW(F64, MaxAngleChange), PL_ROW(U8, FlipArcFlg),
    PL_ROW(F64, TiltAngle4Orto2CutDir), PL_ROW(F64, FeedRatePercent))

PL_LAYOUT(qzLeadController, PL_ROW(U8, IsUsed), PL_ROW(U8, UseDefaultLeadParams), PL_REC(LeadParams))

PL_LAYOUT(qzLeadInOutController, PL_REC(LeadInController), PL_REC(LeadOutController))

PL_LAYOUT(qzFirstEntry, PL_ROW(ENUM, Type), PL_REC(LeadController), PL_ROW(U8, UseHomePositionFlg))

PL_LAYOUT(qzLastExit, PL_ROW(ENUM, Type), PL_REC(LeadController), PL_ROW(U8, UseHomePositionFlg))

// The lead-in and lead-out controllers are reached through the move's lead controller.
PL_LAYOUT(qzMoveHandling, PL_ROW(ENUM, Action),
    Nested<R>("LeadInController", &R::GetLeadInController, [](R& r, const qzLeadController& c) {
        qzLeadInOutController io = r.GetMoveLeadController();
        io.SetLeadInController(c);
        r.SetMoveLeadController(io);
    }),
    Nested<R>("LeadOutController", &R::GetLeadOutController, [](R& r, const qzLeadController& c) {
        qzLeadInOutController io = r.GetMoveLeadController();
        io.SetLeadOutController(c);
        r.SetMoveLeadController(io);
    }))

#define PL_INTERLINK UnitsField<R>(), PL_POV(GapSize), PL_REC(SmallMoveHandling), PL_REC(LargeMoveHandling)
PL_LAYOUT(qzInterlinkHandeler, PL_INTERLINK)
PL_LAYOUT(qzGapsAlongCut, PL_INTERLINK)
PL_LAYOUT(qzLinkBetweenSlices, PL_INTERLINK)

PL_LAYOUT(qzLinkBetweenPasses, UnitsField<R>(), PL_ROW(F64, GapSize), PL_REC(SmallMoveHandling),
    PL_REC(LargeMoveHandling))

PL_LAYOUT(qzLinkParams, PL_REC(LeadInDefaultParams), PL_REC(LeadOutDefaultParams), PL_REC(FirstEntry),
    PL_REC(LastExit), PL_REC(GapsAlongCut), PL_REC(LinkBetweenSlices), PL_REC(LinkBetweenPasses),
    PL_ROW(ENUM, ClearanceType), PL_ROW(ENUM, ClearanceAxis), PL_ROW(F64, ClearancePlaneHeight),
    PL_ROW(F64, ClearanceRadius), PL_ROW(P3, CylinderThroughPoint), PL_ROW(P3, SphereAroundPoint),
    PL_ROW(F64, FeedPlaneIncremental), PL_ROW(F64, RetractPlaneIncremental),
    PL_ROW(F64, AirMoveSafetyDistance), PL_ROW(F64, AngleStepForRapidMoves),
    PL_ROW(P3, PlaneCustomDirection), PL_ROW(P3, CylinderCustomDirection),
    PL_ROW(U8, ChangeToolDir2ClearanceDirFlg), PL_ROW(F64, ToolInitialOrientationDistance),
    PL_ROW(P3, HomePosition))

// ---- collision control ----

PL_LAYOUT(qzCCWith2DegOptionsList,
    Options<R>("Options", [](const R& list) -> const R& { return list; }, [](R& list, const R& v) { list = v; }))

PL_LAYOUT(qzCollCtrlOpParams, UnitsField<R>(), PL_ROW(U8, Status), PL_ROW(U8, CheckToolTip),
    PL_ROW(U8, CheckToolShaft), PL_ROW(U8, CheckHolder), PL_ROW(U8, CheckArbor), PL_ROW(ENUM, Strategy),
    PL_ROW(ENUM, SideRetractDir), PL_ROW(ENUM, AvoidTiltDir), PL_ROW(ENUM, AvoidTiltSign),
    PL_ROW(F64, AvoidMinTiltAngle), PL_ROW(F64, AvoidMaxTiltAngle), PL_ROW(U8, ToolAxOrContinuousFlg),
    PL_ROW(F64, DistForToolAxOrContinuous), PL_ROW(F64, MinAllowedAngleInCutDirection),
    PL_ROW(F64, MaxAllowedAngleInCutDirection), PL_ROW(U8, ReusePastContoursSolutionFlg),
    PL_ROW(F64, DeviationAngle), PL_ROW(U8, CheckDriveSurfaces), PL_ROW(U8, CheckSurfaces),
    PL_ROW(F64, StockToLeave), PL_ROW(F64, CheckSurfTolerance), PL_ROW(U8, UseSplitContourWithinDistance),
    PL_ROW(F64, SplitContourWithinDistance), PL_ROW(U8, DropToolDownFlg),
    PL_ROW(U8, RemoveAreaWhereToolDropFailFlg), PL_ROW(P3, CustomSideRetractDir),
    PL_ROW(ENUM, CollLeaveOutPntsType), PL_ROW(U8, CheckMachiningSurfaces),
    PL_ROW(U8, TiltCollFreeContoursFlg),
    Options<R>("CCWith2DegOptionsList", &R::GetCCWith2DegOptionsList, &R::SetCCWith2DegOptionsList),
    PL_ROW(U8, TiltAxisFixFlg), PL_ROW(U8, RotaryAxisFixFlg), PL_ROW(F64, ReOptimizeFor),
    PL_ROW(F64, MaxAngleStep), PL_ROW(F64, ClearanceAngle), PL_ROW(U8, ProjectToolOnDirFlg),
    PL_ROW(U8, MoveToolOutwardsFlg), PL_ROW(F64, MaxOutwardDistance4MoveTool),
    PL_ROW(U8, ProjectToolInwardsFlg), PL_ROW(F64, MaxInwardDistance4ProjectTool),
    PL_ROW(U8, UsePreferredTiltAngleFlg), PL_ROW(F64, PreferredTiltAngle),
    PL_ROW(U8, MaintainTiltAngleForCollFreeZonesFlg), PL_ROW(U8, ReverseProjectionDirFlg))

// No tool-tip flag and no strategy for the stock operation.
PL_LAYOUT(qzCollCtrlOpStockParams, UnitsField<R>(), PL_ROW(U8, Status), PL_ROW(U8, CheckToolShaft),
    PL_ROW(U8, CheckArbor), PL_ROW(U8, CheckHolder), PL_ROW(F64, StockDefTolerance),
    PL_ROW(U8, IgnoreSmallContoursFlg), PL_POV(IgnoredSmallContoursSize), PL_ROW(ENUM, StockOffsetMode),
    PL_ROW(ENUM, StockType))

PL_LAYOUT(qzCollCtrlParams, UnitsField<R>(), CollOps(), PL_ROW(F64, ToolShaftUpperClearance),
    PL_ROW(F64, ArborUpperClearance), PL_ROW(F64, HolderUpperClearance), PL_ROW(U8, CheckBetweenPts),
    PL_ROW(U8, ReportRemainingColls), PL_ROW(U8, ExtendToolToInfinityFlg), PL_ROW(U8, CheckLinkMotionsFlg),
    PL_ROW(F64, ToolShaftLowerClearance), PL_ROW(F64, ArborLowerClearance),
    PL_ROW(F64, HolderLowerClearance), PL_ROW(U8, CheckTipRadiusFlg),
    PL_ROW(U8, CheckLinksAgainstContainmentFlg))

// ---- machine definitions (enumerations as 4-byte ints) ----

#define PL_MACHDEF_HEAD UnitsField<R>(), Field<Enc::ENUM32, R>("NumberOfAxes", &R::GetNumberOfAxes, nullptr)
#define PL_MACHDEF_TAIL                                                                                      \
    PL_ROW(P3, TransAxisMinLimit), PL_ROW(P3, TransAxisMaxLimit), PL_ROW(P3, TranslationX),                  \
        PL_ROW(P3, TranslationY), PL_ROW(P3, TranslationZ)

PL_LAYOUT(post::qz3axMachDef, PL_MACHDEF_HEAD, PL_ROW(P3, SpindleDir), PL_MACHDEF_TAIL)

PL_LAYOUT(post::qz4axMachDef, PL_MACHDEF_HEAD, PL_ROW(ENUM32, MachType), PL_ROW(P3, SpindleDir),
    PL_ROW(P3, RotAxisDir), PL_ROW(P3, RotAxisBasePt), PL_ROW(F64, RotAxisMinLimit),
    PL_ROW(F64, RotAxisMaxLimit), PL_MACHDEF_TAIL)

PL_LAYOUT(post::qz5axMachDef, PL_MACHDEF_HEAD, PL_ROW(ENUM32, MachType), PL_ROW(P3, SpindleDir),
    PL_ROW(P3, RotAxisDir0), PL_ROW(P3, RotAxisDir1), PL_ROW(P3, RotAxisBasePt0), PL_ROW(P3, RotAxisBasePt1),
    PL_ROW(F64, RotAxisMinLimit0), PL_ROW(F64, RotAxisMinLimit1), PL_ROW(F64, RotAxisMaxLimit0),
    PL_ROW(F64, RotAxisMaxLimit1), PL_MACHDEF_TAIL)

PL_LAYOUT(post::qz6axMachDef, PL_MACHDEF_HEAD, PL_ROW(ENUM32, MachType), PL_ROW(P3, SpindleDir),
    PL_ROW(P3, RotAxisDir0), PL_ROW(P3, RotAxisDir1), PL_ROW(P3, RotAxisDir2), PL_ROW(P3, RotAxisBasePt0),
    PL_ROW(P3, RotAxisBasePt1), PL_ROW(P3, RotAxisBasePt2), PL_ROW(F64, RotAxisMinLimit0),
    PL_ROW(F64, RotAxisMinLimit1), PL_ROW(F64, RotAxisMaxLimit0), PL_ROW(F64, RotAxisMaxLimit1),
    PL_ROW(F64, ThirdAngle), PL_ROW(ENUM32, FirstAxisType), PL_ROW(ENUM32, SecondAxisType),
    PL_ROW(ENUM32, ThirdAxisType), PL_MACHDEF_TAIL)

// ---- roughing ----

PL_LAYOUT(qzMultiCutsRoughParams, UnitsField<R>(), PL_ROW(U8, IsUsedFlg), PL_ROW(ENUM, SortType),
    PL_ROW(U32, NumberOfRoughCuts), PL_ROW(F64, RoughPassSpacing), PL_ROW(U32, NumberOfFinishCuts),
    PL_ROW(F64, FinishPassSpacing), PL_ROW(F64, GradualMachAngleXYChange))

PL_LAYOUT(qzPlungeRoughParams, UnitsField<R>(), PL_ROW(U8, IsUsedFlg), PL_ROW(F64, StepLength),
    PL_ROW(F64, SlideLength), PL_ROW(F64, PlungeHeight), PL_ROW(F64, RetractAngle))

PL_LAYOUT(qzMorphPocketRoughParams, UnitsField<R>(), PL_ROW(U8, IsUsedFlg), PL_ROW(U8, InsideToOutsideFlg),
    PL_ROW(F64, Stepover), PL_ROW(ENUM, PocketAreaType), PL_ROW(U32, NumberOfCuts),
    PL_ROW(U8, SpiralMachiningFlg))

PL_LAYOUT(qzDepthCutsRoughParams, UnitsField<R>(), PL_ROW(U8, IsUsedFlg), PL_ROW(ENUM, CutsType),
    PL_ROW(U32, NumberOfRoughCuts), PL_ROW(F64, RoughPassSpacing), PL_ROW(U32, NumberOfFinishCuts),
    PL_ROW(F64, FinishPassSpacing), PL_ROW(ENUM, SortType), PL_ROW(U8, UseRampFlg),
    PL_ROW(ENUM, ApplyDepthMode))

PL_LAYOUT(qzBlendRoughParams, UnitsField<R>(), PL_ROW(U8, IsUsedFlg), PL_ROW(F64, Stepover))

PL_LAYOUT(qzTrochoidalRoughParams, UnitsField<R>(), PL_ROW(U8, IsUsedFlg))

PL_LAYOUT(qzAreaRoughParams, UnitsField<R>(), PL_ROW(U8, IsUsedFlg), PL_ROW(ENUM, RoughingType),
    PL_ROW(P3, RotaryAxisDirection), PL_ROW(P3, RotaryAxisBasePoint), PL_ROW(F64, MaxStepoverDistance),
    PL_ROW(ENUM, AreaType), PL_ROW(ENUM, CuttingMethod), PL_ROW(ENUM, UsageStage),
    PL_ROW(ENUM, SectionMachiningMode), PL_ROW(U32, NumberOfCuts), PL_ROW(U8, AlternateDirectionFlg),
    PL_ROW(F64, ContourExtensionAtStart), PL_ROW(F64, ContourExtensionAtEnd), PL_ROW(U8, UseDepthCutsFlg),
    PL_ROW(I32, DepthCutsNumber), PL_ROW(F64, DepthCutsSpacing), PL_ROW(F64, DepthCutsStartHeight),
    PL_ROW(U8, TrimCutsFlg), PL_ROW(ENUM, TrimCutsMethod), PL_ROW(F64, CutLenTrimmingPercentage),
    PL_ROW(U8, SmoothAboveSplitterFlg))

PL_LAYOUT(qzTPRotationRoughParams, UnitsField<R>(), PL_ROW(U8, IsUsedFlg), PL_ROW(P3, RotaryAxisDirection),
    PL_ROW(P3, RotaryAxisBasePoint), PL_ROW(U32, NumberOfSteps), PL_ROW(F64, StartAngle),
    PL_ROW(F64, RotationAngle), PL_ROW(ENUM, SortType), PL_ROW(F64, TpToRotatePercentage),
    PL_ROW(ENUM, StockApplicationStage), PL_ROW(ENUM, LinkingApplicationStage),
    PL_ROW(F64, StartShiftDistance), PL_ROW(F64, StepoverShiftDistance))

PL_LAYOUT(qzSortTpRoughParams, UnitsField<R>(), PL_ROW(U8, IsUsedFlg), PL_ROW(U8, ReverseOrderFlg),
    PL_ROW(ENUM, ReverseTpType), PL_ROW(U8, ConnectSlicesShortestDistFlg))

PL_LAYOUT(qzRoughingParams, PL_REC(MultiCutsRoughParams), PL_REC(PlungeRoughParams),
    PL_REC(MorphPocketRoughParams), PL_REC(DepthCutsRoughParams), PL_REC(BlendRoughParams),
    PL_REC(TrochoidalRoughParams), PL_REC(AreaRoughParams), PL_REC(TPRotationRoughParams),
    PL_REC(SortTpRoughParams))

// ---- toolpath calculation methods ----

PL_LAYOUT(qzImpellerCutParams, UnitsField<R>(), PL_ROW(ENUM, CutsPerSectionMode),
    PL_ROW(I32, NoCutsPerSection), PL_ROW(F64, Stepover), PL_ROW(ENUM, CutDirection),
    PL_ROW(ENUM, CutOrdering), PL_ROW(U8, ConnectByShortestDistFlg))

PL_LAYOUT(qzImpellerMachLayerDefParams, UnitsField<R>(), PL_ROW(ENUM, MachLayerType),
    PL_ROW(U8, LimitNumberOfLayersFlg), PL_ROW(I32, NoLayers), PL_ROW(F64, DistBetwLayers),
    PL_ROW(ENUM, ShroudOffsetTrimType), PL_ROW(U8, UserDefinedRotaryAxisFlg),
    PL_ROW(P3, RotaryAxisBasePoint), PL_ROW(P3, RotaryAxisDirection), PL_ROW(U8, BlendByDistBetwLayersFlg),
    PL_ROW(F64, BlendStartPercent), PL_ROW(F64, BlendEndPercent))

PL_LAYOUT(qzImpellerOffsetAndClearanceParams, UnitsField<R>(), PL_ROW(F64, HubOffset),
    PL_ROW(F64, BladeOffset), PL_ROW(F64, SideTiltClearanceAngle), PL_ROW(F64, ShroudOffset))

PL_LAYOUT(qzImpellerSmoothParams, UnitsField<R>(), PL_ROW(F64, CutSmoothFactor),
    PL_ROW(F64, SideTiltSmoothFactor))

PL_LAYOUT(qzImpellerSplittersImpellerParams, UnitsField<R>(), PL_ROW(ENUM, SplitStrategy))

PL_LAYOUT(qzImpellerTiltParams, UnitsField<R>(), PL_ROW(ENUM, TiltStrategy), PL_ROW(F64, LeadAngle),
    PL_ROW(F64, LeadAngleLeadingEdge), PL_ROW(F64, LeadAngleSplitterEdge),
    PL_ROW(F64, LeadAngleTrailingEdge), PL_ROW(F64, MaxSideTiltAngle), PL_ROW(U8, CheckArborAndHolderFlg))

PL_LAYOUT(qzImpellerTrimAndExtendParams, UnitsField<R>(), PL_ROW(ENUM, TrimStrategy),
    PL_ROW(F64, LeadTrimAngleFromTip), PL_ROW(F64, LeadTangentialExtensionLen),
    PL_ROW(F64, LeadRadialExtensionLen), PL_ROW(F64, TrailTrimAngleFromTip),
    PL_ROW(F64, TrailTangentialExtensionLen), PL_ROW(F64, TrailRadialExtensionLen), PL_ROW(F64, LeadTrimLen),
    PL_ROW(F64, TrailTrimLen), PL_ROW(F64, LeadSideTiltFixLen), PL_ROW(F64, TrailSideTiltFixLen))

PL_LAYOUT(qzImpellerParams, UnitsField<R>(), PL_REC(CutParams), PL_REC(MachLayerDefParams),
    PL_REC(OffsetAndClearanceParams), PL_REC(SmoothParams), PL_REC(SplittersImpellerParams),
    PL_REC(TiltParams), PL_REC(TrimAndExtendParams))

PL_LAYOUT(qzProjectionPatternTriMeshBasedParams, UnitsField<R>(), PL_ROW(ENUM, Type), PL_ROW(ENUM, Style),
    PL_ROW(ENUM, Direction), PL_ROW(P3, StartPoint), PL_ROW(F64, StartHeight), PL_ROW(F64, EndHeight),
    PL_ROW(F64, StartAngle), PL_ROW(F64, EndAngle), PL_ROW(F64, StepAngle),
    PL_ROW(F64, CylinderRadiusAroundLine), PL_ROW(U8, OutputPatternFlg))

PL_LAYOUT(qzTriangleMeshBasedTpCalcParams, UnitsField<R>(), PL_ROW(ENUM, Pattern), PL_ROW(F64, StartHeight),
    PL_ROW(F64, EndHeight), PL_ROW(F64, DepthStep), PL_ROW(U8, RestRoughFlg),
    PL_ROW(F64, RoughingToolDiameter), PL_ROW(ENUM, RampType), PL_ROW(F64, RampAngle),
    PL_ROW(F64, RampLength), PL_ROW(ENUM, ParallelCutsStartCorner), PL_ROW(ENUM, ConstantZStart),
    PL_ROW(F64, DraftAngle), PL_ROW(U8, AdaptiveParallelScansFlg), PL_ROW(U8, TrimToolpathFlg),
    PL_ROW(U8, TrimToFluteLengthFlg), PL_ROW(U8, UseAutomaticStartEndHeightFlg), PL_ROW(F64, MinWidth),
    PL_ROW(ENUM, ProjectCurvesType), PL_ROW(P3, ProjectCurvesCenterPoint),
    PL_ROW(F64, ProjectCurvesRadiusStart), PL_ROW(F64, ProjectCurvesRadiusEnd),
    PL_ROW(F64, ProjectCurvesAngleStart), PL_ROW(F64, ProjectCurvesAngleEnd),
    PL_ROW(I32, ProjectCurvesNumberOfCuts), PL_ROW(ENUM, ProjectCurvesOffsetDir),
    PL_ROW(U8, GDUseCurveEndDistanceFlg), PL_ROW(ENUM, GDContainmentType), PL_ROW(P3, GDProjCurvesDir),
    PL_ROW(ENUM, ProjectCurvesSpiralCutMethod), PL_REC(ProjectionPatternParams),
    PL_ROW(U8, SmoothCornersFlg), PL_ROW(U8, SmoothLinksFlg), PL_ROW(U8, GDMorphBetwCurvesFlg),
    PL_ROW(U8, RestFinishingFlg), PL_ROW(F64, RestFinishingBigToolDia), PL_ROW(P3, MachDirectionForMesh),
    PL_ROW(U8, RemoveCornerPegsFlg), PL_ROW(F64, SmoothCornersFactor), PL_ROW(U8, SmoothFinalPassFlg),
    PL_ROW(F64, SmoothFinalPassFactor), PL_ROW(ENUM, Offset2dContainmentMethod),
    PL_ROW(F64, Offset2dContainmentValue), PL_ROW(U8, AddOffset2dContainmentValue2ToolRadiusFlg),
    PL_ROW(U8, CenterCuttingToolFlg), PL_REC(ImpellerParams), PL_ROW(U8, SilhouetteContainmentFlg),
    PL_ROW(U8, UseMinimumDistanceFlg), PL_ROW(F64, MinimumDistance), PL_ROW(F64, SilhouetteStockRemain))

PL_LAYOUT(qzDrillingBasedTpCalcParams, UnitsField<R>(), PL_ROW(ENUM, Pattern), PL_ROW(ENUM, DrillCycle),
    PL_ROW(F64, DrillDepth), PL_ROW(F64, PeckDepth), PL_ROW(F64, DwellTime))

PL_LAYOUT(qzWireframeBasedTpCalcParams, UnitsField<R>(), PL_ROW(ENUM, CuttingSide),
    PL_ROW(F64, MaxSnapDistance))

// All three method records, whatever the method.
PL_LAYOUT(qzTpCalcMethodsParams, PL_ROW(ENUM, Method), PL_REC(TriangleMeshBasedTpCalcParams),
    PL_REC(DrillingBasedTpCalcParams), PL_REC(WireframeBasedTpCalcParams))

// ---- area, surface-edge and tilt records ----

PL_LAYOUT(qzShallowAndSteepAreaParams, UnitsField<R>(), PL_ROW(U8, IsUsedFlg), PL_ROW(P3, ViewAxisDirection),
    PL_ROW(F64, SlopeAngleStart), PL_ROW(F64, SlopeAngleEnd), PL_ROW(ENUM, MachiningAreaType))

PL_LAYOUT(qz2dContainmentParams, UnitsField<R>(), PL_ROW(U8, IsUsedFlg), PL_ROW(P3, ProjectionAxisDirection))

PL_LAYOUT(qzSurfEdgeHandlingParams, UnitsField<R>(), PL_POV(MergeDistance),
    PL_ROW(U8, MaintainOutsideSharpEdgesFlg), PL_ROW(F64, SharpEdgeDetectionAngle),
    PL_ROW(F64, RadiusForLoops))

PL_LAYOUT(qzTiltRelativeToCutDirParams, UnitsField<R>(), PL_ROW(F64, SideTiltFanningDist),
    PL_ROW(U8, AllowFlipSideDirFlg), PL_ROW(F64, GradualLeadAngleChange),
    PL_ROW(F64, GradualSideTiltAngleChange), PL_ROW(F64, RuledSurfaceRadiusLimit),
    PL_ROW(U8, AlignToolAxisToPlanarSurfEdgesFlg), PL_ROW(U8, ImproveSideTiltForTwistedSurfsFlg))

PL_LAYOUT(qzTiltRelToImpellerMachLayerParams, UnitsField<R>(), PL_ROW(F64, LeadAngleAtBladeStart),
    PL_ROW(F64, LeadAngleAtBladeEnd), PL_ROW(F64, LeadAngleAtSplitterEnd))

// ---- the main record ----

PL_LAYOUT(qz5axParams, UnitsField<R>(), PL_ROW(F64, TrimLoopSurfPolygonTolerace),                   // 1-2
    PL_ROW(U8, RapidRetractFlg), PL_ROW(F64, FeedRate), PL_ROW(F64, PlungeFeedRate),                // 3-5
    PL_ROW(F64, RetractFeedRate), PL_ROW(U8, OptimizeFeedRate),                                     // 6-7
    PL_ROW(F64, FeedRateRadius1), PL_ROW(F64, FeedRateRadius2),                                     // 8-9
    PL_ROW(F64, FeedRateFactor1), PL_ROW(F64, FeedRateFactor2),                                     // 10-11
    PL_ROW(F64, FeedRateFactor3), PL_ROW(F64, FeedRateFactor4),                                     // 12-13
    PL_ROW(F64, StockRemain), PL_ROW(F64, CutDepth), PL_ROW(F64, CutTolerance),                     // 14-16
    PL_ROW(U8, DistanceFlag), PL_ROW(F64, Distance), PL_ROW(F64, MaxAngleChange),                   // 17-19
    PL_ROW(F64, ChainingTolerance), PL_ROW(F64, MaxStepoverDistance),                               // 20-21
    PL_ROW(ENUM, CurCutType), PL_ROW(F64, ParallelMachAngleInYX),                                   // 22-23
    PL_ROW(F64, ParallelMachAngleFromZ), PL_ROW(U32, NumberOfSteps),                                // 24-25
    PL_ROW(U8, ReverseCutsFlg), PL_ROW(P3, LimitPoint1), PL_ROW(P3, LimitPoint2),                   // 26-28
    PL_ROW(ENUM, CurMachType), PL_ROW(ENUM, CurCutOrder),                                           // 29-30
    PL_ROW(ENUM, MachDirForOneWay), PL_ROW(U8, EnforceClosedContourFlg),                            // 31-32
    PL_ROW(ENUM, CurOutputType), PL_ROW(ENUM, Cur4Axis), PL_ROW(U8, StartPosFlag),                  // 33-35
    PL_ROW(P3, StartPosition), PL_ROW(F64, StartPositionRotAngle), Reserved<R>(),                   // 36-38
    PL_ROW(ENUM, TiltStrategy), PL_ROW(ENUM, TiltAxis), PL_ROW(P3, TiltAxisStart),                  // 39-41
    PL_ROW(P3, TiltAxisEnd), PL_ROW(P3, TiltPoint), PL_ROW(F64, TiltAngle),                         // 42-44
    PL_ROW(F64, TiltAngleFixed), PL_ROW(U8, AxisMeetTiltFlg),                                       // 45-46
    PL_ROW(U8, ReverseToolFlg), PL_ROW(F64, LagAngle), PL_ROW(F64, SideTiltAngle),                  // 47-49
    Reserved<R>(), PL_ROW(U8, XYPlaneAngleLimitFlg),                                                // 50-51
    PL_ROW(F64, XYPlaneAngleLimitStart), PL_ROW(F64, XYPlaneAngleLimitEnd),                         // 52-53
    PL_ROW(U8, YZPlaneAngleLimitFlg), PL_ROW(F64, YZPlaneAngleLimitStart),                          // 54-55
    PL_ROW(F64, YZPlaneAngleLimitEnd), PL_ROW(U8, XZPlaneAngleLimitFlg),                            // 56-57
    PL_ROW(F64, XZPlaneAngleLimitStart), PL_ROW(F64, XZPlaneAngleLimitEnd),                         // 58-59
    PL_ROW(U8, OrtAngLimitFlg), PL_ROW(F64, OrtAngLimitAngle1),                                     // 60-61
    PL_ROW(F64, OrtAngLimitAngle2), PL_ROW(ENUM, RunTool), PL_REC(CollControl),                     // 62-64
    PL_ROW(U8, SmoothFlg), PL_ROW(F64, SmoothThreshold), PL_ROW(U8, RadiusFitFlg),                  // 65-67
    PL_ROW(U8, AvoidSignChngRotAxisFlg), Reserved<R>(), PL_ROW(U8, CreatePocketFlg),                // 68-70
    PL_ROW(U8, YLimitFlg), PL_ROW(F64, YLimitMin), PL_ROW(F64, YLimitMax),                          // 71-73
    PL_ROW(ENUM, CuttingAreaType), PL_ROW(F64, StartMargin), PL_ROW(F64, EndMargin),                // 74-76
    PL_ROW(ENUM, CurCurvTiltType), PL_ROW(ENUM, CurSideTiltDefType),                                // 77-78
    PL_ROW(ENUM, CurSideTiltAproximationType), PL_ROW(ENUM, CurTiltThruLinesType),                  // 79-80
    PL_ROW(P3, SideTiltUserDefDir),                                                                 // 81
    MachDef<R>("MachDef", &R::GetMachDef, &R::SetMachDef),                                          // 82
    PL_ROW(P3, ToolPlaneCustomDirFor3Axis), PL_ROW(U8, CalcBasedOnToolCenter),                      // 83-84
    PL_ROW(F64, FirstCutFeedRateScalePercentage),                                                   // 85
    PL_ROW(F64, DampingDistPrcntFromToolRadius), PL_REC(LinkParams),                                // 86-87
    PL_REC(RoughingParams), PL_ROW(F64, Scallop),                                                   // 88-89
    PL_ROW(U8, UseStepoverNotScallopFlg), PL_ROW(U8, AreaUsesCleanupFlg),                           // 90-91
    PL_ROW(U8, AreaUsesExtTrimFlg), PL_ROW(U8, AreaUsesSplitFlg),                                   // 92-93
    PL_ROW(U8, AreaUsesContainmentFlg), PL_ROW(F64, PreviousToolDiam),                              // 94-95
    PL_POV(ContourStartExtraLength), PL_POV(ContourEndExtraLength),                                 // 96-97
    PL_ROW(F64, AdditionalRadius), PL_ROW(ENUM, ContainmentType),                                   // 98-99
    PL_ROW(U8, GenerateToolPathFromSide), PL_ROW(F64, FirstSurfaceTangentAngle),                    // 100-101
    PL_ROW(F64, SecondSurfaceTangentAngle), PL_ROW(F64, SingleEdgeTangentAngle),                    // 102-103
    PL_ROW(F64, RunToolFrontShift), PL_ROW(F64, RunToolSideShift),                                  // 104-105
    PL_ROW(F64, Locked5thAxisValue), PL_ROW(ENUM, ToolConeAxisType),                                // 106-107
    PL_ROW(P3, ToolConeAxisUserDefDir), PL_ROW(ENUM, ConversionLinkType),                           // 108-109
    PL_ROW(F64, TiltLinesMaxSnapDistance), PL_REC(ShallowAndSteepAreaParams),                       // 110-111
    PL_REC(2dContainmentParams), PL_ROW(F64, MaxProjectionDistance),                                // 112-113
    PL_ROW(F64, SurfaceEdgeCurveTol), PL_ROW(U8, RapidFeedFlg),                                     // 114-115
    PL_ROW(F64, RapidFeedrate), PL_ROW(ENUM, MachiningAreaMode),                                    // 116-117
    PL_REC(CollCtrlOpStockParams), PL_ROW(ENUM, StartPositionOffsetType),                           // 118-119
    PL_ROW(F64, StartPositionShiftValue), PL_ROW(U8, SlowAndSafePathCreationFlg),                   // 120-121
    PL_REC(TpCalculationMethodsParams), PL_ROW(U8, PointToolToRotAxisFlg),                          // 122-123
    PL_ROW(U8, AddToolRadiusToMarginsFlg), PL_ROW(ENUM, StartPointSelectionType),                   // 124-125
    PL_ROW(P3, StartPositionSurfaceNormal), PL_ROW(U8, TiltPoleLimitFlg),                           // 126-127
    PL_ROW(U8, ExtendTrimGapsFlg), PL_ROW(U8, DampAxialShiftFlg),                                   // 128-129
    PL_ROW(U8, AdaptiveCutsFlg), PL_ROW(ENUM, SpiralMachType),                                      // 130-131
    PL_ROW(F64, SpiralMachBlendDistance), PL_ROW(U8, CloseFirstSpiralMachContour),                  // 132-133
    PL_ROW(U8, CloseLastSpiralMachContour), PL_REC(SurfEdgeHandlingParams),                         // 134-135
    PL_REC(TiltRelativeToCutDirParams), PL_REC(TiltRelToImpellerMachLayerParams),                   // 136-137
    PL_ROW(ENUM, ToolPlaneDirTypeFor3Axis))                                                         // 138

#undef PL_INTERLINK
#undef PL_MACHDEF_HEAD
#undef PL_MACHDEF_TAIL
#undef PL_LAYOUT
#undef PL_POV
#undef PL_REC
#undef PL_ROW
// clang-format on

// ---- entry points ----

/// Gives every field of `record` (and of its sub-records) a distinct value; another seed gives
/// other values. A machine definition keeps its variant.
template <class R> void Fill(R& record, int seed = 0)
{
    Filler f(seed);
    FillRows(record, f);
}

/// The bytes of the first `rows` rows of the record's table (all by default), from its getters.
template <class R> Bytes Expected(const R& record, bool shrink, std::size_t rows = kAllRows)
{
    Bytes out(shrink);
    EmitRows(record, out, "", rows);
    return out;
}

template <class R> std::size_t Size(const R& record, bool shrink, std::size_t rows = kAllRows)
{
    return Expected(record, shrink, rows).Str().size();
}

/// Success when `bytes` are those of the first `rows` rows; otherwise names the fields that differ.
template <class R>
::testing::AssertionResult MatchesLayout(const R& record, const std::string& bytes, bool shrink,
                                         std::size_t rows = kAllRows)
{
    const Bytes expected = Expected(record, shrink, rows);
    const std::string& want = expected.Str();
    if (want == bytes)
        return ::testing::AssertionSuccess();
    const auto hex = [](const std::string& text, std::size_t at, std::size_t n)
    {
        std::ostringstream out;
        for (std::size_t i = at; i < std::min(at + n, text.size()); ++i)
            out << ' ' << std::hex << (static_cast<unsigned>(text[i]) & 0xFFu);
        return out.str();
    };
    auto failure = ::testing::AssertionFailure()
                   << want.size() << " bytes expected, " << bytes.size() << " given";
    const auto& fields = expected.Fields();
    std::size_t shown = 0;
    for (std::size_t i = 0; i < fields.size() && shown < 25; ++i)
    {
        const std::size_t at = fields[i].first;
        const std::size_t n = (i + 1 < fields.size() ? fields[i + 1].first : want.size()) - at;
        if (want.compare(at, n, bytes, std::min(at, bytes.size()), n) != 0)
        {
            failure << "\n  " << fields[i].second << " at offset " << at << ": expected" << hex(want, at, n)
                    << ", got" << hex(bytes, at, n);
            ++shown;
        }
    }
    return failure;
}
} // namespace param_layout
