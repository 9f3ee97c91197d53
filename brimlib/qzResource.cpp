#include "brimlib/qzResource.h"

#include <cerrno>
#include <cstdlib>
#include <fstream>

namespace misc
{
namespace
{
std::string Unescape(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i)
    {
        if (text[i] != '\\' || i + 1 == text.size())
        {
            out += text[i];
            continue;
        }
        const char next = text[++i];
        out += next == 'n' ? '\n' : next == 't' ? '\t' : next;
    }
    return out;
}
} // namespace

bool qzMessageTable::Load(const std::string& path)
{
    m_messages.clear();
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    std::string line;
    while (std::getline(in, line))
    {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty() || line[0] == '#')
            continue;
        const std::size_t tab = line.find('\t');
        if (tab == std::string::npos || tab == 0)
            continue;
        const std::string digits = line.substr(0, tab);
        if (digits.find_first_not_of("0123456789") != std::string::npos)
            continue;
        errno = 0;
        const unsigned long number = std::strtoul(digits.c_str(), nullptr, 10);
        if (errno == ERANGE)
            continue;
        m_messages[number] = Unescape(line.substr(tab + 1));
    }
    return true;
}

const std::string* qzMessageTable::Find(unsigned long number) const
{
    auto it = m_messages.find(number);
    return it == m_messages.end() ? nullptr : &it->second;
}

namespace
{
struct ResourceFile
{
    std::string path;
    int parserVersion = 1;
    qzMessageTable table;
};

ResourceFile& TheResourceFile()
{
    static ResourceFile file;
    return file;
}
} // namespace

void qzResource::SetFile(const std::string& path)
{
    ResourceFile& file = TheResourceFile();
    file.path = path;
    file.table.Load(path);
}

const std::string& qzResource::GetFile()
{
    return TheResourceFile().path;
}

void qzResource::SetParserVersion(int version)
{
    TheResourceFile().parserVersion = version;
}

int qzResource::GetParserVersion()
{
    return TheResourceFile().parserVersion;
}

std::string qzResource::GetMsg(unsigned long number, const std::string& fallback)
{
    const std::string* text = TheResourceFile().table.Find(number);
    return text ? *text : fallback;
}

qzResourceIntf::qzResourceIntf() = default;
qzResourceIntf::qzResourceIntf(const qzResourceIntf&) = default;
qzResourceIntf& qzResourceIntf::operator=(const qzResourceIntf&) = default;
qzResourceIntf::~qzResourceIntf() = default;

qzResourceDll::qzResourceDll() = default;
qzResourceDll::qzResourceDll(const qzResourceDll&) = default;
qzResourceDll& qzResourceDll::operator=(const qzResourceDll&) = default;
qzResourceDll::~qzResourceDll() = default;

void qzResourceDll::SetFile(const std::string& path)
{
    m_file = path;
    m_table.Load(path);
}

std::string qzResourceDll::GetMsg(unsigned long number) const
{
    return GetMsg(number, std::string());
}

std::string qzResourceDll::GetMsg(unsigned long number, const std::string& fallback) const
{
    const std::string* text = m_table.Find(number);
    return text ? *text : fallback;
}

qzNeutralResourceDll::qzNeutralResourceDll() = default;
qzNeutralResourceDll::qzNeutralResourceDll(const qzNeutralResourceDll&) = default;
qzNeutralResourceDll& qzNeutralResourceDll::operator=(const qzNeutralResourceDll&) = default;
qzNeutralResourceDll::~qzNeutralResourceDll() = default;

std::string qzNeutralResourceDll::GetMsg(unsigned long) const
{
    return std::string();
}

std::string qzNeutralResourceDll::GetMsg(unsigned long, const std::string& fallback) const
{
    return fallback;
}
} // namespace misc
