// The 2-degree option list accepts exactly the five options, in any order.
#include "validation/qzCCWith2DegOptionsList.h"
#include "brimlib/qzCollCtrlParams.h"
#include "foundation/test_support.h"

#include <gtest/gtest.h>

namespace
{
using List = qzCCWith2DegOptionsList;
using Options = List::OptionList;

Options Make(std::initializer_list<int> options)
{
    Options list;
    for (int option : options)
        list.emplace_back(static_cast<List::CCWith2DegOptions>(option), option % 2 == 0);
    return list;
}

TEST(OptionList, DefaultIsFiveOptionsWithTheLastTwoOn)
{
    const List list;
    const Options expected = {{List::CHECK_TOOL_TIP, false}, {List::CHECK_TOOL_SHAFT, false},
                              {List::CHECK_HOLDER, false},   {List::KEEP_TILT_AXIS, true},
                              {List::KEEP_ROTARY_AXIS, true}};
    EXPECT_EQ(list.GetOptionList(), expected);
    EXPECT_TRUE(list.IsOptionOn(List::KEEP_ROTARY_AXIS));
    EXPECT_FALSE(list.IsOptionOn(List::CHECK_HOLDER));
}

TEST(OptionList, RefusesWrongCountBeforeSearchingAndMissingOptionsAfter)
{
    List list;
    const Options before = list.GetOptionList();
    EXPECT_EQ(tessaform_test::ErrorMessage([&] { list.SetOptionList(Make({1, 2, 3, 4, 5, 5})); }),
              "CCWith2DegOptionsList does not match the total number of options");
    EXPECT_EQ(tessaform_test::ErrorMessage([&] { list.SetOptionList(Make({1, 2, 3, 4})); }),
              "CCWith2DegOptionsList does not match the total number of options");
    EXPECT_EQ(tessaform_test::ErrorMessage([&] { list.SetOptionList(Make({1, 2, 3, 4, 4})); }),
              "CCWith2DegOptionsList does not have all options");
    EXPECT_EQ(tessaform_test::ErrorMessage([&] { list.SetOptionList(Make({1, 2, 3, 4, 9})); }),
              "CCWith2DegOptionsList does not have all options");
    EXPECT_EQ(list.GetOptionList(), before) << "a refused list leaves the old one";
    EXPECT_THROW(List(Make({2, 2, 3, 4, 5})), misc::qzException);
}

TEST(OptionList, AnyOrderIsKeptAsGiven)
{
    List list(Make({5, 4, 3, 2, 1}));
    ASSERT_EQ(list.GetOptionList().size(), 5u);
    EXPECT_EQ(list.GetOptionList().front().first, List::KEEP_ROTARY_AXIS);
    EXPECT_EQ(list.GetOptionList().back().first, List::CHECK_TOOL_TIP);
    EXPECT_TRUE(list.IsOptionOn(List::KEEP_TILT_AXIS));
}

TEST(OptionList, OperationCopiesListsButKeepsItsOwn)
{
    qzCollCtrlOpParams operation;
    const List list(Make({5, 4, 3, 2, 1}));
    operation.SetCCWith2DegOptionsList(list);
    EXPECT_EQ(operation.GetCCWith2DegOptionsList().GetOptionList(), list.GetOptionList());
    operation.SetCCWith2DegOptionsList(operation.GetCCWith2DegOptionsList());
    EXPECT_EQ(operation.GetCCWith2DegOptionsList().GetOptionList(), list.GetOptionList());
}
} // namespace
