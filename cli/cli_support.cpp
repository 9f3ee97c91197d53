#include "cli_support.h"

#include <fstream>
#include <random>
#include <sstream>
#include <system_error>

namespace tessaform_cli
{
PendingOutput::PendingOutput(const std::string& destination) : m_destination(destination)
{
    // Beside the destination, so that the rename stays on one file system.
    std::random_device entropy;
    std::ostringstream name;
    name << m_destination.filename().string() << ".tmp-" << std::hex << entropy() << entropy();
    m_temporary = (m_destination.parent_path() / name.str()).string();
}

PendingOutput::~PendingOutput()
{
    if (!m_committed)
    {
        std::error_code ignored;
        std::filesystem::remove(m_temporary, ignored);
    }
}

void PendingOutput::Commit()
{
    std::error_code error;
    std::filesystem::rename(m_temporary, m_destination, error);
    if (error)
        throw InputError("cannot write " + m_destination.string() + ": " + error.message());
    m_committed = true;
}

void RequireInputFile(const std::string& path)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        throw InputError("cannot read " + path + ": no such file");
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw InputError("cannot read " + path);
}

std::string ReadWholeFile(const std::string& path)
{
    RequireInputFile(path);
    std::ifstream in(path, std::ios::binary);
    std::ostringstream all;
    all << in.rdbuf();
    if (in.bad())
        throw InputError("cannot read " + path);
    return all.str();
}
} // namespace tessaform_cli
