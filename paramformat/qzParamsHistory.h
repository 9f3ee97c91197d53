// Histories of the fields of the binary parameter format across stored versions (internal).
//
// A record description (qzParamsLayout.h) may give a field a history as the last argument of
// its visitor call: the versions that store it, what the model gets when the stream does not
// hold it, and what happens to a stored value in some versions (dropped, replaced, converted,
// parked in the lost-parameter store). The writer ignores histories; the readers apply them.
//
//   From(59).Else(-90.0)                        stored from 59; older versions set -90
//   From(17).DroppedIn(Only(17))                stored from 17, but 17's value is not used
//   From(93).ReplacedIn(Between(93, 151), 100.0)
//   Always().ConvertedIn(Below(224), fn)        fn(record, value) gives the value to set
//   Always().Parked(&qzLostParamsOV20::lagAngle)      read into the store, not set
//   Always().AlsoParked(&qzLostParamsOV20::feedRate)  set, and a copy kept in the store
//
// Else takes a value of the field's type or a callable of the record (and optionally of the
// lost-parameter store) that returns it. A field without history is stored in every version
// the record exists in.
#pragma once

namespace paramformat
{
constexpr unsigned kNewestVersion = 0xFFFFFFFFu;

/// Stored versions from `first` to `last`, both included (empty when first > last).
struct Versions
{
    unsigned first;
    unsigned last;

    constexpr bool Has(unsigned version) const { return version >= first && version <= last; }
};

constexpr Versions Since(unsigned first)
{
    return Versions{first, kNewestVersion};
}
constexpr Versions Below(unsigned end)
{
    return Versions{0, end - 1};
}
constexpr Versions Between(unsigned first, unsigned last)
{
    return Versions{first, last};
}
constexpr Versions Only(unsigned version)
{
    return Versions{version, version};
}

/// No rule: absent fields are not set, stored values are set as read.
struct NoRule
{
};
/// A stored value that is read and not used.
struct DropValue
{
};
/// The read value goes to a member of the lost-parameter store; with `alsoSet` the model gets
/// it too.
template <class M, bool alsoSet> struct ParkValue
{
    static constexpr bool kAlsoSet = alsoSet;
    M member;
};

template <class Absent = NoRule, class Change = NoRule, class Park = NoRule> struct History
{
    Versions stored;
    Absent absent;
    Versions changedIn;
    Change change;
    Park park;

    /// What versions that do not store the field set: a value or a callable of the record.
    template <class A> History<A, Change, Park> Else(A value) const
    {
        return {stored, value, changedIn, change, park};
    }
    /// Stored values of these versions are read and dropped.
    History<Absent, DropValue, Park> DroppedIn(Versions in) const { return {stored, absent, in, {}, park}; }
    /// Stored values of these versions are replaced by `value`.
    template <class C> History<Absent, C, Park> ReplacedIn(Versions in, C value) const
    {
        return {stored, absent, in, value, park};
    }
    /// Stored values of these versions are set as `convert(record, value)`.
    template <class C> History<Absent, C, Park> ConvertedIn(Versions in, C convert) const
    {
        return {stored, absent, in, convert, park};
    }
    /// The value goes to the lost-parameter store instead of the model.
    template <class M> History<Absent, Change, ParkValue<M, false>> Parked(M member) const
    {
        return {stored, absent, changedIn, change, {member}};
    }
    /// The value is set, and kept in the lost-parameter store as well.
    template <class M> History<Absent, Change, ParkValue<M, true>> AlsoParked(M member) const
    {
        return {stored, absent, changedIn, change, {member}};
    }
};

constexpr Versions kNoVersions{1, 0};

/// Stored in every version the record exists in.
inline History<> Always()
{
    return {Since(0), {}, kNoVersions, {}, {}};
}
/// Stored from `first` on.
inline History<> From(unsigned first)
{
    return {Since(first), {}, kNoVersions, {}, {}};
}
/// Stored in `versions` only.
inline History<> StoredIn(Versions versions)
{
    return {versions, {}, kNoVersions, {}, {}};
}
} // namespace paramformat
