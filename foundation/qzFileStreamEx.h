// File streams whose file names may be narrow or wide.
#pragma once

#include "tessaform_export.h"

#include <cstdio>
#include <fstream>
#include <istream>
#include <ostream>

namespace misc
{
/// Open-mode bits of the integer mode arguments; the values are those the binary format and
/// its hosts use (in|binary = 33, out|trunc|binary = 50, out|app|binary = 42, binary = 32).
namespace qzOpenMode
{
enum : unsigned int
{
    in = 0x01,
    out = 0x02,
    ate = 0x04,
    app = 0x08,
    trunc = 0x10,
    binary = 0x20
};
} // namespace qzOpenMode

/// Integer open mode (qzOpenMode bits; unknown bits ignored) to the standard library's mode.
TESSAFORM_API std::ios_base::openmode ToStdOpenMode(unsigned int mode);

/// The C runtime mode string of an open mode (ate ignored), or null for a combination that the
/// table does not allow: in "r", out and out|trunc "w", out|app "a", in|out "r+",
/// in|out|trunc "w+", in|out|app "a+", each also with binary ("rb", "wb", "ab", "r+b", ...).
TESSAFORM_API const char* OpenModeString(std::ios_base::openmode mode);
} // namespace misc

/// File buffer that opens narrow or wide file names; any mode outside the table of
/// misc::OpenModeString fails the open. On Windows every name is opened by its UTF-16 form
/// (narrow names are UTF-8), so names beyond the ANSI code page open too.
template <class C> class TESSAFORM_API w_basic_filebuf : public std::basic_filebuf<C>
{
public:
    w_basic_filebuf();
    ~w_basic_filebuf() override;

    /// Opens the named file; narrow names are UTF-8 on Windows and bytes elsewhere. Null when
    /// the name is null, misc::OpenModeString refuses the mode, a file is already open or the
    /// open fails.
    ///@{
    w_basic_filebuf* open(const char* name, std::ios_base::openmode mode);
    w_basic_filebuf* open(const wchar_t* name, std::ios_base::openmode mode);
    ///@}
    /// Writes what is pending and closes the file; null when that fails or none was open.
    w_basic_filebuf* close();

private:
    // The C runtime file of an open by wide name on Windows, owned here.
    std::FILE* m_file = nullptr;
};

/// Input file stream over w_basic_filebuf; `in` is always added to the mode. Integer modes use
/// the misc::qzOpenMode bits.
template <class C> class TESSAFORM_API basic_ifstream_ex : public std::basic_istream<C>
{
public:
    basic_ifstream_ex();
    /// Opens `name` as open() does; check is_open() or GetFailed() afterwards.
    basic_ifstream_ex(const char* name, int mode);
    /// \copydoc basic_ifstream_ex(const char*, int)
    basic_ifstream_ex(const wchar_t* name, int mode);
    /// \copydoc basic_ifstream_ex(const char*, int)
    basic_ifstream_ex(const char* name, std::ios_base::openmode mode);
    /// \copydoc basic_ifstream_ex(const char*, int)
    basic_ifstream_ex(const wchar_t* name, std::ios_base::openmode mode);
    ~basic_ifstream_ex() override;

    /// Opens `name` for reading (`in` added to the mode): on success the stream state is
    /// cleared, on failure failbit is set. Integer modes are misc::qzOpenMode bits.
    void open(const char* name, int mode);
    /// \copydoc open(const char*, int)
    void open(const char* name, unsigned int mode);
    /// \copydoc open(const char*, int)
    void open(const wchar_t* name, int mode);
    /// \copydoc open(const char*, int)
    void open(const wchar_t* name, unsigned int mode);
    /// \copydoc open(const char*, int)
    void open(const char* name, std::ios_base::openmode mode);
    /// \copydoc open(const char*, int)
    void open(const wchar_t* name, std::ios_base::openmode mode);
    /// Closes the file; sets failbit when none was open or closing failed.
    void close();
    /// Whether a file is open.
    bool is_open() const;
    /// The file buffer, owned by the stream.
    w_basic_filebuf<C>* rdbuf() const;
    /// True when failbit or badbit is set.
    bool GetFailed() const;

private:
    mutable w_basic_filebuf<C> m_buffer;
};

/// Output file stream over w_basic_filebuf; `out` is always added to the mode.
template <class C> class TESSAFORM_API basic_ofstream_ex : public std::basic_ostream<C>
{
public:
    basic_ofstream_ex();
    /// Opens `name` as open() does; check is_open() or GetFailed() afterwards.
    basic_ofstream_ex(const char* name, int mode);
    /// \copydoc basic_ofstream_ex(const char*, int)
    basic_ofstream_ex(const wchar_t* name, int mode);
    /// \copydoc basic_ofstream_ex(const char*, int)
    basic_ofstream_ex(const char* name, std::ios_base::openmode mode);
    /// \copydoc basic_ofstream_ex(const char*, int)
    basic_ofstream_ex(const wchar_t* name, std::ios_base::openmode mode);
    ~basic_ofstream_ex() override;

    /// Opens `name` for writing (`out` added to the mode): on success the stream state is
    /// cleared, on failure failbit is set. Integer modes are misc::qzOpenMode bits.
    void open(const char* name, int mode);
    /// \copydoc open(const char*, int)
    void open(const char* name, unsigned int mode);
    /// \copydoc open(const char*, int)
    void open(const wchar_t* name, int mode);
    /// \copydoc open(const char*, int)
    void open(const wchar_t* name, unsigned int mode);
    /// \copydoc open(const char*, int)
    void open(const char* name, std::ios_base::openmode mode);
    /// \copydoc open(const char*, int)
    void open(const wchar_t* name, std::ios_base::openmode mode);
    /// Closes the file; sets failbit when none was open or closing failed.
    void close();
    /// Whether a file is open.
    bool is_open() const;
    /// The file buffer, owned by the stream.
    w_basic_filebuf<C>* rdbuf() const;
    /// True when failbit or badbit is set.
    bool GetFailed() const;

private:
    mutable w_basic_filebuf<C> m_buffer;
};

extern template class TESSAFORM_EXTERN_TEMPLATE w_basic_filebuf<char>;
extern template class TESSAFORM_EXTERN_TEMPLATE basic_ifstream_ex<char>;
extern template class TESSAFORM_EXTERN_TEMPLATE basic_ofstream_ex<char>;
