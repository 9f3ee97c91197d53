// The 2-degree collision-check options of a collision-control operation.
#pragma once

#include "tessaform_export.h"

#include <utility>
#include <vector>

/// Exactly one on/off flag for each of the five 2-degree options, in the order given.
///
/// A list given from outside (constructor, SetOptionList) must have five entries
/// ("CCWith2DegOptionsList does not match the total number of options") holding each option 1
/// to 5 ("CCWith2DegOptionsList does not have all options"); a refused list leaves the object
/// as it was.
class TESSAFORM_API qzCCWith2DegOptionsList
{
public:
    /// The five options, numbered 1 to 5.
    enum CCWith2DegOptions : int
    {
        CHECK_TOOL_TIP = 1,
        CHECK_TOOL_SHAFT = 2,
        CHECK_HOLDER = 3,
        KEEP_TILT_AXIS = 4,
        KEEP_ROTARY_AXIS = 5
    };
    /// An option and its flag.
    using Option = std::pair<CCWith2DegOptions, bool>;
    /// Options with their flags, in the order given.
    using OptionList = std::vector<Option>;

    /// Options 1, 2, 3 off; 4 and 5 on.
    qzCCWith2DegOptionsList();
    /// Takes `options`; misc::qzException 0 with the messages above for a refused list.
    explicit qzCCWith2DegOptionsList(const OptionList& options);
    /// Copies the list.
    ///@{
    qzCCWith2DegOptionsList(const qzCCWith2DegOptionsList&) = default;
    qzCCWith2DegOptionsList& operator=(const qzCCWith2DegOptionsList&) = default;
    ///@}
    ~qzCCWith2DegOptionsList();

    /// The options with their flags, in the order given.
    const OptionList& GetOptionList() const { return m_options; }
    /// Replaces the list; a refused one (misc::qzException 0, messages above) changes nothing.
    void SetOptionList(const OptionList& options);
    /// The flag of an option (false for a value outside 1 to 5).
    bool IsOptionOn(CCWith2DegOptions option) const;

    /// Refuses a list that is not exactly the five options, with the messages above.
    static void ValidateOptions(const OptionList& options);

    /// Equal when the lists are, order included.
    bool operator==(const qzCCWith2DegOptionsList& other) const { return m_options == other.m_options; }

private:
    static bool SearchOption(CCWith2DegOptions option, const OptionList& options);

    OptionList m_options;
};
