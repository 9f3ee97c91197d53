#include "paramformat/qzParamsJson.h"

#include "brimlib/qzMachDef.h"
#include "param_layout_reference.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using param_layout::Expected;
using param_layout::Fill;
using param_layout::MatchesLayout;
using paramformat::qzParamsJson;
using paramformat::qzParamsJsonException;

namespace
{
qz5axParams Populated(int seed = 0)
{
    qz5axParams params;
    params.SetMachDef(misc::qzMakeAutoPointer<post::qz5axMachDef>(measures::qzUnitsFactory::INCH));
    Fill(params, seed);
    return params;
}

/// Every stored field, compared through the reference layout's bytes (doubles bit for bit).
::testing::AssertionResult SameFields(const qz5axParams& expected, const qz5axParams& actual)
{
    return MatchesLayout(expected, Expected(actual, false).Str(), false);
}

qzParamsJsonException Refused(const std::string& document)
{
    try
    {
        qzParamsJson::Read(document);
    }
    catch (const qzParamsJsonException& error)
    {
        return error;
    }
    ADD_FAILURE() << "accepted: " << document;
    return qzParamsJsonException("", "");
}
} // namespace

TEST(ParamsJson, RoundTripsAFullyPopulatedSetExactly)
{
    const qz5axParams original = Populated();
    const std::string json = qzParamsJson::Write(original);
    const qz5axParams back = qzParamsJson::Read(json);
    EXPECT_TRUE(SameFields(original, back));
    EXPECT_EQ(qzParamsJson::Write(back), json);
    EXPECT_TRUE(qzParamsJson::Diff(original, back).empty());

    // Values that need all 17 digits, and the ones JSON has no number for.
    qz5axParams awkward = original;
    awkward.SetFeedRate(0.1 + 0.2);
    awkward.SetStockRemain(std::numeric_limits<double>::denorm_min());
    awkward.SetCutTolerance(std::numeric_limits<double>::infinity());
    const qz5axParams awkwardBack = qzParamsJson::Read(qzParamsJson::Write(awkward, -1));
    EXPECT_EQ(awkwardBack.GetFeedRate(), 0.1 + 0.2);
    EXPECT_EQ(awkwardBack.GetStockRemain(), std::numeric_limits<double>::denorm_min());
    EXPECT_TRUE(std::isinf(awkwardBack.GetCutTolerance()));
}

TEST(ParamsJson, NamesFieldsAfterAccessorsAndEnumeratorsByName)
{
    qz5axParams params = Populated();
    params.SetFeedRate(1234.5);
    params.SetUnits(measures::qzUnitsFactory::INCH, false);
    const std::string json = qzParamsJson::Write(params, -1);
    EXPECT_NE(json.find("\"FeedRate\":1234.5"), std::string::npos);
    EXPECT_NE(json.find("\"Units\":\"INCH\""), std::string::npos);
    EXPECT_NE(json.find("\"MachDef\":{\"Kind\":\"FIVE_AXES\""), std::string::npos);
    EXPECT_NE(json.find("\"CollCtrlOperations\":[{"), std::string::npos);
}

TEST(ParamsJson, PartialDocumentKeepsDefaultsAndPatchesNestedFields)
{
    const qz5axParams defaults;
    ASSERT_FALSE(defaults.GetMachDef().IsNull());
    const qz5axParams read = qzParamsJson::Read(R"({"FeedRate": 250.5,
        "MachDef": {"MachType": "HEAD_TABLE"},
        "CollControl": {"CollCtrlOperations": [{}, {"Status": true}]}})");
    EXPECT_EQ(read.GetFeedRate(), 250.5);
    EXPECT_EQ(dynamic_cast<const post::qz5axMachDef&>(*read.GetMachDef()).GetMachType(),
              post::qz5axMachDef::HEAD_TABLE);
    EXPECT_TRUE(read.GetCollControl().GetCollCtrlOperations()[1].GetStatus());

    const auto differences = qzParamsJson::Diff(defaults, read);
    std::vector<std::string> paths;
    for (const auto& difference : differences)
        paths.push_back(difference.path);
    const std::vector<std::string> expected = {"FeedRate", "CollControl.CollCtrlOperations[1].Status",
                                               "MachDef.MachType"};
    EXPECT_EQ(paths, expected);
    ASSERT_EQ(differences.size(), 3u);
    EXPECT_EQ(differences[0].second, "250.5");
    EXPECT_EQ(differences[1].first, "false");
    EXPECT_EQ(differences[2].second, "\"HEAD_TABLE\"");

    // Another kind starts a new definition of that kind; null removes it.
    const qz5axParams four = qzParamsJson::Read(
        R"({"MachDef": {"Kind": "FOUR_AXES", "MachType": "ROTARY_HEAD", "RotAxisMaxLimit": 90}})");
    const auto& machine = dynamic_cast<const post::qz4axMachDef&>(*four.GetMachDef());
    EXPECT_EQ(machine.GetMachType(), post::qz4axMachDef::ROTARY_HEAD);
    EXPECT_EQ(machine.GetRotAxisMaxLimit(), 90.0);
    EXPECT_TRUE(qzParamsJson::Read(R"({"MachDef": null})").GetMachDef().IsNull());
}

TEST(ParamsJson, RefusesWithThePathOfTheField)
{
    struct Case
    {
        const char* document;
        qzParamsJsonException::Code code;
        const char* message;
    };
    const Case cases[] = {
        {R"({"FeedRat": 1})", qzParamsJsonException::INVALID_FIELD, "FeedRat: unknown field"},
        {R"({"FeedRate": "fast"})", qzParamsJsonException::INVALID_FIELD, "FeedRate: expected a number"},
        {R"({"CollControl": {"CollCtrlOperations": [{}, {}, {"Strategy": "NOPE"}]}})",
         qzParamsJsonException::INVALID_FIELD,
         "CollControl.CollCtrlOperations[2].Strategy: no enumerator named \"NOPE\""},
        {R"({"CollControl": {"CollCtrlOperations": [{"Strategy": 300}]}})",
         qzParamsJsonException::INVALID_FIELD,
         "CollControl.CollCtrlOperations[0].Strategy: value 300 out of range -128 to 127"},
        {R"({"CollControl": {"CollCtrlOperations": [{"Strategy": -129}]}})", qzParamsJsonException::INVALID_FIELD,
         "CollControl.CollCtrlOperations[0].Strategy: value -129 out of range -128 to 127"},
        {R"({"RapidRetractFlg": 1})", qzParamsJsonException::INVALID_FIELD, "RapidRetractFlg: expected true or false"},
        {R"({"CollControl": {"CollCtrlOperations": [{}, {}, {}, {}, {}]}})",
         qzParamsJsonException::INVALID_FIELD, "CollControl.CollCtrlOperations: at most 4 operations"},
        {R"({"Units": "FURLONG"})", qzParamsJsonException::INVALID_FIELD,
         "Units: no enumerator named \"FURLONG\""},
        {R"({"MachDef": {"Kind": "SEVEN_AXES"}})", qzParamsJsonException::INVALID_FIELD,
         "MachDef.Kind: no enumerator named \"SEVEN_AXES\""},
        {R"([1, 2])", qzParamsJsonException::INVALID_FIELD, "(document): expected an object"},
        {"{\n  \"FeedRate\": 1,\n  oops\n}", qzParamsJsonException::MALFORMED_JSON,
         "malformed JSON at line 3, column 3: "},
    };
    for (const Case& c : cases)
    {
        const qzParamsJsonException error = Refused(c.document);
        EXPECT_EQ(error.GetErrorCode(), c.code) << c.document;
        EXPECT_EQ(error.GetErrorMessage().rfind(c.message, 0), 0u) << error.GetErrorMessage();
    }
    EXPECT_EQ(Refused("{\n  \"FeedRate\": 1,\n  oops\n}").GetLine(), 3u);

    qz5axParams bare;
    bare.SetMachDef(misc::qzAutoPointer<post::qzMachDef>());
    try
    {
        qzParamsJson::Read(R"({"MachDef": {"MachType": 1}})", bare);
        ADD_FAILURE() << "a machine definition without a kind was made up";
    }
    catch (const qzParamsJsonException& error)
    {
        EXPECT_STREQ(error.what(), "MachDef.Kind: missing: the set holds no machine definition");
    }

    // A refused document leaves the set as it was.
    qz5axParams params = Populated(3);
    const qz5axParams before = params;
    EXPECT_THROW(qzParamsJson::Read(R"({"FeedRate": 7, "CutTolerance": true})", params),
                 qzParamsJsonException);
    EXPECT_TRUE(SameFields(before, params));
}
