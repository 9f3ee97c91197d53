// Helpers of the tool and 2D geometry codec tests: a byte builder for records typed by hand,
// streams over bytes, and text descriptions of elements, solids and tools that name every value,
// so that round trips compare everything the objects hold.
#pragma once

#include "brimlib/qzTypedTools.h"
#include "foundation/qzBinStreams.h"
#include "geometry/qz2dArc.h"
#include "geometry/qz2dConic.h"
#include "geometry/qz2dContour.h"
#include "geometry/qz2dCurve.h"
#include "geometry/qz2dLine.h"
#include "geometry/qz2dPolyLine.h"

#include <cstdint>
#include <cstring>
#include <sstream>
#include <string>

namespace tessaform_test
{
/// Little-endian bytes of a record, typed field by field.
class Bytes
{
public:
    Bytes& U8(unsigned v) { return Le(v, 1); }
    Bytes& I32(long long v) { return Le(static_cast<std::uint64_t>(v), 4); }
    Bytes& U32(unsigned long long v) { return Le(v, 4); }
    Bytes& Size(unsigned long long v) { return Le(v, 4); }
    Bytes& F64(double v)
    {
        std::uint64_t bits;
        std::memcpy(&bits, &v, 8);
        return Le(bits, 8);
    }
    Bytes& P2(double x, double y) { return U8(0).F64(x).F64(y); }
    Bytes& Str(const std::string& s)
    {
        Size(s.size());
        m_bytes += s;
        return *this;
    }
    Bytes& Raw(const std::string& s)
    {
        m_bytes += s;
        return *this;
    }
    const std::string& str() const { return m_bytes; }
    std::size_t size() const { return m_bytes.size(); }

private:
    Bytes& Le(std::uint64_t v, int width)
    {
        for (int i = 0; i < width; ++i)
            m_bytes.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
        return *this;
    }
    std::string m_bytes;
};

inline std::string Contents(const misc::qzMemoryIOStream& s)
{
    const char* data = static_cast<const char*>(s.GetBuffer());
    return data ? std::string(data, static_cast<std::size_t>(s.GetDataLength())) : std::string();
}

/// A memory stream holding `bytes`, positioned at the start.
inline void Load(misc::qzMemoryIOStream& stream, const std::string& bytes)
{
    stream.Write(bytes.data(), bytes.size());
    stream.Rewind(0);
}

inline std::string Num(double v)
{
    std::ostringstream out;
    out.precision(17);
    out << v;
    return out.str();
}

template <class T> std::string Describe(const cadcam::qz2dGeometry<T>& element);

template <class T> std::string DescribePoint(const misc::qzAutoPointer<cadcam::qz2dPoint<T>>& p)
{
    return p ? "(" + Num(p->x()) + " " + Num(p->y()) + ")" : "null";
}

/// Every value of a 2D element, nested contours included.
template <class T> class ElementDescriber : public cadcam::qz2dConstGeometryVisitor<T>
{
public:
    explicit ElementDescriber(std::string& out) : m_out(&out) {}
    using cadcam::qz2dConstGeometryVisitor<T>::Visit;
    void Visit(const cadcam::qz2dCurve<T>&) const override { *m_out += "curve"; }
    void Visit(const cadcam::qz2dPolyLine<T>& e) const override
    {
        *m_out += "polyline[";
        for (const auto& p : e.GetPoints())
            *m_out += DescribePoint(p);
        *m_out += "]";
    }
    void Visit(const cadcam::qz2dClosedContour<T>&) const override { *m_out += "closed contour"; }
    void Visit(const cadcam::qz2dContour<T>& e) const override
    {
        *m_out += "contour[";
        for (const auto& member : e.GetMembers())
            *m_out += Describe(*member) + ";";
        *m_out += "]";
    }
    void Visit(const cadcam::qz2dSpline<T>&) const override { *m_out += "spline"; }
    void Visit(const cadcam::qz2dEllipse<T>&) const override { *m_out += "ellipse"; }
    void Visit(const cadcam::qz2dParabola<T>& e) const override
    {
        *m_out += "parabola " + DescribePoint(e.GetVertexPoint()) + DescribePoint(e.GetFarPoint()) +
                  (e.IsReversed() ? " reversed" : "");
    }
    void Visit(const cadcam::qz2dArc<T>& e) const override
    {
        *m_out += "arc " + DescribePoint(e.GetCenter()) + " r" + Num(e.GetRadius()) + " s" +
                  Num(e.GetStartAngle()) + " w" + Num(e.GetSweepAngle());
    }
    void Visit(const cadcam::qz2dLine<T>& e) const override
    {
        *m_out += "line " + DescribePoint(e.GetStartPoint()) + DescribePoint(e.GetEndPoint());
    }
    void Visit(const cadcam::qz2dPoint<T>& e) const override
    {
        *m_out += "point (" + Num(e.x()) + " " + Num(e.y()) + ")";
    }
    void Visit(const cadcam::qz2dGeometry<T>&) const override { *m_out += "geometry"; }

private:
    std::string* m_out;
};

template <class T> std::string Describe(const cadcam::qz2dGeometry<T>& element)
{
    std::string out;
    element.AcceptVisitor(static_cast<const cadcam::qz2dGeometryVisitor<T>&>(ElementDescriber<T>(out)));
    return out;
}

/// Kind, units and every value of a solid definition.
inline std::string Describe(const cadcam::qzSolidDefinition<double>& solid)
{
    const std::string units = "u" + std::to_string(solid.GetUnits()) + " ";
    if (const auto* revolved = dynamic_cast<const cadcam::qzRevolvedSolidDefinition<double>*>(&solid))
        return units + "revolved " + (revolved->GetProfile() ? Describe(*revolved->GetProfile()) : "null");
    if (const auto* extruded = dynamic_cast<const cadcam::qzExtrudedSolidDefinition<double>*>(&solid))
    {
        std::string out = units + "extruded base{";
        for (const auto& contour : extruded->GetExtrusionBase().GetContours())
            out += Describe(*contour) + ";";
        const auto& v = extruded->GetExtrusionVector();
        return out + "} h" + Num(extruded->GetExtrusionBase().GetBaseHeight()) + " v(" + Num(v.x()) + " " +
               Num(v.y()) + " " + Num(v.z()) + ")";
    }
    if (const auto* meshed = dynamic_cast<const cadcam::qzMeshSolidDefinition<double>*>(&solid))
    {
        const auto& mesh = *meshed->GetMesh();
        std::string out = units + "mesh u" + std::to_string(mesh.GetUnits()) + " points{";
        for (const auto& p : mesh.GetPoints())
            out += "(" + Num(p.x()) + " " + Num(p.y()) + " " + Num(p.z()) + ")";
        out += "} triangles{";
        for (const auto& t : mesh.GetTriangles())
            out += std::to_string(t.vertices[0]) + "," + std::to_string(t.vertices[1]) + "," +
                   std::to_string(t.vertices[2]) + " n(" + Num(t.normal.x()) + " " + Num(t.normal.y()) + " " +
                   Num(t.normal.z()) + ");";
        return out + "}";
    }
    return units + "abstract";
}

template <class D> std::string DescribeDefinition(const misc::qzAutoPointer<D>& definition)
{
    return definition ? "{" + Describe(*definition->GetSolid()) + "}" : "null";
}

/// The class, units and every value of a tool, read through its accessors.
class ToolDescriber : public cadcam::qzToolVisitor
{
public:
    std::string text;

    void Visit(cadcam::qzBoreBar& t) override
    {
        Values("BoreBar", t, {t.GetCornerRadius(), t.GetShankDiameter(), double(t.GetCornerType())});
    }
    void Visit(cadcam::qzBullMill& t) override { Values("BullMill", t, {t.GetCornerRadius()}); }
    void Visit(cadcam::qzChamferMill& t) override
    {
        Values("ChamferMill", t,
               {t.GetCornerRadius(), double(t.GetCornerType()), t.GetAngle(), t.GetTipDiameter()});
    }
    void Visit(cadcam::qzCntrBore& t) override { Values("CntrBore", t, {}); }
    void Visit(cadcam::qzCSink& t) override
    {
        Values("CSink", t, {t.GetCornerRadius(), double(t.GetCornerType()), t.GetAngle()});
    }
    void Visit(cadcam::qzCtrDrill& t) override
    {
        Values("CtrDrill", t, {t.GetPilotDiameter(), t.GetPilotLength()});
    }
    void Visit(cadcam::qzDoveMill& t) override
    {
        Values("DoveMill", t, {t.GetAngle(), t.GetCornerRadius(), double(t.GetCornerType())});
    }
    void Visit(cadcam::qzDrill& t) override { Values("Drill", t, {t.GetPointAngle()}); }
    void Visit(cadcam::qzEndMill& t) override { Values("EndMill", t, {}); }
    void Visit(cadcam::qzFaceMill& t) override
    {
        Values("FaceMill", t,
               {t.GetAngle(), t.GetBodyDiameter(), t.GetCornerRadius(), double(t.GetCornerType())});
    }
    void Visit(cadcam::qzLolMill& t) override { Values("LolMill", t, {t.GetNeckDiameter()}); }
    void Visit(cadcam::qzRadMill& t) override { Values("RadMill", t, {t.GetCornerRadius()}); }
    void Visit(cadcam::qzReamer& t) override { Values("Reamer", t, {}); }
    void Visit(cadcam::qzSlotMill& t) override
    {
        Values("SlotMill", t, {t.GetCornerRadius(), double(t.GetCornerType())});
    }
    void Visit(cadcam::qzSpherMill& t) override { Values("SpherMill", t, {}); }
    void Visit(cadcam::qzSpotDrill& t) override { Values("SpotDrill", t, {t.GetPointAngle()}); }
    void Visit(cadcam::qzTaperMill& t) override
    {
        Values("TaperMill", t, {t.GetAngle(), t.GetCornerRadius(), double(t.GetCornerType())});
    }
    void Visit(cadcam::qzTapLH& t) override
    {
        Values("TapLH", t,
               {t.GetCornerRadius(), double(t.GetCornerType()), t.GetPitch(), double(t.GetNumberOfFlutes())});
    }
    void Visit(cadcam::qzTapRH& t) override
    {
        Values("TapRH", t,
               {t.GetCornerRadius(), double(t.GetCornerType()), t.GetPitch(), double(t.GetNumberOfFlutes())});
    }
    void Visit(cadcam::qzLatheTool& t) override
    {
        text = "Lathe u" + std::to_string(t.GetUnits()) + " part" + DescribeDefinition(t.GetToolPart()) +
               " holder" + DescribeDefinition(t.GetHolder());
    }
    void Visit(cadcam::qzBarrelMill& t) override
    {
        Values("BarrelMill", t, {t.GetBarrelRadius(), t.GetCornerRadius(), t.GetTipDiameter()});
    }
    void Visit(cadcam::qzConvexTipMill& t) override
    {
        Values("ConvexTipMill", t, {t.GetCornerRadius(), t.GetTipRadius()});
    }
    void Visit(cadcam::qzGenericRevolvedTool& t) override
    {
        text = "Generic u" + std::to_string(t.GetUnits()) + " holder" + DescribeDefinition(t.GetHolder()) +
               " arbor" + DescribeDefinition(t.GetArbor()) + " cut" + DescribeDefinition(t.GetCutPart()) +
               " noncut" + DescribeDefinition(t.GetNonCutPart());
    }
    void Visit(cadcam::qzTool&) override { text = "unknown tool"; }

private:
    void Values(const char* name, const cadcam::qzTypedRevolvedTool& t, std::initializer_list<double> own)
    {
        text = std::string(name) + " u" + std::to_string(t.GetUnits()) + " own(";
        for (double v : own)
            text += Num(v) + " ";
        const auto& s = t.GetShoulderExtender();
        text += ") d" + Num(t.GetDiameter()) + " cl" + Num(t.GetCuttingLength()) + " l" + Num(t.GetLength()) +
                " arbor" + DescribeDefinition(t.GetArbor()) + " holder" + DescribeDefinition(t.GetHolder()) +
                " shoulder u" + std::to_string(s.GetUnits()) + " d" + Num(s.GetDiameter()) + " b" +
                Num(s.GetBaseLength());
    }
};

inline std::string Describe(cadcam::qzTool& tool)
{
    ToolDescriber describer;
    tool.AcceptVirtual(describer);
    return describer.text;
}
} // namespace tessaform_test
