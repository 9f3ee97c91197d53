// Numbered user-visible texts, language names and message boxes through one replaceable locale.
#pragma once

#include "tessaform_export.h"
#include "brimlib/qzAutoPointer.h"

#include <string>

namespace misc
{
class qzResourceDll;
}

namespace interact
{
/// A locale: finds texts by number and shows message boxes.
class TESSAFORM_API qzLocaleIntf
{
public:
    virtual ~qzLocaleIntf();
    /// The text for `number`, or `fallback` when there is none.
    virtual std::string GetMsg(const std::string& fallback, unsigned number) const = 0;
    /// Shows `text` in a message box (exclamation icon, no caption).
    virtual void MsgBox(const std::string& text) const;
};

/// The default locale: texts from the message resource file or the resource library,
/// whichever was set last. Its state is process-wide.
class TESSAFORM_API qzLocaleDefault : public qzLocaleIntf
{
public:
    /// The message source the default locale reads its texts from.
    enum qzUsesResources : int
    {
        RESOURCE_FILE = 0,   ///< misc::qzResource
        RESOURCE_LIBRARY = 1 ///< misc::qzResourceDll
    };

    /// By the last used resource; a lookup that throws yields the fallback text followed by
    /// the exception's message on a new line.
    std::string GetMsg(const std::string& fallback, unsigned number) const override;

    /// English name of the language of the user's default locale; "English" for C or POSIX.
    static std::string GetUserLocaleLanguage();
    /// English name of the language of the system's default locale.
    static std::string GetSystemLocaleLanguage();
    /// "English".
    static std::string GetQZDefaultLocaleLanguage();
    /// Sets the C runtime locale of every category.
    static void SetLocale(const std::string& name);
    /// Where GetMsg reads: the kind GlobalSetFile last gave a file, RESOURCE_FILE until then.
    static qzUsesResources GetLastUsedResource();
    /// Sets the file of the given resource kind when it has none yet or `force` is set, and
    /// makes that kind the last used; "Enum value undefined. Please revisit code." for another kind.
    static void GlobalSetFile(const qzUsesResources& kind, const std::string& file, const bool& force);
    /// The file of the last used resource.
    static std::string GetResourceFile();
    /// The shared resource library, created on first use.
    static misc::qzResourceDll& GetResDll();
};

/// Static facade over the current locale.
class TESSAFORM_API qzLocale
{
public:
    /// The current locale; empty until the first GetInstance, which installs a qzLocaleDefault.
    static misc::qzAutoPointer<qzLocaleIntf> instance;

    /// The current locale, installing a qzLocaleDefault when there is none. Not locked: meant
    /// for the thread that owns the user interface.
    static misc::qzAutoPointer<qzLocaleIntf> GetInstance();
    /// Makes `locale` (shared) the current locale; an empty pointer brings the default back.
    static void SetInstance(const misc::qzAutoPointer<qzLocaleIntf>& locale);
    /// Shows `text` through the current locale's MsgBox.
    static void MsgBox(const std::string& text);
    /// Shows the text the current locale finds for `number` (`text` when none).
    static void MsgBox(const std::string& text, unsigned number);
    /// The current locale's text for `number`, or `fallback` when it has none.
    static std::string GetMsg(const std::string& fallback, unsigned number);
};
} // namespace interact
