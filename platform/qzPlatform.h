// The shim over operating-system services. Nothing outside platform/ includes system headers.
#pragma once

#include "tessaform_export.h"

#include <cstddef>
#include <functional>
#include <string>

namespace platform
{
/// Converts a wide file name to the name the operating system opens (UTF-8 on POSIX).
TESSAFORM_API std::string NativePathFromWide(const std::wstring& name);

/// Creates a new, empty, uniquely named file in `directory` whose name ends in `extension`
/// (given with or without its leading dot). Returns its path, or an empty string on failure.
TESSAFORM_API std::string CreateUniqueFile(const std::string& directory, const std::string& extension);

/// The directory for temporary files of this process (TMPDIR, else /tmp).
TESSAFORM_API std::string TemporaryDirectory();

/// English name of the language of the user's default locale (POSIX: the first of LC_ALL,
/// LC_MESSAGES, LANG that is set); "English" for C, POSIX or an unset locale.
TESSAFORM_API std::string UserLanguageName();

/// English name of the language of the system's default locale (POSIX: LANG of
/// /etc/default/locale or /etc/locale.conf, else as the user's).
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
TESSAFORM_API void ReleaseCommittedBlock(void* block, std::size_t bytes);

/// Private-heap memory (POSIX: the C heap); null on failure.
TESSAFORM_API void* HeapAllocate(std::size_t bytes);
TESSAFORM_API void HeapRelease(void* block);

/// Receiver of message-box texts.
using MessageSink = std::function<void(const std::string& text)>;

/// Shows a message box with an exclamation icon; on POSIX the default sink writes the text to
/// standard error.
TESSAFORM_API void ShowMessageBox(const std::string& text);

/// Replaces the message-box sink (an empty sink restores the default); returns the previous one.
TESSAFORM_API MessageSink SetMessageSink(MessageSink sink);
} // namespace platform
