#include "foundation/qzFileStreamEx.h"

#include "brimlib/qzStringConv.h"
#include "platform/qzPlatform.h"

#include <string>

namespace misc
{
std::ios_base::openmode ToStdOpenMode(unsigned int mode)
{
    std::ios_base::openmode result{};
    if (mode & qzOpenMode::in)
        result |= std::ios_base::in;
    if (mode & qzOpenMode::out)
        result |= std::ios_base::out;
    if (mode & qzOpenMode::ate)
        result |= std::ios_base::ate;
    if (mode & qzOpenMode::app)
        result |= std::ios_base::app;
    if (mode & qzOpenMode::trunc)
        result |= std::ios_base::trunc;
    if (mode & qzOpenMode::binary)
        result |= std::ios_base::binary;
    return result;
}

const char* OpenModeString(std::ios_base::openmode mode)
{
    using std::ios_base;
    const bool binary = (mode & ios_base::binary) != 0;
    const ios_base::openmode kind = mode & (ios_base::in | ios_base::out | ios_base::trunc | ios_base::app);
    struct Entry
    {
        ios_base::openmode mode;
        const char* text;
        const char* binaryText;
    };
    static const Entry table[] = {
        {ios_base::in, "r", "rb"},
        {ios_base::out, "w", "wb"},
        {ios_base::out | ios_base::trunc, "w", "wb"},
        {ios_base::out | ios_base::app, "a", "ab"},
        {ios_base::in | ios_base::out, "r+", "r+b"},
        {ios_base::in | ios_base::out | ios_base::trunc, "w+", "w+b"},
        {ios_base::in | ios_base::out | ios_base::app, "a+", "a+b"},
    };
    for (const Entry& entry : table)
        if (entry.mode == kind)
            return binary ? entry.binaryText : entry.text;
    return nullptr;
}
} // namespace misc

template <class C> w_basic_filebuf<C>::w_basic_filebuf() = default;

template <class C> w_basic_filebuf<C>::~w_basic_filebuf()
{
    close();
}

template <class C> w_basic_filebuf<C>* w_basic_filebuf<C>::open(const char* name, std::ios_base::openmode mode)
{
#if defined(_WIN32)
    // Narrow names are UTF-8; the ANSI functions would read them in the code page instead.
    if (!name)
        return nullptr;
    return open(misc::to_wide(name).c_str(), mode);
#else
    // Narrow names are opened as they are: on POSIX a file name is a byte string, and a round
    // trip through wide characters would alter names that are not valid UTF-8.
    if (!name || !misc::OpenModeString(mode))
        return nullptr;
    return std::basic_filebuf<C>::open(name, mode) ? this : nullptr;
#endif
}

template <class C>
w_basic_filebuf<C>* w_basic_filebuf<C>::open(const wchar_t* name, std::ios_base::openmode mode)
{
    const char* modeString = misc::OpenModeString(mode);
    if (!name || !modeString || this->is_open())
        return nullptr;
#if defined(_WIN32) && defined(__GLIBCXX__)
    std::FILE* file = platform::OpenFile(name, modeString);
    if (!file)
        return nullptr;
    // What std::basic_filebuf::open does after its own fopen, with the file opened above
    // (libstdc++ keeps a file handed over this way open when the buffer closes).
    if (!this->_M_file.sys_open(file, mode))
    {
        std::fclose(file);
        return nullptr;
    }
    m_file = file;
    this->_M_allocate_internal_buffer();
    this->_M_mode = mode;
    this->_M_reading = false;
    this->_M_writing = false;
    this->_M_set_buffer(-1);
    this->_M_state_last = this->_M_state_cur = this->_M_state_beg;
    if ((mode & std::ios_base::ate) &&
        this->seekoff(0, std::ios_base::end, mode) == typename std::basic_filebuf<C>::pos_type(-1))
    {
        close();
        return nullptr;
    }
    return this;
#else
    const std::string native = platform::NativePathFromWide(name);
    return std::basic_filebuf<C>::open(native.c_str(), mode) ? this : nullptr;
#endif
}

template <class C> w_basic_filebuf<C>* w_basic_filebuf<C>::close()
{
    const bool closed = std::basic_filebuf<C>::close() != nullptr;
    bool released = true;
    if (m_file)
    {
        released = std::fclose(m_file) == 0;
        m_file = nullptr;
    }
    return closed && released ? this : nullptr;
}

namespace
{
template <class Stream, class Buffer, class Name>
void OpenStream(Stream& stream, Buffer& buffer, const Name* name, std::ios_base::openmode mode)
{
    if (buffer.open(name, mode))
        stream.clear();
    else
        stream.setstate(std::ios_base::failbit);
}
} // namespace

template <class C> basic_ifstream_ex<C>::basic_ifstream_ex() : std::basic_istream<C>(nullptr)
{
    this->init(&m_buffer);
}

template <class C> basic_ifstream_ex<C>::basic_ifstream_ex(const char* name, int mode) : basic_ifstream_ex()
{
    open(name, mode);
}

template <class C> basic_ifstream_ex<C>::basic_ifstream_ex(const wchar_t* name, int mode) : basic_ifstream_ex()
{
    open(name, mode);
}

template <class C>
basic_ifstream_ex<C>::basic_ifstream_ex(const char* name, std::ios_base::openmode mode) : basic_ifstream_ex()
{
    open(name, mode);
}

template <class C>
basic_ifstream_ex<C>::basic_ifstream_ex(const wchar_t* name, std::ios_base::openmode mode) : basic_ifstream_ex()
{
    open(name, mode);
}

template <class C> basic_ifstream_ex<C>::~basic_ifstream_ex() = default;

template <class C> void basic_ifstream_ex<C>::open(const char* name, int mode)
{
    open(name, misc::ToStdOpenMode(static_cast<unsigned int>(mode)));
}

template <class C> void basic_ifstream_ex<C>::open(const char* name, unsigned int mode)
{
    open(name, misc::ToStdOpenMode(mode));
}

template <class C> void basic_ifstream_ex<C>::open(const wchar_t* name, int mode)
{
    open(name, misc::ToStdOpenMode(static_cast<unsigned int>(mode)));
}

template <class C> void basic_ifstream_ex<C>::open(const wchar_t* name, unsigned int mode)
{
    open(name, misc::ToStdOpenMode(mode));
}

template <class C> void basic_ifstream_ex<C>::open(const char* name, std::ios_base::openmode mode)
{
    OpenStream(*this, m_buffer, name, mode | std::ios_base::in);
}

template <class C> void basic_ifstream_ex<C>::open(const wchar_t* name, std::ios_base::openmode mode)
{
    OpenStream(*this, m_buffer, name, mode | std::ios_base::in);
}

template <class C> void basic_ifstream_ex<C>::close()
{
    if (!m_buffer.close())
        this->setstate(std::ios_base::failbit);
}

template <class C> bool basic_ifstream_ex<C>::is_open() const
{
    return m_buffer.is_open();
}

template <class C> w_basic_filebuf<C>* basic_ifstream_ex<C>::rdbuf() const
{
    return &m_buffer;
}

template <class C> bool basic_ifstream_ex<C>::GetFailed() const
{
    return this->fail();
}

template <class C> basic_ofstream_ex<C>::basic_ofstream_ex() : std::basic_ostream<C>(nullptr)
{
    this->init(&m_buffer);
}

template <class C> basic_ofstream_ex<C>::basic_ofstream_ex(const char* name, int mode) : basic_ofstream_ex()
{
    open(name, mode);
}

template <class C> basic_ofstream_ex<C>::basic_ofstream_ex(const wchar_t* name, int mode) : basic_ofstream_ex()
{
    open(name, mode);
}

template <class C>
basic_ofstream_ex<C>::basic_ofstream_ex(const char* name, std::ios_base::openmode mode) : basic_ofstream_ex()
{
    open(name, mode);
}

template <class C>
basic_ofstream_ex<C>::basic_ofstream_ex(const wchar_t* name, std::ios_base::openmode mode) : basic_ofstream_ex()
{
    open(name, mode);
}

template <class C> basic_ofstream_ex<C>::~basic_ofstream_ex() = default;

template <class C> void basic_ofstream_ex<C>::open(const char* name, int mode)
{
    open(name, misc::ToStdOpenMode(static_cast<unsigned int>(mode)));
}

template <class C> void basic_ofstream_ex<C>::open(const char* name, unsigned int mode)
{
    open(name, misc::ToStdOpenMode(mode));
}

template <class C> void basic_ofstream_ex<C>::open(const wchar_t* name, int mode)
{
    open(name, misc::ToStdOpenMode(static_cast<unsigned int>(mode)));
}

template <class C> void basic_ofstream_ex<C>::open(const wchar_t* name, unsigned int mode)
{
    open(name, misc::ToStdOpenMode(mode));
}

template <class C> void basic_ofstream_ex<C>::open(const char* name, std::ios_base::openmode mode)
{
    OpenStream(*this, m_buffer, name, mode | std::ios_base::out);
}

template <class C> void basic_ofstream_ex<C>::open(const wchar_t* name, std::ios_base::openmode mode)
{
    OpenStream(*this, m_buffer, name, mode | std::ios_base::out);
}

template <class C> void basic_ofstream_ex<C>::close()
{
    if (!m_buffer.close())
        this->setstate(std::ios_base::failbit);
}

template <class C> bool basic_ofstream_ex<C>::is_open() const
{
    return m_buffer.is_open();
}

template <class C> w_basic_filebuf<C>* basic_ofstream_ex<C>::rdbuf() const
{
    return &m_buffer;
}

template <class C> bool basic_ofstream_ex<C>::GetFailed() const
{
    return this->fail();
}

template class w_basic_filebuf<char>;
template class basic_ifstream_ex<char>;
template class basic_ofstream_ex<char>;
