#include "foundation/qzStdStreams.h"

#include "brimlib/qzException.h"
#include "brimlib/qzFileStreams.h"

#include <limits>

namespace misc
{
namespace
{
constexpr qzUInt64 kMaxTransfer = static_cast<qzUInt64>(std::numeric_limits<std::streamsize>::max());
}

qzStdInputStream::qzStdInputStream(std::basic_istream<char>& stream)
    : m_stream(&stream, false)
{
}

qzStdInputStream::qzStdInputStream(const std::string& fileName)
    : m_stream(new qzIFStream(fileName, qzOpenMode::in | qzOpenMode::binary))
{
}

qzStdInputStream::~qzStdInputStream() = default;

void qzStdInputStream::Read(void* buffer, qzUInt64& size)
{
    std::basic_istream<char>& stream = *m_stream; // "Accessing NULL pointer" when empty
    if (size > kMaxTransfer)
        throw qzmiscException(qzmiscException::INPUT_STREAM_FAILED);
    try
    {
        stream.read(static_cast<char*>(buffer), static_cast<std::streamsize>(size));
    }
    catch (const qzException& e)
    {
        throw qzException(e);
    }
    catch (...)
    {
        throw qzmiscException(qzmiscException::INPUT_STREAM_FAILED);
    }
    if (!stream.good())
        throw qzmiscException(qzmiscException::INPUT_STREAM_FAILED);
}

qzStdOutputStream::qzStdOutputStream(std::basic_ostream<char>& stream)
    : m_stream(&stream, false)
{
}

qzStdOutputStream::qzStdOutputStream(const std::string& fileName)
{
    m_file = new qzOFStream(fileName, qzOpenMode::out | qzOpenMode::trunc | qzOpenMode::binary, qzOFStream::DEFAULT);
    m_stream = qzAutoPointer<std::basic_ostream<char>>(m_file);
}

qzStdOutputStream::~qzStdOutputStream() = default;

void qzStdOutputStream::Write(const void* buffer, const qzUInt64& size)
{
    std::basic_ostream<char>& stream = *m_stream;
    if (size > kMaxTransfer)
        throw qzmiscException(qzmiscException::OUTPUT_STREAM_FAILED);
    try
    {
        stream.write(static_cast<const char*>(buffer), static_cast<std::streamsize>(size));
    }
    catch (const qzException& e)
    {
        throw qzException(e);
    }
    catch (...)
    {
        throw qzmiscException(qzmiscException::OUTPUT_STREAM_FAILED);
    }
    if (!stream.good())
        throw qzmiscException(qzmiscException::OUTPUT_STREAM_FAILED);
}

void qzStdOutputStream::Flush()
{
    std::basic_ostream<char>& stream = *m_stream;
    try
    {
        stream.flush();
    }
    catch (...)
    {
        throw qzmiscException(qzmiscException::OUTPUT_STREAM_FAILED);
    }
    if (!stream.good())
        throw qzmiscException(qzmiscException::OUTPUT_STREAM_FAILED);
}

void qzStdOutputStream::Close()
{
    if (m_file && !m_file->is_open())
    {
        // Closed before, or never opened: only the latter is a failure.
        if (m_file->GetFailed())
            throw qzmiscException(qzmiscException::OUTPUT_STREAM_FAILED);
        return;
    }
    Flush();
    if (!m_file)
        return;
    m_file->close();
    if (m_file->GetFailed())
        throw qzmiscException(qzmiscException::OUTPUT_STREAM_FAILED);
}
} // namespace misc
