// The visitor with which the parameter readers walk the record descriptions (internal).
#pragma once

#include "paramformat/qzBI5axParams.h"
#include "paramformat/qzParamsHistory.h"
#include "paramformat/qzParamsLayout.h"

#include <cstddef>
#include <type_traits>

// Each field's read must inline into its record's walk, so that the accessor pointers become
// constants and the model's setters inline too; left to itself the compiler stops inlining in
// the large walks and pays an indirect call per field.
#if defined(__GNUC__)
#define QZ_FIELD_INLINE inline __attribute__((always_inline))
#else
#define QZ_FIELD_INLINE inline
#endif

/// Reads each field of record `R` that the stored version holds and applies the field's
/// history: the absent value when it does not hold it, a dropped, replaced or converted value,
/// a value parked in the lost-parameter store. Nested records go through the reader's own
/// (virtual) operator>>, so each generation decides how a sub-record is read.
template <class Reader, class R> class qzBI5axParams::FieldReader
{
public:
    /// Reads into `record` through `reader`, in the reader's stored version; both borrowed.
    FieldReader(Reader& reader, R& record) : m_reader(reader), m_base(reader), m_record(record) {}

    /// Walks the whole description of R.
    void Walk() { paramformat::Describe(*this, paramformat::Tag<R>()); }

    /// The record's own units, where the history says they are stored; values not converted.
    template <class H = paramformat::History<>>
    QZ_FIELD_INLINE void Units(const H& history = paramformat::Always())
    {
        if (history.stored.Has(m_base.m_version))
            m_record.SetUnits(m_base.ReadUnits(), false);
    }
    /// Skips a reserved byte.
    QZ_FIELD_INLINE void Reserved() { m_base.ReadBool(); }

    /// One field of the named encoding, with its getter and setter: read where the history says
    /// it is stored, then dropped, changed, parked or set as the history says; elsewhere the
    /// history's absent value, if any, is set. The name is for other walkers of the layout.
    ///@{
    template <class G, class S, class H = paramformat::History<>>
    QZ_FIELD_INLINE void Bool(const char*, G get, S set, const H& history = paramformat::Always())
    {
        Field(get, set, history, [this] { return m_base.ReadBool(); });
    }
    template <class G, class S, class H = paramformat::History<>>
    QZ_FIELD_INLINE void Int(const char*, G get, S set, const H& history = paramformat::Always())
    {
        Field(get, set, history, [this] { return m_base.ReadInt(); });
    }
    template <class G, class S, class H = paramformat::History<>>
    QZ_FIELD_INLINE void UInt(const char*, G get, S set, const H& history = paramformat::Always())
    {
        Field(get, set, history, [this] { return m_base.ReadUInt(); });
    }
    template <class G, class S, class H = paramformat::History<>>
    QZ_FIELD_INLINE void Real(const char*, G get, S set, const H& history = paramformat::Always())
    {
        Field(get, set, history, [this] { return m_base.ReadDouble(); });
    }
    template <class G, class S, class H = paramformat::History<>>
    QZ_FIELD_INLINE void Enum(const char*, G get, S set, const H& history = paramformat::Always())
    {
        using E = ValueOf<G>;
        Field(get, set, history, [this] { return static_cast<E>(m_base.ReadEnumFromBinFile()); });
    }
    template <class G, class S, class H = paramformat::History<>>
    QZ_FIELD_INLINE void Point(const char*, G get, S set, const H& history = paramformat::Always())
    {
        Field(get, set, history, [this] { return m_base.ReadPoint(); });
    }
    template <class G, class S, class H = paramformat::History<>>
    QZ_FIELD_INLINE void Direction(const char*, G get, S set, const H& history = paramformat::Always())
    {
        Field(get, set, history, [this] { return m_base.ReadVectorFromBinFile(); });
    }
    template <class G, class S, class H = paramformat::History<>>
    QZ_FIELD_INLINE void Record(const char*, G get, S set, const H& history = paramformat::Always())
    {
        Field(get, set, history,
              [this, get]
              {
                  ValueOf<G> sub = (m_record.*get)();
                  m_reader >> sub;
                  return sub;
              });
    }
    ///@}
    /// The machine definition, read by the post-type reader and set; stored in every version.
    template <class G, class S> QZ_FIELD_INLINE void MachDef(const char*, G, S set)
    {
        misc::qzAutoPointer<post::qzMachDef> machDef;
        m_base.m_post >> machDef;
        (m_record.*set)(machDef);
    }
    /// The four collision-control operations, each built in the record's units.
    template <class G, class S> QZ_FIELD_INLINE void Operations(const char*, G, S set)
    {
        const qzCollCtrlOpParams fresh(m_record.GetUnits());
        qzCollCtrlOpParams operation = fresh;
        for (unsigned index = 0; index < qzCollCtrlParams::GetNoOfCollCtrlOperations(); ++index)
        {
            if (index > 0)
                operation = fresh; // keeps the storage of the one before
            m_reader >> operation;
            (m_record.*set)(operation, index);
        }
    }

    /// Fields that only older versions store: read in `in` into the store member, or dropped.
    ///@{
    template <class M = std::nullptr_t>
    QZ_FIELD_INLINE void LegacyBool(paramformat::Versions in, M member = nullptr)
    {
        if (in.Has(m_base.m_version))
            Park(member, m_base.ReadBool());
    }
    template <class M = std::nullptr_t>
    QZ_FIELD_INLINE void LegacyUInt(paramformat::Versions in, M member = nullptr)
    {
        if (in.Has(m_base.m_version))
            Park(member, m_base.ReadUInt());
    }
    template <class M = std::nullptr_t>
    QZ_FIELD_INLINE void LegacyReal(paramformat::Versions in, M member = nullptr)
    {
        if (in.Has(m_base.m_version))
            Park(member, m_base.ReadDouble());
    }
    template <class M = std::nullptr_t>
    QZ_FIELD_INLINE void LegacyEnum(paramformat::Versions in, M member = nullptr)
    {
        if (!in.Has(m_base.m_version))
            return;
        const int value = m_base.ReadEnumFromBinFile();
        if constexpr (!std::is_null_pointer<M>::value)
            m_base.m_lost.*member = static_cast<std::decay_t<decltype(m_base.m_lost.*member)>>(value);
    }
    template <class M> QZ_FIELD_INLINE void LegacyPercentOrValue(paramformat::Versions in, M member)
    {
        if (!in.Has(m_base.m_version))
            return;
        qzPercentOrValueParameter value(m_record.GetUnits());
        m_reader >> value;
        Park(member, value);
    }
    ///@}

    /// The projection pattern in the layout older versions stored it in, read by hand.
    QZ_FIELD_INLINE void LegacyProjectionPattern(paramformat::Versions in)
    {
        if (in.Has(m_base.m_version))
            m_reader.ReadAndSetProjPatternTriMeshBasedParams4OlderBins(m_record);
    }

private:
    template <class G>
    using ValueOf = std::decay_t<decltype((std::declval<const R&>().*std::declval<G>())())>;

    template <class G, class S, class H, class Read>
    QZ_FIELD_INLINE void Field(G, S set, const H& history, Read read)
    {
        using T = ValueOf<G>;
        if (history.stored.Has(m_base.m_version))
            Keep<T>(set, history, read());
        else
            Absent<T>(set, history.absent);
    }

    template <class T, class S, class H> QZ_FIELD_INLINE void Keep(S set, const H& history, T value)
    {
        using Change = decltype(history.change);
        if constexpr (!std::is_same<Change, paramformat::NoRule>::value)
        {
            if (history.changedIn.Has(m_base.m_version))
            {
                if constexpr (std::is_same<Change, paramformat::DropValue>::value)
                    return;
                else if constexpr (std::is_invocable<const Change&, R&, const T&>::value)
                    value = static_cast<T>(history.change(m_record, value));
                else
                    value = static_cast<T>(history.change);
            }
        }
        using Parking = decltype(history.park);
        if constexpr (!std::is_same<Parking, paramformat::NoRule>::value)
        {
            Park(history.park.member, value);
            if constexpr (!Parking::kAlsoSet)
                return;
        }
        (m_record.*set)(value);
    }

    template <class T, class S, class A> QZ_FIELD_INLINE void Absent(S set, const A& absent)
    {
        if constexpr (std::is_same<A, paramformat::NoRule>::value)
            return;
        else if constexpr (std::is_invocable<const A&, const R&, const qzLostParamsOV20&>::value)
            (m_record.*set)(static_cast<T>(absent(m_record, m_base.m_lost)));
        else if constexpr (std::is_invocable<const A&, const R&>::value)
            (m_record.*set)(static_cast<T>(absent(m_record)));
        else
            (m_record.*set)(static_cast<T>(absent));
    }

    template <class M, class T> QZ_FIELD_INLINE void Park(M member, const T& value)
    {
        if constexpr (!std::is_null_pointer<M>::value)
            m_base.m_lost.*member = value;
    }

    Reader& m_reader;
    qzBI5axParams& m_base;
    R& m_record;
};
