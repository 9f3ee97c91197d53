#include "paramformat/qzBOPostTypes.h"

#include "brimlib/qzException.h"

namespace post
{
namespace
{
template <class Variant> const Variant& VariantOf(const qzMachDef& machDef)
{
    const auto* variant = dynamic_cast<const Variant*>(&machDef);
    if (!variant)
        throw misc::qzException(0, "Machine definition does not match its number of axes");
    return *variant;
}
} // namespace

qzBOPostTypes::qzBOPostTypes(misc::qzBinOutputStream& stream, bool shrinkData)
    : m_stream(stream), m_cadcam(stream, shrinkData)
{
}

misc::qzBinOutputStream& qzBOPostTypes::operator<<(const qzMachDef& machDef)
{
    cadcam::qzBOCadcamTypes& out = m_cadcam;
    const qzMachDef::NumbersOfAxes axes = machDef.GetNumberOfAxes();
    out << machDef.GetUnits();
    out << static_cast<int>(axes);
    switch (axes)
    {
    case qzMachDef::THREE_AXES:
        out << machDef.GetSpindleDir();
        break;
    case qzMachDef::FOUR_AXES:
    {
        const auto& m = VariantOf<qz4axMachDef>(machDef);
        out << static_cast<int>(m.GetMachType());
        out << m.GetSpindleDir();
        out << m.GetRotAxisDir();
        out << m.GetRotAxisBasePt();
        out << m.GetRotAxisMinLimit();
        out << m.GetRotAxisMaxLimit();
        break;
    }
    case qzMachDef::FIVE_AXES:
    {
        const auto& m = VariantOf<qz5axMachDef>(machDef);
        out << static_cast<int>(m.GetMachType());
        out << m.GetSpindleDir();
        out << m.GetRotAxisDir0();
        out << m.GetRotAxisDir1();
        out << m.GetRotAxisBasePt0();
        out << m.GetRotAxisBasePt1();
        out << m.GetRotAxisMinLimit0();
        out << m.GetRotAxisMinLimit1();
        out << m.GetRotAxisMaxLimit0();
        out << m.GetRotAxisMaxLimit1();
        break;
    }
    default:
    {
        const auto& m = VariantOf<qz6axMachDef>(machDef);
        out << static_cast<int>(m.GetMachType());
        out << m.GetSpindleDir();
        out << m.GetRotAxisDir0();
        out << m.GetRotAxisDir1();
        out << m.GetRotAxisDir2();
        out << m.GetRotAxisBasePt0();
        out << m.GetRotAxisBasePt1();
        out << m.GetRotAxisBasePt2();
        out << m.GetRotAxisMinLimit0();
        out << m.GetRotAxisMinLimit1();
        out << m.GetRotAxisMaxLimit0();
        out << m.GetRotAxisMaxLimit1();
        out << m.GetThirdAngle();
        out << static_cast<int>(m.GetFirstAxisType());
        out << static_cast<int>(m.GetSecondAxisType());
        out << static_cast<int>(m.GetThirdAxisType());
        break;
    }
    }
    out << machDef.GetTransAxisMinLimit();
    out << machDef.GetTransAxisMaxLimit();
    out << machDef.GetTranslationX();
    out << machDef.GetTranslationY();
    out << machDef.GetTranslationZ();
    return m_stream;
}
} // namespace post
