// Shared plumbing of the command-line program: failures with their exit status, and output
// files that appear only when a command succeeded.
#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>

namespace tessaform_cli
{
/// Exit statuses.
enum Status
{
    OK = 0,
    DIFFERENT = 1, ///< a comparison found differences, a checksum did not match
    USAGE = 2,     ///< wrong arguments
    BAD_INPUT = 3  ///< missing, unreadable or malformed input, or a failed write
};

/// A failure of the user's input that is not one of the library's exceptions.
class InputError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

/// A file written under a temporary name beside its destination and renamed onto it by
/// Commit(); without Commit() the temporary file is removed, so a failed command leaves the
/// destination as it was.
class PendingOutput
{
public:
    explicit PendingOutput(const std::string& destination);
    PendingOutput(const PendingOutput&) = delete;
    PendingOutput& operator=(const PendingOutput&) = delete;
    ~PendingOutput();

    /// The temporary file to write.
    const std::string& Path() const { return m_temporary; }
    /// Moves the written file onto the destination.
    void Commit();

private:
    std::filesystem::path m_destination;
    std::string m_temporary;
    bool m_committed = false;
};

/// The file's bytes; InputError when it cannot be read.
std::string ReadWholeFile(const std::string& path);
/// InputError unless the path names a readable regular file.
void RequireInputFile(const std::string& path);
} // namespace tessaform_cli
