#include "brimlib/qzFileStreams.h"

namespace misc
{
qzIFStream::qzIFStream() = default;
qzIFStream::qzIFStream(const char* name, int mode) : basic_ifstream_ex<char>(name, mode) {}
qzIFStream::qzIFStream(const std::string& name, int mode) : basic_ifstream_ex<char>(name.c_str(), mode) {}
qzIFStream::qzIFStream(const wchar_t* name, int mode) : basic_ifstream_ex<char>(name, mode) {}
qzIFStream::~qzIFStream() = default;

qzOFStream::qzOFStream() = default;
qzOFStream::qzOFStream(const char* name, int mode, qz_encoding encoding)
    : basic_ofstream_ex<char>(name, mode), m_encoding(encoding)
{
}
qzOFStream::qzOFStream(const std::string& name, int mode, qz_encoding encoding)
    : basic_ofstream_ex<char>(name.c_str(), mode), m_encoding(encoding)
{
}
qzOFStream::qzOFStream(const wchar_t* name, int mode, qz_encoding encoding)
    : basic_ofstream_ex<char>(name, mode), m_encoding(encoding)
{
}
qzOFStream::~qzOFStream() = default;
} // namespace misc
