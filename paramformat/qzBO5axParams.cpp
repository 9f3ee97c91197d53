#include "paramformat/qzBO5axParams.h"

#include "brimlib/qz5axParamsValidator.h"
#include "paramformat/qzParamsLayout.h"

#include <stdexcept>

/// Writes each field a record's description names, with the encoding it names. Histories and
/// the fields of older layouts are the readers' business: the newest layout has every field.
template <class R> class qzBO5axParams::FieldWriter
{
public:
    FieldWriter(qzBO5axParams& writer, const R& record) : m_writer(writer), m_record(record) {}

    template <class... H> void Units(const H&...) { m_writer.m_cadcam << m_record.GetUnits(); }
    void Reserved() { m_writer.m_basic << false; }
    template <class G, class S, class... H> void Bool(const char*, G get, S, const H&...)
    {
        m_writer.m_basic << static_cast<bool>((m_record.*get)());
    }
    template <class G, class S, class... H> void Int(const char*, G get, S, const H&...)
    {
        m_writer.m_basic << static_cast<int>((m_record.*get)());
    }
    template <class G, class S, class... H> void UInt(const char*, G get, S, const H&...)
    {
        m_writer.m_basic << static_cast<unsigned int>((m_record.*get)());
    }
    template <class G, class S, class... H> void Real(const char*, G get, S, const H&...)
    {
        m_writer.m_basic << static_cast<double>((m_record.*get)());
    }
    template <class G, class S, class... H> void Enum(const char*, G get, S, const H&...)
    {
        m_writer.WriteEnum(static_cast<int>((m_record.*get)()));
    }
    template <class G, class S, class... H> void Point(const char*, G get, S, const H&...)
    {
        m_writer.m_cadcam << (m_record.*get)();
    }
    template <class G, class S, class... H> void Direction(const char*, G get, S, const H&...)
    {
        m_writer.m_cadcam << (m_record.*get)();
    }
    template <class G, class S, class... H> void Record(const char*, G get, S, const H&...)
    {
        m_writer << (m_record.*get)();
    }
    template <class G, class S> void MachDef(const char*, G get, S) { m_writer << *(m_record.*get)(); }
    /// Four operations whatever the record holds: a short record fails after the ones it has.
    template <class G, class S> void Operations(const char*, G get, S)
    {
        const auto& operations = (m_record.*get)();
        for (unsigned index = 0; index < qzCollCtrlParams::GetNoOfCollCtrlOperations(); ++index)
        {
            if (index >= operations.size())
                throw std::out_of_range("invalid vector<T> subscript");
            m_writer << operations[index];
        }
    }
    template <class... A> void LegacyBool(const A&...) {}
    template <class... A> void LegacyUInt(const A&...) {}
    template <class... A> void LegacyReal(const A&...) {}
    template <class... A> void LegacyEnum(const A&...) {}
    template <class... A> void LegacyPercentOrValue(const A&...) {}
    template <class... A> void LegacyProjectionPattern(const A&...) {}

private:
    qzBO5axParams& m_writer;
    const R& m_record;
};

template <class R> misc::qzBinOutputStream& qzBO5axParams::WriteRecord(const R& record)
{
    FieldWriter<R> writer(*this, record);
    paramformat::Describe(writer, paramformat::Tag<R>());
    return m_stream;
}

qzBO5axParams::qzBO5axParams(misc::qzBinOutputStream& stream, bool shrinkData, bool validate)
    : m_stream(stream), m_cadcam(stream, shrinkData), m_post(stream, shrinkData), m_basic(stream, shrinkData),
      m_validate(validate)
{
}

qzBO5axParams::qzBO5axParams(const qzBO5axParams& other)
    : qzBO5axParams(other.m_stream, other.m_basic.GetShrinkData(), other.m_validate)
{
}

misc::qzBinOutputStream& qzBO5axParams::WriteEnum(int value)
{
    return m_basic << static_cast<unsigned char>(value & 0xFF);
}

misc::qzBinOutputStream& qzBO5axParams::operator<<(const qz5axParams& params)
{
    if (m_validate)
        qz5axParamsValidator::Validate(params, true); // findings are not the writer's to act on
    return WriteRecord(params);
}

misc::qzBinOutputStream& qzBO5axParams::operator<<(const qzPercentOrValueParameter& record)
{
    m_cadcam << record.GetUnits();
    m_basic << record.IsPercent();
    return m_basic << (record.IsPercent() ? record.GetPercent() : record.GetValue());
}

misc::qzBinOutputStream& qzBO5axParams::operator<<(const qzCCWith2DegOptionsList& record)
{
    const auto& options = record.GetOptionList();
    m_basic << misc::qzStreamableSize_t(options.size());
    for (const auto& option : options)
        *this << option;
    return m_stream;
}

misc::qzBinOutputStream&
qzBO5axParams::operator<<(const std::pair<qzCCWith2DegOptionsList::CCWith2DegOptions, bool>& option)
{
    WriteEnum(option.first);
    return m_basic << option.second;
}

misc::qzBinOutputStream& qzBO5axParams::operator<<(const post::qzMachDef& record)
{
    return m_post << record;
}

// Records written field by field from their descriptions.
#define QZ_WRITE_DESCRIBED(Record)                                                                           \
    misc::qzBinOutputStream& qzBO5axParams::operator<<(const Record& record)                                 \
    {                                                                                                        \
        return WriteRecord(record);                                                                          \
    }

QZ_WRITE_DESCRIBED(qzLeadParams)
QZ_WRITE_DESCRIBED(qzLeadController)
QZ_WRITE_DESCRIBED(qzLeadInOutController)
QZ_WRITE_DESCRIBED(qzFirstEntry)
QZ_WRITE_DESCRIBED(qzLastExit)
QZ_WRITE_DESCRIBED(qzMoveHandling)
QZ_WRITE_DESCRIBED(qzInterlinkHandeler)
QZ_WRITE_DESCRIBED(qzLinkBetweenPasses)
QZ_WRITE_DESCRIBED(qzLinkParams)
QZ_WRITE_DESCRIBED(qzCollCtrlParams)
QZ_WRITE_DESCRIBED(qzCollCtrlOpParams)
QZ_WRITE_DESCRIBED(qzCollCtrlOpStockParams)
QZ_WRITE_DESCRIBED(qzRoughingParams)
QZ_WRITE_DESCRIBED(qzMultiCutsRoughParams)
QZ_WRITE_DESCRIBED(qzPlungeRoughParams)
QZ_WRITE_DESCRIBED(qzMorphPocketRoughParams)
QZ_WRITE_DESCRIBED(qzDepthCutsRoughParams)
QZ_WRITE_DESCRIBED(qzBlendRoughParams)
QZ_WRITE_DESCRIBED(qzTrochoidalRoughParams)
QZ_WRITE_DESCRIBED(qzAreaRoughParams)
QZ_WRITE_DESCRIBED(qzTPRotationRoughParams)
QZ_WRITE_DESCRIBED(qzSortTpRoughParams)
QZ_WRITE_DESCRIBED(qzTpCalcMethodsParams)
QZ_WRITE_DESCRIBED(qzTriangleMeshBasedTpCalcParams)
QZ_WRITE_DESCRIBED(qzProjectionPatternTriMeshBasedParams)
QZ_WRITE_DESCRIBED(qzDrillingBasedTpCalcParams)
QZ_WRITE_DESCRIBED(qzWireframeBasedTpCalcParams)
QZ_WRITE_DESCRIBED(qzImpellerParams)
QZ_WRITE_DESCRIBED(qzImpellerCutParams)
QZ_WRITE_DESCRIBED(qzImpellerMachLayerDefParams)
QZ_WRITE_DESCRIBED(qzImpellerOffsetAndClearanceParams)
QZ_WRITE_DESCRIBED(qzImpellerSmoothParams)
QZ_WRITE_DESCRIBED(qzImpellerSplittersImpellerParams)
QZ_WRITE_DESCRIBED(qzImpellerTiltParams)
QZ_WRITE_DESCRIBED(qzImpellerTrimAndExtendParams)
QZ_WRITE_DESCRIBED(qzShallowAndSteepAreaParams)
QZ_WRITE_DESCRIBED(qz2dContainmentParams)
QZ_WRITE_DESCRIBED(qzSurfEdgeHandlingParams)
QZ_WRITE_DESCRIBED(qzTiltRelativeToCutDirParams)
QZ_WRITE_DESCRIBED(qzTiltRelToImpellerMachLayerParams)

#undef QZ_WRITE_DESCRIBED

misc::qzBinOutputStream& qzBO5axParams::operator<<(const qzGapsAlongCut& record)
{
    return WriteRecord<qzInterlinkHandeler>(record);
}

misc::qzBinOutputStream& qzBO5axParams::operator<<(const qzLinkBetweenSlices& record)
{
    return WriteRecord<qzInterlinkHandeler>(record);
}
