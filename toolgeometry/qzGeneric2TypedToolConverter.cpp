#include "toolgeometry/qzGeneric2TypedToolConverter.h"

#include "toolgeometry/qzToolFactory.h"

namespace cadcam
{
qzGeneric2TypedToolConverter<double>::qzGeneric2TypedToolConverter() = default;
qzGeneric2TypedToolConverter<double>::qzGeneric2TypedToolConverter(const qzGeneric2TypedToolConverter&) =
    default;
qzGeneric2TypedToolConverter<double>&
qzGeneric2TypedToolConverter<double>::operator=(const qzGeneric2TypedToolConverter&) = default;
qzGeneric2TypedToolConverter<double>::~qzGeneric2TypedToolConverter() = default;

misc::qzAutoPointer<qzTypedRevolvedTool>
qzGeneric2TypedToolConverter<double>::Convert(misc::qzAutoPointer<qzGenericRevolvedTool> tool)
{
    const misc::qzAutoPointer<qz2dContour<double>> profile = GetCutPartProfile(tool);
    misc::qzAutoPointer<qzToolFactoryCreator<double>> collector(new qzToolFactoryCreator<double>());
    qz2dContourToolVisitor<double> visitor(collector);
    for (const auto& member : *profile)
        member->AcceptVisitor(visitor);

    const qzToolCreator<double>& creator =
        qzToolFactory<double>::GetInstance().GetCreator(collector->GetKinds());
    misc::qzAutoPointer<qzTypedRevolvedTool> result;
    creator.Create(result, tool, collector->GetKinds());
    return result;
}

misc::qzAutoPointer<qz2dContour<double>>
qzGeneric2TypedToolConverter<double>::GetCutPartProfile(misc::qzAutoPointer<qzGenericRevolvedTool> tool) const
{
    return misc::qzAutoPointer<qz2dContour<double>>(
        new qz2dContour<double>(qzToolCreator<double>::GetPartProfile(tool->GetCutPart())));
}

misc::qzAutoPointer<qz2dContour<double>> qzGeneric2TypedToolConverter<double>::GetNoneCutPartProfile(
    misc::qzAutoPointer<qzGenericRevolvedTool> tool) const
{
    return misc::qzAutoPointer<qz2dContour<double>>(
        new qz2dContour<double>(qzToolCreator<double>::GetPartProfile(tool->GetNonCutPart())));
}

misc::qzAutoPointer<qz2dContour<double>>
qzGeneric2TypedToolConverter<double>::GetToolProfile(misc::qzAutoPointer<qzGenericRevolvedTool> tool) const
{
    misc::qzAutoPointer<qz2dContour<double>> whole = GetCutPartProfile(tool);
    for (const auto& member : *GetNoneCutPartProfile(tool))
        whole->AddGeometry(member);
    return whole;
}
} // namespace cadcam
