#include "paramformat/qzParamsJson.h"

#include "brimlib/qzMachDef.h"
#include "paramformat/qzEnumNames.h"
#include "paramformat/qzParamsLayout.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <type_traits>

namespace paramformat
{
namespace
{
// Keeps the fields in the order the binary format stores them.
using Json = nlohmann::ordered_json;

std::string FieldPath(const std::string& parent, const std::string& name)
{
    return parent.empty() ? name : parent + "." + name;
}

std::string IndexPath(const std::string& parent, std::size_t index)
{
    return parent + "[" + std::to_string(index) + "]";
}

[[noreturn]] void Refuse(const std::string& path, const std::string& detail)
{
    throw qzParamsJsonException(path, detail);
}
} // namespace

// The machine definitions are held by pointer and written by hand in the binary format; their
// JSON form walks these descriptions like every other record.
template <class V, class R> void DescribeMachDefBase(V& v)
{
    v.Units();
    v.Point("SpindleDir", &R::GetSpindleDir, &R::SetSpindleDir);
    v.Point("TransAxisMinLimit", &R::GetTransAxisMinLimit, &R::SetTransAxisMinLimit);
    v.Point("TransAxisMaxLimit", &R::GetTransAxisMaxLimit, &R::SetTransAxisMaxLimit);
    v.Point("TranslationX", &R::GetTranslationX, &R::SetTranslationX);
    v.Point("TranslationY", &R::GetTranslationY, &R::SetTranslationY);
    v.Point("TranslationZ", &R::GetTranslationZ, &R::SetTranslationZ);
}

template <class V> void Describe(V& v, Tag<post::qz3axMachDef>)
{
    DescribeMachDefBase<V, post::qz3axMachDef>(v);
}

template <class V> void Describe(V& v, Tag<post::qz4axMachDef>)
{
    using R = post::qz4axMachDef;
    DescribeMachDefBase<V, R>(v);
    v.Enum("MachType", &R::GetMachType, &R::SetMachType);
    v.Point("RotAxisDir", &R::GetRotAxisDir, &R::SetRotAxisDir);
    v.Point("RotAxisBasePt", &R::GetRotAxisBasePt, &R::SetRotAxisBasePt);
    v.Real("RotAxisMinLimit", &R::GetRotAxisMinLimit, &R::SetRotAxisMinLimit);
    v.Real("RotAxisMaxLimit", &R::GetRotAxisMaxLimit, &R::SetRotAxisMaxLimit);
}

template <class V> void Describe(V& v, Tag<post::qz5axMachDef>)
{
    using R = post::qz5axMachDef;
    DescribeMachDefBase<V, R>(v);
    v.Enum("MachType", &R::GetMachType, &R::SetMachType);
    v.Point("RotAxisDir0", &R::GetRotAxisDir0, &R::SetRotAxisDir0);
    v.Point("RotAxisDir1", &R::GetRotAxisDir1, &R::SetRotAxisDir1);
    v.Point("RotAxisBasePt0", &R::GetRotAxisBasePt0, &R::SetRotAxisBasePt0);
    v.Point("RotAxisBasePt1", &R::GetRotAxisBasePt1, &R::SetRotAxisBasePt1);
    v.Real("RotAxisMinLimit0", &R::GetRotAxisMinLimit0, &R::SetRotAxisMinLimit0);
    v.Real("RotAxisMinLimit1", &R::GetRotAxisMinLimit1, &R::SetRotAxisMinLimit1);
    v.Real("RotAxisMaxLimit0", &R::GetRotAxisMaxLimit0, &R::SetRotAxisMaxLimit0);
    v.Real("RotAxisMaxLimit1", &R::GetRotAxisMaxLimit1, &R::SetRotAxisMaxLimit1);
}

template <class V> void Describe(V& v, Tag<post::qz6axMachDef>)
{
    using R = post::qz6axMachDef;
    DescribeMachDefBase<V, R>(v);
    v.Enum("MachType", &R::GetMachType, &R::SetMachType);
    v.Point("RotAxisDir0", &R::GetRotAxisDir0, &R::SetRotAxisDir0);
    v.Point("RotAxisDir1", &R::GetRotAxisDir1, &R::SetRotAxisDir1);
    v.Point("RotAxisDir2", &R::GetRotAxisDir2, &R::SetRotAxisDir2);
    v.Point("RotAxisBasePt0", &R::GetRotAxisBasePt0, &R::SetRotAxisBasePt0);
    v.Point("RotAxisBasePt1", &R::GetRotAxisBasePt1, &R::SetRotAxisBasePt1);
    v.Point("RotAxisBasePt2", &R::GetRotAxisBasePt2, &R::SetRotAxisBasePt2);
    v.Real("RotAxisMinLimit0", &R::GetRotAxisMinLimit0, &R::SetRotAxisMinLimit0);
    v.Real("RotAxisMinLimit1", &R::GetRotAxisMinLimit1, &R::SetRotAxisMinLimit1);
    v.Real("RotAxisMaxLimit0", &R::GetRotAxisMaxLimit0, &R::SetRotAxisMaxLimit0);
    v.Real("RotAxisMaxLimit1", &R::GetRotAxisMaxLimit1, &R::SetRotAxisMaxLimit1);
    v.Real("ThirdAngle", &R::GetThirdAngle, &R::SetThirdAngle);
    v.Enum("FirstAxisType", &R::GetFirstAxisType, &R::SetFirstAxisType);
    v.Enum("SecondAxisType", &R::GetSecondAxisType, &R::SetSecondAxisType);
    v.Enum("ThirdAxisType", &R::GetThirdAxisType, &R::SetThirdAxisType);
}

namespace
{
using MachDefPtr = misc::qzAutoPointer<post::qzMachDef>;
using Units = measures::qzUnitsFactory::Units;

// ---- values ---------------------------------------------------------------------------------

template <class E> Json EnumToJson(E value)
{
    const int number = static_cast<int>(value);
    if constexpr (std::is_enum<E>::value)
    {
        const std::string_view name = EnumeratorName<E>(number);
        if (!name.empty())
            return std::string(name);
    }
    return number;
}

// JSON has no numbers for these; a set may still hold them.
Json RealToJson(double value)
{
    if (std::isnan(value))
        return "NaN";
    if (std::isinf(value))
        return value > 0 ? "Infinity" : "-Infinity";
    return value;
}

Json PointToJson(const qzPoint3d& point)
{
    return Json::array({RealToJson(point.x()), RealToJson(point.y()), RealToJson(point.z())});
}

double RealFromJson(const Json& json, const std::string& path)
{
    if (json.is_number())
        return json.get<double>();
    if (json.is_string())
    {
        const std::string& text = json.get_ref<const std::string&>();
        if (text == "NaN")
            return std::numeric_limits<double>::quiet_NaN();
        if (text == "Infinity")
            return std::numeric_limits<double>::infinity();
        if (text == "-Infinity")
            return -std::numeric_limits<double>::infinity();
    }
    Refuse(path, "expected a number");
}

long long IntegerFromJson(const Json& json, const std::string& path, long long lowest, long long highest)
{
    if (!json.is_number_integer())
        Refuse(path, "expected an integer");
    const bool tooLarge = json.is_number_unsigned() &&
                          json.get<unsigned long long>() > static_cast<unsigned long long>(highest);
    const long long value = tooLarge ? highest : json.get<long long>();
    if (tooLarge || value < lowest || value > highest)
        Refuse(path, "value " + json.dump() + " out of range " + std::to_string(lowest) + " to " +
                         std::to_string(highest));
    return value;
}

bool BoolFromJson(const Json& json, const std::string& path)
{
    if (!json.is_boolean())
        Refuse(path, "expected true or false");
    return json.get<bool>();
}

/// By name, or by a number the field can store (`lowest` to `highest`).
template <class E>
E EnumFromJson(const Json& json, const std::string& path, long long lowest, long long highest)
{
    if (json.is_string())
    {
        const std::string& name = json.get_ref<const std::string&>();
        int value = 0;
        if constexpr (std::is_enum<E>::value)
            if (EnumeratorValue<E>(name, value))
                return static_cast<E>(value);
        Refuse(path, "no enumerator named \"" + name + "\"");
    }
    if (!json.is_number_integer())
        Refuse(path, "expected an enumerator name or an integer");
    return static_cast<E>(IntegerFromJson(json, path, lowest, highest));
}

// An enumeration is stored as one signed byte.
constexpr long long kLowestEnum = -128;
constexpr long long kHighestEnum = 127;

Units UnitsFromJson(const Json& json, const std::string& path)
{
    const Units units =
        EnumFromJson<Units>(json, path, measures::qzUnitsFactory::NONE, measures::qzUnitsFactory::INCH);
    return units;
}

qzPoint3d PointFromJson(const Json& json, const std::string& path)
{
    if (!json.is_array() || json.size() != 3)
        Refuse(path, "expected [x, y, z]");
    return qzPoint3d(RealFromJson(json[0], IndexPath(path, 0)), RealFromJson(json[1], IndexPath(path, 1)),
                     RealFromJson(json[2], IndexPath(path, 2)));
}

const Json& ObjectFromJson(const Json& json, const std::string& path)
{
    if (!json.is_object())
        Refuse(path.empty() ? "(document)" : path, "expected an object");
    return json;
}

// ---- records --------------------------------------------------------------------------------

template <class R> Json ToJson(const R& record);
Json ToJson(const qzPercentOrValueParameter& record);
Json ToJson(const qzCCWith2DegOptionsList& record);
Json ToJson(const qzGapsAlongCut& record);
Json ToJson(const qzLinkBetweenSlices& record);
Json MachDefToJson(const MachDefPtr& held);

template <class R> void FromJson(const Json& json, const std::string& path, R& record);
void FromJson(const Json& json, const std::string& path, qzPercentOrValueParameter& record);
void FromJson(const Json& json, const std::string& path, qzCCWith2DegOptionsList& record);
void FromJson(const Json& json, const std::string& path, qzGapsAlongCut& record);
void FromJson(const Json& json, const std::string& path, qzLinkBetweenSlices& record);
void MachDefFromJson(const Json& json, const std::string& path, MachDefPtr& held);

/// Writes each field a record's description names under its name.
template <class R> class ObjectWriter
{
public:
    ObjectWriter(const R& record, Json& out) : m_record(record), m_out(out) {}

    template <class... H> void Units(const H&...) { m_out["Units"] = EnumToJson(m_record.GetUnits()); }
    void Reserved() {}
    template <class G, class S, class... H> void Bool(const char* name, G get, S, const H&...)
    {
        m_out[name] = static_cast<bool>((m_record.*get)());
    }
    template <class G, class S, class... H> void Int(const char* name, G get, S, const H&...)
    {
        m_out[name] = static_cast<long long>((m_record.*get)());
    }
    template <class G, class S, class... H> void UInt(const char* name, G get, S, const H&...)
    {
        m_out[name] = static_cast<unsigned long long>((m_record.*get)());
    }
    template <class G, class S, class... H> void Real(const char* name, G get, S, const H&...)
    {
        m_out[name] = RealToJson((m_record.*get)());
    }
    template <class G, class S, class... H> void Enum(const char* name, G get, S, const H&...)
    {
        m_out[name] = EnumToJson((m_record.*get)());
    }
    template <class G, class S, class... H> void Point(const char* name, G get, S, const H&...)
    {
        m_out[name] = PointToJson((m_record.*get)());
    }
    template <class G, class S, class... H> void Direction(const char* name, G get, S, const H&...)
    {
        m_out[name] = PointToJson((m_record.*get)());
    }
    template <class G, class S, class... H> void Record(const char* name, G get, S, const H&...)
    {
        m_out[name] = ToJson((m_record.*get)());
    }
    template <class G, class S> void MachDef(const char* name, G get, S)
    {
        m_out[name] = MachDefToJson((m_record.*get)());
    }
    template <class G, class S> void Operations(const char* name, G get, S)
    {
        Json operations = Json::array();
        for (const auto& operation : (m_record.*get)())
            operations.push_back(ToJson(operation));
        m_out[name] = std::move(operations);
    }
    template <class... A> void LegacyBool(const A&...) {}
    template <class... A> void LegacyUInt(const A&...) {}
    template <class... A> void LegacyReal(const A&...) {}
    template <class... A> void LegacyEnum(const A&...) {}
    template <class... A> void LegacyPercentOrValue(const A&...) {}
    template <class... A> void LegacyProjectionPattern(const A&...) {}

private:
    const R& m_record;
    Json& m_out;
};

/// Sets each field of a record's description that the object names; Finish refuses the names
/// no field took.
template <class R> class ObjectReader
{
public:
    ObjectReader(const Json& in, const std::string& path, R& record)
        : m_in(ObjectFromJson(in, path)), m_path(path), m_record(record)
    {
    }

    template <class... H> void Units(const H&...)
    {
        if (const Json* json = Take("Units"))
            m_record.SetUnits(UnitsFromJson(*json, PathOf("Units")), false);
    }
    void Reserved() {}
    template <class G, class S, class... H> void Bool(const char* name, G, S set, const H&...)
    {
        if (const Json* json = Take(name))
            (m_record.*set)(BoolFromJson(*json, PathOf(name)));
    }
    template <class G, class S, class... H> void Int(const char* name, G, S set, const H&...)
    {
        if (const Json* json = Take(name))
            (m_record.*set)(static_cast<ValueOf<G>>(
                IntegerFromJson(*json, PathOf(name), std::numeric_limits<std::int32_t>::min(),
                                std::numeric_limits<std::int32_t>::max())));
    }
    template <class G, class S, class... H> void UInt(const char* name, G, S set, const H&...)
    {
        if (const Json* json = Take(name))
            (m_record.*set)(static_cast<ValueOf<G>>(
                IntegerFromJson(*json, PathOf(name), 0, std::numeric_limits<std::uint32_t>::max())));
    }
    template <class G, class S, class... H> void Real(const char* name, G, S set, const H&...)
    {
        if (const Json* json = Take(name))
            (m_record.*set)(RealFromJson(*json, PathOf(name)));
    }
    template <class G, class S, class... H> void Enum(const char* name, G, S set, const H&...)
    {
        if (const Json* json = Take(name))
            (m_record.*set)(EnumFromJson<ValueOf<G>>(*json, PathOf(name), kLowestEnum, kHighestEnum));
    }
    template <class G, class S, class... H> void Point(const char* name, G, S set, const H&...)
    {
        if (const Json* json = Take(name))
            (m_record.*set)(PointFromJson(*json, PathOf(name)));
    }
    template <class G, class S, class... H> void Direction(const char* name, G, S set, const H&...)
    {
        if (const Json* json = Take(name))
            (m_record.*set)(PointFromJson(*json, PathOf(name)));
    }
    template <class G, class S, class... H> void Record(const char* name, G get, S set, const H&...)
    {
        if (const Json* json = Take(name))
        {
            ValueOf<G> sub = (m_record.*get)();
            FromJson(*json, PathOf(name), sub);
            (m_record.*set)(sub);
        }
    }
    template <class G, class S> void MachDef(const char* name, G get, S set)
    {
        if (const Json* json = Take(name))
        {
            MachDefPtr held = (m_record.*get)();
            MachDefFromJson(*json, PathOf(name), held);
            (m_record.*set)(held);
        }
    }
    template <class G, class S> void Operations(const char* name, G get, S set)
    {
        const Json* json = Take(name);
        if (!json)
            return;
        const std::string path = PathOf(name);
        const auto& operations = (m_record.*get)();
        if (!json->is_array())
            Refuse(path, "expected an array");
        if (json->size() > operations.size())
            Refuse(path, "at most " + std::to_string(operations.size()) + " operations");
        for (std::size_t index = 0; index < json->size(); ++index)
        {
            auto operation = operations[index];
            FromJson((*json)[index], IndexPath(path, index), operation);
            (m_record.*set)(operation, static_cast<unsigned>(index));
        }
    }
    template <class... A> void LegacyBool(const A&...) {}
    template <class... A> void LegacyUInt(const A&...) {}
    template <class... A> void LegacyReal(const A&...) {}
    template <class... A> void LegacyEnum(const A&...) {}
    template <class... A> void LegacyPercentOrValue(const A&...) {}
    template <class... A> void LegacyProjectionPattern(const A&...) {}

    void Finish() const
    {
        for (const auto& field : m_in.items())
            if (std::find(m_taken.begin(), m_taken.end(), field.key()) == m_taken.end())
                Refuse(PathOf(field.key()), "unknown field");
    }

private:
    template <class G>
    using ValueOf = std::decay_t<decltype((std::declval<const R&>().*std::declval<G>())())>;

    const Json* Take(const std::string& name)
    {
        m_taken.push_back(name);
        const auto found = m_in.find(name);
        return found == m_in.end() ? nullptr : &*found;
    }
    std::string PathOf(const std::string& name) const { return FieldPath(m_path, name); }

    const Json& m_in;
    const std::string& m_path;
    R& m_record;
    std::vector<std::string> m_taken;
};

template <class R> Json ToJson(const R& record)
{
    Json out = Json::object();
    ObjectWriter<R> writer(record, out);
    Describe(writer, Tag<R>());
    return out;
}

template <class R> void FromJson(const Json& json, const std::string& path, R& record)
{
    ObjectReader<R> reader(json, path, record);
    Describe(reader, Tag<R>());
    reader.Finish();
}

// These two add nothing stored to the handler they derive from.
Json ToJson(const qzGapsAlongCut& record)
{
    return ToJson<qzInterlinkHandeler>(record);
}
Json ToJson(const qzLinkBetweenSlices& record)
{
    return ToJson<qzInterlinkHandeler>(record);
}
void FromJson(const Json& json, const std::string& path, qzGapsAlongCut& record)
{
    FromJson<qzInterlinkHandeler>(json, path, record);
}
void FromJson(const Json& json, const std::string& path, qzLinkBetweenSlices& record)
{
    FromJson<qzInterlinkHandeler>(json, path, record);
}

// Only the number the parameter stands for, as the binary format stores it: the other one is not
// part of the set and does not survive a store and read.
Json ToJson(const qzPercentOrValueParameter& record)
{
    Json out = Json::object();
    out["Units"] = EnumToJson(record.GetUnits());
    out["IsPercent"] = record.IsPercent();
    if (record.IsPercent())
        out["Percent"] = RealToJson(record.GetPercent());
    else
        out["Value"] = RealToJson(record.GetValue());
    return out;
}

void FromJson(const Json& json, const std::string& path, qzPercentOrValueParameter& record)
{
    ObjectFromJson(json, path);
    bool isPercent = record.IsPercent();
    double percent = record.GetPercent(), value = record.GetValue();
    Units units = record.GetUnits();
    for (const auto& field : json.items())
    {
        const std::string& key = field.key();
        const std::string where = FieldPath(path, key);
        if (key == "Units")
            units = UnitsFromJson(field.value(), where);
        else if (key == "IsPercent")
            isPercent = BoolFromJson(field.value(), where);
        else if (key == "Percent")
            percent = RealFromJson(field.value(), where);
        else if (key == "Value")
            value = RealFromJson(field.value(), where);
        else
            Refuse(where, "unknown field");
    }
    record.SetUnits(units, false);
    // Each setter also chooses the kind: the one that must win goes last.
    if (isPercent)
    {
        record.SetValue(value);
        record.SetPercent(percent);
    }
    else
    {
        record.SetPercent(percent);
        record.SetValue(value);
    }
}

Json ToJson(const qzCCWith2DegOptionsList& record)
{
    Json out = Json::array();
    for (const auto& option : record.GetOptionList())
        out.push_back(Json::array({EnumToJson(option.first), option.second}));
    return out;
}

void FromJson(const Json& json, const std::string& path, qzCCWith2DegOptionsList& record)
{
    if (!json.is_array())
        Refuse(path, "expected an array of [option, on] pairs");
    qzCCWith2DegOptionsList::OptionList options;
    for (std::size_t index = 0; index < json.size(); ++index)
    {
        const Json& pair = json[index];
        const std::string where = IndexPath(path, index);
        if (!pair.is_array() || pair.size() != 2)
            Refuse(where, "expected [option, on]");
        options.emplace_back(EnumFromJson<qzCCWith2DegOptionsList::CCWith2DegOptions>(
                                 pair[0], IndexPath(where, 0), kLowestEnum, kHighestEnum),
                             BoolFromJson(pair[1], IndexPath(where, 1)));
    }
    try
    {
        record.SetOptionList(options);
    }
    catch (const misc::qzException& error)
    {
        Refuse(path, error.GetErrorMessage());
    }
}

template <class F> void WithMachDefVariant(post::qzMachDef& machDef, F&& f)
{
    switch (machDef.GetNumberOfAxes())
    {
    case post::qzMachDef::THREE_AXES:
        return f(static_cast<post::qz3axMachDef&>(machDef));
    case post::qzMachDef::FOUR_AXES:
        return f(static_cast<post::qz4axMachDef&>(machDef));
    case post::qzMachDef::FIVE_AXES:
        return f(static_cast<post::qz5axMachDef&>(machDef));
    case post::qzMachDef::SIX_AXES:
        return f(static_cast<post::qz6axMachDef&>(machDef));
    }
}

Json MachDefToJson(const MachDefPtr& held)
{
    if (held.IsNull())
        return nullptr;
    Json out = Json::object();
    out["Kind"] = EnumToJson(held->GetNumberOfAxes());
    WithMachDefVariant(const_cast<post::qzMachDef&>(*held),
                       [&](const auto& variant) { out.update(ToJson(variant)); });
    return out;
}

MachDefPtr NewMachDef(post::qzMachDef::NumbersOfAxes kind, Units units)
{
    switch (kind)
    {
    case post::qzMachDef::THREE_AXES:
        return misc::qzMakeAutoPointer<post::qz3axMachDef>(units);
    case post::qzMachDef::FOUR_AXES:
        return misc::qzMakeAutoPointer<post::qz4axMachDef>(units);
    case post::qzMachDef::FIVE_AXES:
        return misc::qzMakeAutoPointer<post::qz5axMachDef>(units);
    case post::qzMachDef::SIX_AXES:
        break;
    }
    return misc::qzMakeAutoPointer<post::qz6axMachDef>(units);
}

/// A kind other than the held one starts a new definition of that kind; without a kind the
/// held definition is changed.
void MachDefFromJson(const Json& json, const std::string& path, MachDefPtr& held)
{
    if (json.is_null())
    {
        held = MachDefPtr();
        return;
    }
    ObjectFromJson(json, path);
    Json fields = json;
    MachDefPtr machDef;
    const auto kind = fields.find("Kind");
    if (kind != fields.end())
    {
        const auto axes = EnumFromJson<post::qzMachDef::NumbersOfAxes>(
            *kind, FieldPath(path, "Kind"), post::qzMachDef::THREE_AXES, post::qzMachDef::SIX_AXES);
        fields.erase(kind);
        if (!held.IsNull() && held->GetNumberOfAxes() == axes)
            WithMachDefVariant(
                *held, [&](const auto& variant)
                { machDef = misc::qzMakeAutoPointer<std::decay_t<decltype(variant)>>(variant); });
        else
            machDef = NewMachDef(axes, held.IsNull() ? measures::qzUnitsFactory::METRIC : held->GetUnits());
    }
    else if (held.IsNull())
        Refuse(FieldPath(path, "Kind"), "missing: the set holds no machine definition");
    else
        WithMachDefVariant(*held, [&](const auto& variant)
                           { machDef = misc::qzMakeAutoPointer<std::decay_t<decltype(variant)>>(variant); });
    WithMachDefVariant(*machDef, [&](auto& variant) { FromJson(fields, path, variant); });
    held = machDef;
}

// ---- comparison -----------------------------------------------------------------------------

// An array of plain values (a point) differs as a whole; arrays of records differ per entry.
bool HoldsOnlyValues(const Json& array)
{
    return std::none_of(array.begin(), array.end(), [](const Json& item) { return item.is_structured(); });
}

void Compare(const Json& first, const Json& second, const std::string& path,
             std::vector<qzParamsJson::Difference>& out)
{
    if (first == second)
        return;
    if (first.is_object() && second.is_object())
    {
        for (const auto& field : first.items())
        {
            const auto other = second.find(field.key());
            if (other == second.end())
                out.push_back({FieldPath(path, field.key()), field.value().dump(), "(none)"});
            else
                Compare(field.value(), *other, FieldPath(path, field.key()), out);
        }
        for (const auto& field : second.items())
            if (!first.contains(field.key()))
                out.push_back({FieldPath(path, field.key()), "(none)", field.value().dump()});
        return;
    }
    if (first.is_array() && second.is_array() && !(HoldsOnlyValues(first) && HoldsOnlyValues(second)))
    {
        const std::size_t count = std::max(first.size(), second.size());
        for (std::size_t index = 0; index < count; ++index)
        {
            if (index >= first.size())
                out.push_back({IndexPath(path, index), "(none)", second[index].dump()});
            else if (index >= second.size())
                out.push_back({IndexPath(path, index), first[index].dump(), "(none)"});
            else
                Compare(first[index], second[index], IndexPath(path, index), out);
        }
        return;
    }
    out.push_back({path, first.dump(), second.dump()});
}

std::string LineDetail(const std::string& what)
{
    // nlohmann's text: "[json.exception.parse_error.101] parse error at line 1, column 2: detail"
    const std::size_t colon = what.find(": ");
    return colon == std::string::npos ? what : what.substr(colon + 2);
}
} // namespace

qzParamsJsonException::qzParamsJsonException(const std::string& path, const std::string& detail)
    : misc::qzParserException(INVALID_FIELD,
                              (path.empty() ? std::string("(document)") : path) + ": " + detail),
      m_path(path)
{
}

qzParamsJsonException::qzParamsJsonException(unsigned line, unsigned column, const std::string& detail)
    : misc::qzParserException(MALFORMED_JSON, "malformed JSON at line " + std::to_string(line) + ", column " +
                                                  std::to_string(column) + ": " + detail),
      m_line(line), m_column(column)
{
}

qzParamsJsonException::~qzParamsJsonException() = default;

void qzParamsJsonException::Throw() const
{
    throw *this;
}

misc::qzAutoPointer<misc::qzException> qzParamsJsonException::GetCopy() const
{
    return misc::qzAutoPointer<misc::qzException>(new qzParamsJsonException(*this));
}

std::string qzParamsJson::Write(const qz5axParams& params, int indent)
{
    return ToJson(params).dump(indent);
}

void qzParamsJson::Read(const std::string& document, qz5axParams& params)
{
    Json json;
    try
    {
        json = Json::parse(document);
    }
    catch (const Json::parse_error& error)
    {
        // The byte offset counts from 1; lines and columns are counted here, where the text is.
        const std::size_t end = std::min<std::size_t>(error.byte == 0 ? 0 : error.byte - 1, document.size());
        unsigned line = 1, column = 1;
        for (std::size_t at = 0; at < end; ++at)
            if (document[at] == '\n')
                ++line, column = 1;
            else
                ++column;
        throw qzParamsJsonException(line, column, LineDetail(error.what()));
    }
    qz5axParams result = params;
    FromJson(json, std::string(), result);
    params = result;
}

qz5axParams qzParamsJson::Read(const std::string& document)
{
    qz5axParams params;
    Read(document, params);
    return params;
}

std::vector<qzParamsJson::Difference> qzParamsJson::Diff(const qz5axParams& first, const qz5axParams& second)
{
    std::vector<Difference> out;
    Compare(ToJson(first), ToJson(second), std::string(), out);
    return out;
}
} // namespace paramformat
