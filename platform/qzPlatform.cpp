#include "platform/qzPlatform.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <utility>
#include <vector>

#if defined(_WIN32)
#  include <windows.h>
#else
#  include <sys/mman.h>
#  include <unistd.h>
#endif

namespace platform
{
std::string NativePathFromWide(const std::wstring& name)
{
    std::string out;
    out.reserve(name.size());
    for (std::size_t i = 0; i < name.size(); ++i)
    {
        unsigned long c = static_cast<unsigned long>(name[i]) & 0xFFFFFFFFul;
        // A surrogate pair (16-bit wchar_t) combines; a lone surrogate or a value beyond
        // Unicode becomes U+FFFD.
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < name.size())
        {
            unsigned long low = static_cast<unsigned long>(name[i + 1]) & 0xFFFFFFFFul;
            if (low >= 0xDC00 && low <= 0xDFFF)
            {
                c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
                ++i;
            }
        }
        if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
            c = 0xFFFD;
        if (c < 0x80)
            out += static_cast<char>(c);
        else if (c < 0x800)
        {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
        else if (c < 0x10000)
        {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
        else
        {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

#if defined(_WIN32)
namespace
{
// The library's narrow file names are UTF-8; Windows takes UTF-16.
std::wstring WideFromUtf8(const std::string& text)
{
    if (text.empty())
        return std::wstring();
    const int length = static_cast<int>(text.size());
    const int n = MultiByteToWideChar(CP_UTF8, 0, text.data(), length, nullptr, 0);
    if (n <= 0)
        return std::wstring();
    std::wstring out(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), length, out.data(), n);
    return out;
}
} // namespace
#endif

std::FILE* OpenFile(const wchar_t* name, const char* mode)
{
    if (!name || !mode)
        return nullptr;
#if defined(_WIN32)
    const std::wstring wideMode(mode, mode + std::strlen(mode));
    std::FILE* file = nullptr;
    return _wfopen_s(&file, name, wideMode.c_str()) == 0 ? file : nullptr;
#else
    return std::fopen(NativePathFromWide(name).c_str(), mode);
#endif
}

bool FileCopy(const std::string& source, const std::string& target, bool failIfExists)
{
#if defined(_WIN32)
    // Not std::filesystem::copy_file: libstdc++ before GCC 13 refuses to overwrite there,
    // taking any two files of one volume for the same file (its stat has no inode numbers).
    return CopyFileW(WideFromUtf8(source).c_str(), WideFromUtf8(target).c_str(), failIfExists) != 0;
#else
    std::error_code ec;
    const auto options = failIfExists ? std::filesystem::copy_options::none
                                      : std::filesystem::copy_options::overwrite_existing;
    return std::filesystem::copy_file(std::filesystem::u8path(source), std::filesystem::u8path(target), options, ec) &&
           !ec;
#endif
}

std::string TemporaryDirectory()
{
#if defined(_WIN32)
    wchar_t buffer[MAX_PATH + 1];
    const DWORD n = GetTempPathW(MAX_PATH + 1, buffer);
    return n && n <= MAX_PATH ? NativePathFromWide(std::wstring(buffer, n)) : std::string(".");
#else
    const char* dir = std::getenv("TMPDIR");
    return (dir && *dir) ? std::string(dir) : std::string("/tmp");
#endif
}

std::string CreateUniqueFile(const std::string& directory, const std::string& extension)
{
    std::string suffix = extension;
    if (!suffix.empty() && suffix[0] != '.')
        suffix.insert(suffix.begin(), '.');
    std::string dir = directory.empty() ? TemporaryDirectory() : directory;
    if (dir.back() != '/' && dir.back() != '\\')
        dir += '/';
#if defined(_WIN32)
    const std::wstring wideDir = WideFromUtf8(dir);
    const std::wstring wideSuffix = WideFromUtf8(suffix);
    // The reserved name ends in ".tmp"; with another extension it is renamed, and a name taken
    // meanwhile by an earlier rename is simply drawn again. The result spells the directory as
    // the caller did, as on POSIX.
    for (int attempt = 0; attempt < 100; ++attempt)
    {
        wchar_t name[MAX_PATH];
        if (!GetTempFileNameW(wideDir.c_str(), L"qz", 0, name))
            return std::string();
        const std::wstring reserved(name);
        const std::wstring fileName = reserved.substr(reserved.find_last_of(L"\\/") + 1);
        if (wideSuffix.empty())
            return NativePathFromWide(wideDir + fileName);
        if (MoveFileW(name, (reserved + wideSuffix).c_str()))
            return NativePathFromWide(wideDir + fileName + wideSuffix);
        const DWORD error = GetLastError();
        DeleteFileW(name);
        if (error != ERROR_ALREADY_EXISTS && error != ERROR_FILE_EXISTS)
            return std::string();
    }
    return std::string();
#else
    std::string pattern = dir + "qzXXXXXX" + suffix;
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    int fd = mkstemps(buffer.data(), static_cast<int>(suffix.size()));
    if (fd < 0)
        return std::string();
    close(fd);
    return std::string(buffer.data());
#endif
}

namespace
{
struct Language
{
    const char* code;
    const char* name;
};

// ISO 639-1 codes of the languages CAM hosts ship texts for, with their English names.
const Language kLanguages[] = {
    {"ar", "Arabic"},     {"bg", "Bulgarian"}, {"ca", "Catalan"},    {"cs", "Czech"},
    {"da", "Danish"},     {"de", "German"},    {"el", "Greek"},      {"en", "English"},
    {"es", "Spanish"},    {"et", "Estonian"},  {"fi", "Finnish"},    {"fr", "French"},
    {"he", "Hebrew"},     {"hr", "Croatian"},  {"hu", "Hungarian"},  {"id", "Indonesian"},
    {"it", "Italian"},    {"ja", "Japanese"},  {"ko", "Korean"},     {"lt", "Lithuanian"},
    {"lv", "Latvian"},    {"nb", "Norwegian"}, {"nl", "Dutch"},      {"nn", "Norwegian"},
    {"no", "Norwegian"},  {"pl", "Polish"},    {"pt", "Portuguese"}, {"ro", "Romanian"},
    {"ru", "Russian"},    {"sk", "Slovak"},    {"sl", "Slovenian"},  {"sr", "Serbian"},
    {"sv", "Swedish"},    {"th", "Thai"},      {"tr", "Turkish"},    {"uk", "Ukrainian"},
    {"vi", "Vietnamese"}, {"zh", "Chinese"},
};

#if defined(_WIN32)
std::string LanguageOfLocaleId(LCID id)
{
    char name[100] = {};
    return GetLocaleInfoA(id, LOCALE_SENGLANGUAGE, name, sizeof name) > 0 ? std::string(name) : std::string("English");
}
#else
std::string EnvironmentLocale()
{
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"})
    {
        const char* value = std::getenv(name);
        if (value && *value)
            return value;
    }
    return std::string();
}

std::string ConfiguredSystemLocale()
{
    for (const char* file : {"/etc/default/locale", "/etc/locale.conf"})
    {
        std::ifstream in(file);
        std::string line;
        while (std::getline(in, line))
        {
            if (line.compare(0, 5, "LANG=") != 0)
                continue;
            std::string value = line.substr(5);
            if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
                value = value.substr(1, value.size() - 2);
            if (!value.empty())
                return value;
        }
    }
    return std::string();
}
#endif

MessageSink& Sink()
{
    static MessageSink sink;
    return sink;
}
} // namespace

std::string LanguageNameOfLocale(const std::string& locale)
{
    // "ll_CC.codeset@modifier": the language is the leading letters.
    std::string code;
    for (char c : locale)
    {
        if (c < 'A' || (c > 'Z' && c < 'a') || c > 'z')
            break;
        code += static_cast<char>(c | 0x20);
    }
    if (code.empty() || locale == "C" || locale == "POSIX" || code == "c" || code == "posix")
        return "English";
    for (const Language& language : kLanguages)
        if (code == language.code)
            return language.name;
    return code;
}

std::string UserLanguageName()
{
#if defined(_WIN32)
    return LanguageOfLocaleId(GetUserDefaultLCID());
#else
    return LanguageNameOfLocale(EnvironmentLocale());
#endif
}

std::string SystemLanguageName()
{
#if defined(_WIN32)
    return LanguageOfLocaleId(GetSystemDefaultLCID());
#else
    const std::string configured = ConfiguredSystemLocale();
    return LanguageNameOfLocale(configured.empty() ? EnvironmentLocale() : configured);
#endif
}

void AdviseHugePages(void* block, std::size_t bytes)
{
#if defined(MADV_HUGEPAGE)
    // madvise wants a page-aligned start; the partial page before it is not worth advising.
    const std::size_t page = 4096;
    const auto start = (reinterpret_cast<std::uintptr_t>(block) + page - 1) & ~(page - 1);
    const auto end = reinterpret_cast<std::uintptr_t>(block) + bytes;
    if (end > start + 2 * 1024 * 1024)
        madvise(reinterpret_cast<void*>(start), end - start, MADV_HUGEPAGE);
#else
    (void)block;
    (void)bytes;
#endif
}

void ShowMessageBox(const std::string& text)
{
    if (Sink())
    {
        Sink()(text);
        return;
    }
#if defined(_WIN32)
    MessageBoxA(nullptr, text.c_str(), "", MB_ICONEXCLAMATION);
#else
    std::fprintf(stderr, "%s\n", text.c_str());
#endif
}

MessageSink SetMessageSink(MessageSink sink)
{
    return std::exchange(Sink(), std::move(sink));
}

namespace
{
#if !defined(_WIN32)
constexpr std::size_t kHugePage = std::size_t(2) << 20;

// Blocks of at least one huge page are mapped on a huge-page boundary, so the whole block can
// be backed by huge pages; the slack of the over-sized mapping is unmapped again.
std::size_t MappedLength(std::size_t bytes)
{
    const std::size_t page = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
    return (bytes + page - 1) / page * page;
}

// A huge page fresh from a hypervisor costs milliseconds to first touch (the host backs it page
// by page), far more than recycled small pages; recycled huge pages cost a fraction of either.
// So each block advises huge pages only while the last probe found them cheap: a slow first
// huge page turns the advice off for that block and the next kSkippedAfterSlowProbe blocks.
constexpr auto kCheapHugePage = std::chrono::microseconds(1000);
constexpr unsigned kSkippedAfterSlowProbe = 32;
std::atomic<unsigned> g_blocksWithoutHugePages{0};

void AdviseHugePagesIfCheap(char* block, std::size_t length)
{
#  if defined(MADV_HUGEPAGE) && defined(MADV_NOHUGEPAGE)
    unsigned skip = g_blocksWithoutHugePages.load(std::memory_order_relaxed);
    while (skip && !g_blocksWithoutHugePages.compare_exchange_weak(skip, skip - 1, std::memory_order_relaxed))
    {
    }
    if (skip || madvise(block, length, MADV_HUGEPAGE) != 0)
        return;
    const auto start = std::chrono::steady_clock::now();
    static_cast<volatile char*>(static_cast<void*>(block))[0] = 0;
    if (std::chrono::steady_clock::now() - start > kCheapHugePage)
    {
        madvise(block + kHugePage, length - kHugePage, MADV_NOHUGEPAGE);
        g_blocksWithoutHugePages.store(kSkippedAfterSlowProbe, std::memory_order_relaxed);
    }
#  else
    (void)block;
    (void)length;
#  endif
}
#endif
} // namespace

void* CommitBlock(std::size_t bytes)
{
    if (bytes == 0)
        return nullptr;
#if defined(_WIN32)
    return VirtualAlloc(nullptr, bytes, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
#else
    const std::size_t length = MappedLength(bytes);
    if (length < bytes)
        return nullptr;
    const bool huge = length >= kHugePage;
    const std::size_t mapped = huge ? length + kHugePage : length;
    if (mapped < length)
        return nullptr;
    void* raw = mmap(nullptr, mapped, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (raw == MAP_FAILED)
        return nullptr;
    auto* base = static_cast<char*>(raw);
    if (huge)
    {
        const auto address = reinterpret_cast<std::uintptr_t>(base);
        const std::size_t lead = ((address + kHugePage - 1) & ~(kHugePage - 1)) - address;
        if (lead)
            munmap(base, lead);
        if (kHugePage - lead)
            munmap(base + lead + length, kHugePage - lead);
        base += lead;
        AdviseHugePagesIfCheap(base, length);
    }
    // Commit now: later first touches inside the hot allocation path would cost a fault each.
#  if defined(MADV_POPULATE_WRITE)
    if (madvise(base, length, MADV_POPULATE_WRITE) == 0)
        return base;
    if (errno != EINVAL) // out of memory; kernels without the call say EINVAL and get touched
    {
        munmap(base, length);
        return nullptr;
    }
#  endif
    const std::size_t page = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
    for (std::size_t offset = 0; offset < length; offset += page)
        static_cast<volatile char*>(static_cast<void*>(base))[offset] = 0;
    return base;
#endif
}

void ReleaseCommittedBlock(void* block, std::size_t bytes)
{
    if (!block)
        return;
#if defined(_WIN32)
    (void)bytes;
    VirtualFree(block, 0, MEM_RELEASE);
#else
    munmap(block, MappedLength(bytes));
#endif
}

#if defined(_WIN32)
namespace
{
// One growable heap of the library's own, kept for the whole process: blocks may still be
// released while static objects are destroyed.
HANDLE PrivateHeap()
{
    static const HANDLE heap = HeapCreate(0, 0, 0);
    return heap;
}

CRITICAL_SECTION* Section(unsigned char* storage)
{
    return reinterpret_cast<CRITICAL_SECTION*>(storage);
}
} // namespace

void* HeapAllocate(std::size_t bytes)
{
    const HANDLE heap = PrivateHeap();
    return heap ? HeapAlloc(heap, 0, bytes ? bytes : 1) : nullptr;
}

void HeapRelease(void* block)
{
    if (block)
        HeapFree(PrivateHeap(), 0, block);
}

CriticalSection::CriticalSection()
{
    static_assert(sizeof(CRITICAL_SECTION) == sizeof(m_section), "the storage holds a CRITICAL_SECTION");
    static_assert(alignof(CRITICAL_SECTION) <= alignof(void*), "the storage is aligned for a CRITICAL_SECTION");
    InitializeCriticalSection(Section(m_section));
}

CriticalSection::~CriticalSection()
{
    DeleteCriticalSection(Section(m_section));
}

void CriticalSection::lock()
{
    EnterCriticalSection(Section(m_section));
}

void CriticalSection::unlock()
{
    LeaveCriticalSection(Section(m_section));
}

bool CriticalSection::try_lock()
{
    return TryEnterCriticalSection(Section(m_section)) != 0;
}
#else
void* HeapAllocate(std::size_t bytes)
{
    return std::malloc(bytes ? bytes : 1);
}

void HeapRelease(void* block)
{
    std::free(block);
}
#endif
} // namespace platform
