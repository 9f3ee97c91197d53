// Byte-stream adapters over standard library streams and files.
#pragma once

#include "foundation/qzBinStreams.h"
#include "brimlib/qzAutoPointer.h"

#include <istream>
#include <ostream>
#include <string>

namespace misc
{
/// Reads from a standard input stream, borrowed or opened (and owned) from a file name.
/// A read that cannot deliver every byte throws qzmiscException 2148.
class TESSAFORM_API qzStdInputStream : public qzBinInputStream
{
public:
    /// Borrows `stream`; the caller keeps it alive.
    explicit qzStdInputStream(std::basic_istream<char>& stream);
    /// Opens `fileName` for binary input; a failed open surfaces at the first Read.
    explicit qzStdInputStream(const std::string& fileName);
    /// Shares the held stream with `other`: an owned file closes with its last holder.
    ///@{
    qzStdInputStream(const qzStdInputStream&) = default;
    qzStdInputStream& operator=(const qzStdInputStream&) = default;
    ///@}
    ~qzStdInputStream() override;

    /// Reads exactly `size` bytes; qzmiscException 2148 when the stream cannot deliver them all.
    void Read(void* buffer, qzUInt64& size) override;

    /// The held stream (shared with copies of this adapter).
    const qzAutoPointer<std::basic_istream<char>>& GetStream() const { return m_stream; }

private:
    qzAutoPointer<std::basic_istream<char>> m_stream;
};

class qzOFStream;

/// Writes to a standard output stream, borrowed or opened (and owned) from a file name.
/// A failed write throws qzmiscException 2149.
///
/// Written bytes may wait in the stream's buffer: call Close() (or Flush()) to learn whether
/// they reached the file. The destructor closes an owned file too, but cannot report a failure.
class TESSAFORM_API qzStdOutputStream : public qzBinOutputStream
{
public:
    /// Borrows `stream`; the caller keeps it alive.
    explicit qzStdOutputStream(std::basic_ostream<char>& stream);
    /// Creates or truncates `fileName` for binary output; a failed open surfaces at the first
    /// Write, Flush or Close.
    explicit qzStdOutputStream(const std::string& fileName);
    /// Shares the held stream with `other`: an owned file closes with its last holder.
    ///@{
    qzStdOutputStream(const qzStdOutputStream&) = default;
    qzStdOutputStream& operator=(const qzStdOutputStream&) = default;
    ///@}
    ~qzStdOutputStream() override;

    /// Hands the bytes to the stream; qzmiscException 2149 when it reports a failure.
    void Write(const void* buffer, const qzUInt64& size) override;
    /// Hands the buffered bytes to the stream's destination; qzmiscException 2149 when they did
    /// not get there (a full disk, a failed open, an earlier failed write).
    void Flush();
    /// Flush(), then closes the file this adapter opened (a borrowed stream stays open);
    /// qzmiscException 2149 when the data did not reach the file. Later writes fail with 2149;
    /// closing again does nothing more.
    void Close();

    /// The held stream (shared with copies of this adapter).
    const qzAutoPointer<std::basic_ostream<char>>& GetStream() const { return m_stream; }

private:
    qzAutoPointer<std::basic_ostream<char>> m_stream;
    qzOFStream* m_file = nullptr; // the owned file stream, when opened by name
};
} // namespace misc
