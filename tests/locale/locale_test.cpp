// The locale facade: message sources, resource switching, language names and message boxes.
#include "brimlib/qzException.h"
#include "brimlib/qzResource.h"
#include "locale/qzLocale.h"
#include "platform/qzPlatform.h"
#include "../foundation/test_support.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>

namespace
{
using interact::qzLocale;
using interact::qzLocaleDefault;
using tessaform_test::ScopedTempDir;
using tessaform_test::WriteFile;

#if !defined(_WIN32)
// Sets environment variables for one scope and restores them afterwards.
class ScopedEnvironment
{
public:
    void Set(const char* name, const char* value)
    {
        const char* old = std::getenv(name);
        m_saved.push_back({name, old ? std::optional<std::string>(old) : std::nullopt});
        if (value)
            setenv(name, value, 1);
        else
            unsetenv(name);
    }
    ~ScopedEnvironment()
    {
        for (auto it = m_saved.rbegin(); it != m_saved.rend(); ++it)
        {
            if (it->second)
                setenv(it->first.c_str(), it->second->c_str(), 1);
            else
                unsetenv(it->first.c_str());
        }
    }

private:
    std::vector<std::pair<std::string, std::optional<std::string>>> m_saved;
};
#endif

// Captures message boxes for one scope.
class CapturedMessageBoxes
{
public:
    CapturedMessageBoxes()
    {
        m_previous = platform::SetMessageSink([this](const std::string& text) { texts.push_back(text); });
    }
    ~CapturedMessageBoxes() { platform::SetMessageSink(m_previous); }
    std::vector<std::string> texts;

private:
    platform::MessageSink m_previous;
};

TEST(MessageTable, ParsesNumberTabTextLinesWithEscapes)
{
    ScopedTempDir dir;
    const std::string path = dir.Path("messages.txt");
    WriteFile(path, "# comment line\r\n"
                    "100\tFirst message\r\n"
                    "\n"
                    "200\tTwo\\nlines with a \\t tab and a \\\\ backslash\n"
                    "no number\there\n"
                    "300 missing tab\n"
                    "400\t\n"
                    "99999999999999999999999\toverflowing number\n"
                    "100\tsecond definition wins\n");
    misc::qzMessageTable table;
    ASSERT_TRUE(table.Load(path));
    EXPECT_EQ(table.Size(), 3u);
    ASSERT_NE(table.Find(100), nullptr);
    EXPECT_EQ(*table.Find(100), "second definition wins");
    EXPECT_EQ(*table.Find(200), "Two\nlines with a \t tab and a \\ backslash");
    EXPECT_EQ(*table.Find(400), "");
    EXPECT_EQ(table.Find(300), nullptr);
    EXPECT_FALSE(table.Load(dir.Path("missing.txt")));
    EXPECT_EQ(table.Size(), 0u);
}

// One process holds one locale state, so the whole sequence of switches runs in one test.
TEST(LocaleDefault, GlobalSetFileKeepsOrForcesEachResourceKind)
{
    ScopedTempDir dir;
    const std::string fileA = dir.Path("a.txt"), fileB = dir.Path("b.txt");
    const std::string libA = dir.Path("liba.txt"), libB = dir.Path("libb.txt");
    WriteFile(fileA, "1\tfile A one\n");
    WriteFile(fileB, "1\tfile B one\n");
    WriteFile(libA, "1\tlibrary A one\n2\tlibrary A two\n");
    WriteFile(libB, "1\tlibrary B one\n");
    qzLocale::SetInstance(misc::qzAutoPointer<interact::qzLocaleIntf>(new qzLocaleDefault()));

    EXPECT_EQ(qzLocaleDefault::GetLastUsedResource(), qzLocaleDefault::RESOURCE_FILE);
    EXPECT_EQ(qzLocale::GetMsg("fallback", 1), "fallback") << "no message file yet";

    qzLocaleDefault::GlobalSetFile(qzLocaleDefault::RESOURCE_FILE, fileA, false);
    EXPECT_EQ(misc::qzResource::GetParserVersion(), 1);
    EXPECT_EQ(qzLocaleDefault::GetResourceFile(), fileA);
    EXPECT_EQ(qzLocale::GetMsg("fallback", 1), "file A one");
    EXPECT_EQ(qzLocale::GetMsg("fallback", 7), "fallback");

    qzLocaleDefault::GlobalSetFile(qzLocaleDefault::RESOURCE_FILE, fileB, false);
    EXPECT_EQ(qzLocaleDefault::GetResourceFile(), fileA) << "a set file is kept without force";

    qzLocaleDefault::GlobalSetFile(qzLocaleDefault::RESOURCE_LIBRARY, libA, false);
    EXPECT_EQ(qzLocaleDefault::GetLastUsedResource(), qzLocaleDefault::RESOURCE_LIBRARY);
    EXPECT_EQ(qzLocaleDefault::GetResourceFile(), libA);
    EXPECT_EQ(qzLocale::GetMsg("fallback", 2), "library A two");

    // Unforced: neither kind changes, and the last used resource keeps its value.
    qzLocaleDefault::GlobalSetFile(qzLocaleDefault::RESOURCE_LIBRARY, libB, false);
    qzLocaleDefault::GlobalSetFile(qzLocaleDefault::RESOURCE_FILE, fileB, false);
    EXPECT_EQ(qzLocaleDefault::GetLastUsedResource(), qzLocaleDefault::RESOURCE_LIBRARY);
    EXPECT_EQ(qzLocale::GetMsg("fallback", 1), "library A one");

    qzLocaleDefault::GlobalSetFile(qzLocaleDefault::RESOURCE_LIBRARY, libB, true);
    EXPECT_EQ(qzLocale::GetMsg("fallback", 1), "library B one");
    EXPECT_EQ(qzLocale::GetMsg("fallback", 2), "fallback");
    EXPECT_EQ(&qzLocaleDefault::GetResDll(), &qzLocaleDefault::GetResDll()) << "one shared library";

    qzLocaleDefault::GlobalSetFile(qzLocaleDefault::RESOURCE_FILE, fileB, true);
    EXPECT_EQ(qzLocaleDefault::GetLastUsedResource(), qzLocaleDefault::RESOURCE_FILE);
    EXPECT_EQ(qzLocale::GetMsg("fallback", 1), "file B one");

    const auto kind = static_cast<qzLocaleDefault::qzUsesResources>(5);
    EXPECT_EQ(tessaform_test::ErrorMessage([&] { qzLocaleDefault::GlobalSetFile(kind, fileA, true); }),
              "Enum value undefined. Please revisit code.");
    EXPECT_EQ(qzLocaleDefault::GetResourceFile(), fileB);
}

#if defined(_WIN32)
TEST(LocaleLanguages, NamesFollowThePosixLocale)
{
    GTEST_SKIP() << "Windows names the languages of its locale identifiers, fixed when the process "
                    "starts; LocaleLanguages.NamesFollowTheWindowsLocale checks them";
}

// Wine derives the user's and the system's locale identifiers from LC_ALL when the process starts,
// so CTest runs this test once more with LC_ALL=de_DE.UTF-8 and the language it must find.
TEST(LocaleLanguages, NamesFollowTheWindowsLocale)
{
    EXPECT_EQ(qzLocaleDefault::GetQZDefaultLocaleLanguage(), "English");
    EXPECT_EQ(platform::LanguageNameOfLocale("pt_BR.ISO-8859-1@euro"), "Portuguese");
    const char* expected = std::getenv("TESSAFORM_EXPECTED_LANGUAGE");
    if (!expected)
        GTEST_SKIP() << "TESSAFORM_EXPECTED_LANGUAGE is not set: the language of this process's locale is unknown "
                        "(CTest's locale.windows_languages sets it)";
    EXPECT_EQ(qzLocaleDefault::GetUserLocaleLanguage(), expected);
    EXPECT_EQ(qzLocaleDefault::GetSystemLocaleLanguage(), expected);
}
#else
TEST(LocaleLanguages, NamesFollowThePosixLocale)
{
    ScopedEnvironment env;
    env.Set("LC_ALL", "de_DE.UTF-8");
    EXPECT_EQ(qzLocaleDefault::GetUserLocaleLanguage(), "German");
    EXPECT_EQ(qzLocaleDefault::GetQZDefaultLocaleLanguage(), "English");
    env.Set("LC_ALL", nullptr);
    env.Set("LC_MESSAGES", "fr_CA");
    EXPECT_EQ(qzLocaleDefault::GetUserLocaleLanguage(), "French");
    env.Set("LC_MESSAGES", "");
    env.Set("LANG", "C.UTF-8");
    EXPECT_EQ(qzLocaleDefault::GetUserLocaleLanguage(), "English");
    env.Set("LANG", nullptr);
    EXPECT_EQ(qzLocaleDefault::GetUserLocaleLanguage(), "English");
    EXPECT_EQ(platform::LanguageNameOfLocale("POSIX"), "English");
    EXPECT_EQ(platform::LanguageNameOfLocale("pt_BR.ISO-8859-1@euro"), "Portuguese");
    EXPECT_EQ(platform::LanguageNameOfLocale("tlh_XX"), "tlh") << "unknown codes are reported as they are";
    EXPECT_FALSE(qzLocaleDefault::GetSystemLocaleLanguage().empty());
}
#endif

struct ShoutingLocale : interact::qzLocaleIntf
{
    std::string GetMsg(const std::string& fallback, unsigned number) const override
    {
        return "#" + std::to_string(number) + " " + fallback;
    }
};

TEST(LocaleFacade, MessageBoxesShowWhatTheCurrentLocaleFinds)
{
    CapturedMessageBoxes boxes;
    const misc::qzAutoPointer<interact::qzLocaleIntf> previous = qzLocale::GetInstance();
    qzLocale::SetInstance(misc::qzAutoPointer<interact::qzLocaleIntf>(new ShoutingLocale()));
    qzLocale::MsgBox("plain text");
    qzLocale::MsgBox("Tool too short", 42);
    EXPECT_EQ(qzLocale::GetMsg("x", 7), "#7 x");
    qzLocale::SetInstance(previous);
    ASSERT_EQ(boxes.texts.size(), 2u);
    EXPECT_EQ(boxes.texts[0], "plain text");
    EXPECT_EQ(boxes.texts[1], "#42 Tool too short");

    qzLocale::SetInstance(misc::qzAutoPointer<interact::qzLocaleIntf>());
    EXPECT_TRUE(qzLocale::instance.IsNull());
    EXPECT_FALSE(qzLocale::GetInstance().IsNull()) << "a default locale is installed on demand";
    EXPECT_NE(dynamic_cast<qzLocaleDefault*>(qzLocale::instance.Get()), nullptr);
}
} // namespace
