#include "paramformat/qzBI5axParams1.h"

qzBI5axParams1::qzBI5axParams1(misc::qzBinInputStream& stream, unsigned int version, bool shrinkData,
                               std::vector<misc::qzBILostData>& lostData, bool isUnicode, bool is64bBin,
                               bool validate)
    : qzBI5axParams(stream, version, shrinkData, lostData, isUnicode, is64bBin, validate)
{
}

qzBI5axParams1::qzBI5axParams1(const qzBI5axParams1& other) = default;

unsigned int qzBI5axParams1::GetUpperKnownBinVersion() const
{
    return 7;
}

misc::qzBinInputStream& qzBI5axParams1::operator>>(qz5axParams& params)
{
    ResetReadState();
    ReadOldestRecord(params, true);
    return m_stream;
}
