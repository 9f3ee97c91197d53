#include "locale/qzLocale.h"

#include "brimlib/qzException.h"
#include "brimlib/qzResource.h"
#include "platform/qzPlatform.h"

#include <clocale>

namespace interact
{
namespace
{
const char kUndefinedKind[] = "Enum value undefined. Please revisit code.";

qzLocaleDefault::qzUsesResources& LastUsedResource()
{
    static qzLocaleDefault::qzUsesResources last = qzLocaleDefault::RESOURCE_FILE;
    return last;
}

misc::qzAutoPointer<misc::qzResourceDll>& SharedResourceDll()
{
    static misc::qzAutoPointer<misc::qzResourceDll> library;
    return library;
}
} // namespace

qzLocaleIntf::~qzLocaleIntf() = default;

void qzLocaleIntf::MsgBox(const std::string& text) const
{
    platform::ShowMessageBox(text);
}

std::string qzLocaleDefault::GetMsg(const std::string& fallback, unsigned number) const
{
    try
    {
        switch (LastUsedResource())
        {
        case RESOURCE_FILE:
            return misc::qzResource::GetMsg(number, fallback);
        case RESOURCE_LIBRARY:
            return GetResDll().GetMsg(number, fallback);
        }
    }
    catch (const misc::qzException& e)
    {
        return fallback + "\n" + e.GetErrorMessage();
    }
    throw misc::qzException(0, kUndefinedKind);
}

std::string qzLocaleDefault::GetUserLocaleLanguage()
{
    return platform::UserLanguageName();
}

std::string qzLocaleDefault::GetSystemLocaleLanguage()
{
    return platform::SystemLanguageName();
}

std::string qzLocaleDefault::GetQZDefaultLocaleLanguage()
{
    return "English";
}

void qzLocaleDefault::SetLocale(const std::string& name)
{
    std::setlocale(LC_ALL, name.c_str());
}

qzLocaleDefault::qzUsesResources qzLocaleDefault::GetLastUsedResource()
{
    return LastUsedResource();
}

void qzLocaleDefault::GlobalSetFile(const qzUsesResources& kind, const std::string& file, const bool& force)
{
    switch (kind)
    {
    case RESOURCE_FILE:
        if (misc::qzResource::GetFile().empty() || force)
        {
            misc::qzResource::SetParserVersion(1);
            misc::qzResource::SetFile(file);
            LastUsedResource() = RESOURCE_FILE;
        }
        return;
    case RESOURCE_LIBRARY:
        if (!GetResDll().GetFile().empty() && !force)
            return;
        GetResDll().SetFile(file);
        LastUsedResource() = RESOURCE_LIBRARY;
        return;
    }
    throw misc::qzException(0, kUndefinedKind);
}

std::string qzLocaleDefault::GetResourceFile()
{
    switch (LastUsedResource())
    {
    case RESOURCE_FILE:
        return misc::qzResource::GetFile();
    case RESOURCE_LIBRARY:
        return GetResDll().GetFile();
    }
    throw misc::qzException(0, kUndefinedKind);
}

misc::qzResourceDll& qzLocaleDefault::GetResDll()
{
    misc::qzAutoPointer<misc::qzResourceDll>& library = SharedResourceDll();
    if (library.IsNull())
        library = misc::qzAutoPointer<misc::qzResourceDll>(new misc::qzResourceDll());
    return *library;
}

misc::qzAutoPointer<qzLocaleIntf> qzLocale::instance;

misc::qzAutoPointer<qzLocaleIntf> qzLocale::GetInstance()
{
    if (instance.IsNull())
        instance = misc::qzAutoPointer<qzLocaleIntf>(new qzLocaleDefault());
    return instance;
}

void qzLocale::SetInstance(const misc::qzAutoPointer<qzLocaleIntf>& locale)
{
    instance = locale;
}

void qzLocale::MsgBox(const std::string& text)
{
    GetInstance()->MsgBox(text);
}

void qzLocale::MsgBox(const std::string& text, unsigned number)
{
    const misc::qzAutoPointer<qzLocaleIntf> locale = GetInstance();
    locale->MsgBox(locale->GetMsg(text, number));
}

std::string qzLocale::GetMsg(const std::string& fallback, unsigned number)
{
    return GetInstance()->GetMsg(fallback, number);
}
} // namespace interact
