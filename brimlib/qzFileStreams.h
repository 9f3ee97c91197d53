// The file streams the library opens files with.
#pragma once

#include "foundation/qzFileStreamEx.h"

namespace misc
{
/// Input file stream; integer modes use the misc::qzOpenMode bits (`in` is always added).
class TESSAFORM_API qzIFStream : public basic_ifstream_ex<char>
{
public:
    qzIFStream();
    /// Opens the file `name` (narrow names are UTF-8); a failed open sets failbit.
    ///@{
    qzIFStream(const char* name, int mode);
    qzIFStream(const std::string& name, int mode);
    qzIFStream(const wchar_t* name, int mode);
    ///@}
    ~qzIFStream() override;

    /// True when no file is attached.
    bool operator!() const { return !is_open(); }
};

/// Output file stream; integer modes use the misc::qzOpenMode bits (`out` is always added).
class TESSAFORM_API qzOFStream : public basic_ofstream_ex<char>
{
public:
    /// Text encoding of the file; only `DEFAULT` (0, bytes written as given) is used.
    enum qz_encoding : int
    {
        DEFAULT = 0
    };

    qzOFStream();
    /// Opens the file `name` (narrow names are UTF-8); a failed open sets failbit.
    ///@{
    qzOFStream(const char* name, int mode, qz_encoding encoding = DEFAULT);
    qzOFStream(const std::string& name, int mode, qz_encoding encoding = DEFAULT);
    qzOFStream(const wchar_t* name, int mode, qz_encoding encoding = DEFAULT);
    ///@}
    ~qzOFStream() override;

    /// The encoding given at construction.
    qz_encoding GetEncoding() const { return m_encoding; }

    /// True when no file is attached.
    bool operator!() const { return !is_open(); }

private:
    qz_encoding m_encoding = DEFAULT;
};
} // namespace misc
