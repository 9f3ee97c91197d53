#include "validation/qzCCWith2DegOptionsList.h"

#include "brimlib/qzException.h"

qzCCWith2DegOptionsList::qzCCWith2DegOptionsList()
    : m_options{{CHECK_TOOL_TIP, false}, {CHECK_TOOL_SHAFT, false}, {CHECK_HOLDER, false}, {KEEP_TILT_AXIS, true},
                {KEEP_ROTARY_AXIS, true}}
{
}

qzCCWith2DegOptionsList::qzCCWith2DegOptionsList(const OptionList& options)
{
    ValidateOptions(options);
    m_options = options;
}

qzCCWith2DegOptionsList::~qzCCWith2DegOptionsList() = default;

void qzCCWith2DegOptionsList::SetOptionList(const OptionList& options)
{
    ValidateOptions(options);
    m_options = options;
}

bool qzCCWith2DegOptionsList::IsOptionOn(CCWith2DegOptions option) const
{
    for (const Option& entry : m_options)
        if (entry.first == option)
            return entry.second;
    return false;
}

void qzCCWith2DegOptionsList::ValidateOptions(const OptionList& options)
{
    if (options.size() != 5)
        throw misc::qzException(0, "CCWith2DegOptionsList does not match the total number of options");
    for (int option = 1; option <= 5; ++option)
        if (!SearchOption(static_cast<CCWith2DegOptions>(option), options))
            throw misc::qzException(0, "CCWith2DegOptionsList does not have all options");
}

bool qzCCWith2DegOptionsList::SearchOption(CCWith2DegOptions option, const OptionList& options)
{
    for (const Option& entry : options)
        if (entry.first == option)
            return true;
    return false;
}
