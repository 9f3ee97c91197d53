// The shim over operating-system services. Nothing outside platform/ includes system headers.
#pragma once

#include "tessaform_export.h"

#include <cstddef>
#include <cstdio>
#include <functional>
#include <string>

#if !defined(_WIN32)
#  include <mutex>
#endif

namespace platform
{
/// Converts a wide file name (UTF-16 or UTF-32 by the width of wchar_t) to UTF-8, the name
/// POSIX systems open.
TESSAFORM_API std::string NativePathFromWide(const std::wstring& name);

/// Opens a file by wide name with a C runtime mode string ("rb", "w+b", ...); null on failure.
/// Windows: `_wfopen_s` on the UTF-16 name; POSIX: `fopen` on its UTF-8 form.
TESSAFORM_API std::FILE* OpenFile(const wchar_t* name, const char* mode);

/// Copies the file `source` (UTF-8 name) to `target`, replacing an existing target unless
/// `failIfExists` is set (Windows: CopyFileW). False on failure.
TESSAFORM_API bool FileCopy(const std::string& source, const std::string& target, bool failIfExists);

/// Creates a new, empty, uniquely named file in `directory` whose name ends in `extension`
/// (given with or without its leading dot). Returns its path, or an empty string on failure.
TESSAFORM_API std::string CreateUniqueFile(const std::string& directory, const std::string& extension);

/// The directory for temporary files of this process (TMPDIR, else /tmp; Windows: the temporary
/// path of the user, in UTF-8).
TESSAFORM_API std::string TemporaryDirectory();

/// English name of the language of the user's default locale (Windows: the language of
/// GetUserDefaultLCID; POSIX: the first of LC_ALL, LC_MESSAGES, LANG that is set); "English" for
/// C, POSIX or an unset locale.
TESSAFORM_API std::string UserLanguageName();

/// English name of the language of the system's default locale (Windows: the language of
/// GetSystemDefaultLCID; POSIX: LANG of /etc/default/locale or /etc/locale.conf, else as the
/// user's).
TESSAFORM_API std::string SystemLanguageName();

/// English name of the language of a POSIX locale name such as "de_DE.UTF-8".
TESSAFORM_API std::string LanguageNameOfLocale(const std::string& locale);

/// Asks the system to back a large, not yet touched block with huge pages, which makes its
/// first use far cheaper; a hint only (no effect where unsupported).
TESSAFORM_API void AdviseHugePages(void* block, std::size_t bytes);

/// A block of committed, zeroed read-write memory of at least `bytes` bytes whose pages are
/// already backed (huge pages where the system offers them), or null on failure. Release it
/// with ReleaseCommittedBlock and the same size.
TESSAFORM_API void* CommitBlock(std::size_t bytes);
/// Gives a block from CommitBlock back to the system; `bytes` is the size it was asked for.
/// Null is ignored.
TESSAFORM_API void ReleaseCommittedBlock(void* block, std::size_t bytes);

/// Private-heap memory (Windows: a heap of this library's own; POSIX: the C heap); null on
/// failure.
TESSAFORM_API void* HeapAllocate(std::size_t bytes);
/// Frees a block of HeapAllocate; null is ignored.
TESSAFORM_API void HeapRelease(void* block);

/// Receiver of message-box texts.
using MessageSink = std::function<void(const std::string& text)>;

/// Shows a message box with an exclamation icon, no owner window and an empty caption (Windows:
/// MessageBoxA); on POSIX the default sink writes the text to standard error.
TESSAFORM_API void ShowMessageBox(const std::string& text);

/// Replaces the message-box sink (an empty sink restores the default); returns the previous one.
TESSAFORM_API MessageSink SetMessageSink(MessageSink sink);
/// A lock around short critical regions (Windows: a critical section; POSIX: std::mutex). It
/// meets the Lockable requirements, so std::lock_guard takes it. Not recursive.
class TESSAFORM_API CriticalSection
{
public:
    CriticalSection(const CriticalSection&) = delete;
    CriticalSection& operator=(const CriticalSection&) = delete;
#if defined(_WIN32)
    CriticalSection();
    ~CriticalSection();
    /// Lockable operations: `lock` waits until the section is free and takes it, `unlock` frees
    /// it, `try_lock` takes it only if it is free and says whether it did.
    ///@{
    void lock();
    void unlock();
    bool try_lock();
    ///@}

private:
    // The CRITICAL_SECTION itself, opaque here so that windows.h stays inside platform/.
    alignas(void*) unsigned char m_section[sizeof(void*) == 8 ? 40 : 24];
#else
    // Inline: the node pool takes the lock once per node.
    CriticalSection() = default;
    /// Lockable operations: `lock` waits until the section is free and takes it, `unlock` frees
    /// it, `try_lock` takes it only if it is free and says whether it did.
    ///@{
    void lock() { m_mutex.lock(); }
    void unlock() { m_mutex.unlock(); }
    bool try_lock() { return m_mutex.try_lock(); }
    ///@}

private:
    std::mutex m_mutex;
#endif
};
} // namespace platform
