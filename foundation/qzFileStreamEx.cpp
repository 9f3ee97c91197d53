#include "foundation/qzFileStreamEx.h"

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
template <class C> w_basic_filebuf<C>::~w_basic_filebuf() = default;

template <class C> w_basic_filebuf<C>* w_basic_filebuf<C>::open(const char* name, std::ios_base::openmode mode)
{
    // Narrow names are opened as they are: on POSIX a file name is a byte string, and a round
    // trip through wide characters would alter names that are not valid UTF-8.
    if (!name || !misc::OpenModeString(mode))
        return nullptr;
    return std::basic_filebuf<C>::open(name, mode) ? this : nullptr;
}

template <class C>
w_basic_filebuf<C>* w_basic_filebuf<C>::open(const wchar_t* name, std::ios_base::openmode mode)
{
    if (!name || !misc::OpenModeString(mode))
        return nullptr;
    const std::string native = platform::NativePathFromWide(name);
    return std::basic_filebuf<C>::open(native.c_str(), mode) ? this : nullptr;
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
