// Message sources: numbered texts loaded from message files.
#pragma once

#include "tessaform_export.h"

#include <map>
#include <string>

namespace misc
{
/// A message table: number to text, loaded from a UTF-8 text file with one message per line,
/// "<number><TAB><text>". In the text, "\n", "\t" and "\\" stand for a newline, a tab and a
/// backslash. Empty lines and lines starting with '#' are skipped, and so is any line without
/// a number and a tab (a message file is never worth failing a lookup for).
class TESSAFORM_API qzMessageTable
{
public:
    /// Replaces the table with the file's messages; false (and an empty table) when the file
    /// cannot be read.
    bool Load(const std::string& path);
    /// Removes every message.
    void Clear() { m_messages.clear(); }
    /// The text for the number, or null.
    const std::string* Find(unsigned long number) const;
    /// Number of messages held.
    std::size_t Size() const { return m_messages.size(); }

private:
    std::map<unsigned long, std::string> m_messages;
};

/// The process-wide message resource file.
class TESSAFORM_API qzResource
{
public:
    /// Sets the message file and loads it.
    static void SetFile(const std::string& path);
    /// Path of the message file last set ("" before any).
    static const std::string& GetFile();
    /// Version of the file syntax; 1 (the default) is the format described at qzMessageTable.
    /// It is recorded only: every version is read as that format.
    ///@{
    static void SetParserVersion(int version);
    static int GetParserVersion();
    ///@}
    /// The text for the number, or `fallback` when the file has none.
    static std::string GetMsg(unsigned long number, const std::string& fallback);
};

/// Interface of the resource libraries.
class TESSAFORM_API qzResourceIntf
{
public:
    qzResourceIntf();
    /// Copying is that of an object without state.
    ///@{
    qzResourceIntf(const qzResourceIntf&);
    qzResourceIntf& operator=(const qzResourceIntf&);
    ///@}
    virtual ~qzResourceIntf();

    /// The text for the number ("" when unknown).
    virtual std::string GetMsg(unsigned long number) const = 0;
    /// The text for the number, or `fallback` when unknown.
    virtual std::string GetMsg(unsigned long number, const std::string& fallback) const = 0;
};

/// A resource library: a message table loaded from a file, for one language.
class TESSAFORM_API qzResourceDll : public qzResourceIntf
{
public:
    qzResourceDll();
    /// Copies take the file name, the language and the loaded table.
    ///@{
    qzResourceDll(const qzResourceDll&);
    qzResourceDll& operator=(const qzResourceDll&);
    ///@}
    ~qzResourceDll() override;

    /// Sets the file and loads its table (empty when the file cannot be read).
    void SetFile(const std::string& path);
    /// Path of the message file last set ("" before any).
    const std::string& GetFile() const { return m_file; }
    /// Language identifier of the table, recorded for the caller; lookups do not use it.
    ///@{
    void SetLanguage(unsigned language) { m_language = language; }
    unsigned GetLanguage() const { return m_language; }
    ///@}

    std::string GetMsg(unsigned long number) const override;
    std::string GetMsg(unsigned long number, const std::string& fallback) const override;

private:
    std::string m_file;
    unsigned m_language = 0;
    qzMessageTable m_table;
};

/// The language-neutral resource library: every lookup gives the fallback text.
class TESSAFORM_API qzNeutralResourceDll : public qzResourceIntf
{
public:
    qzNeutralResourceDll();
    /// Copying is that of an object without state.
    ///@{
    qzNeutralResourceDll(const qzNeutralResourceDll&);
    qzNeutralResourceDll& operator=(const qzNeutralResourceDll&);
    ///@}
    ~qzNeutralResourceDll() override;

    std::string GetMsg(unsigned long number) const override;
    std::string GetMsg(unsigned long number, const std::string& fallback) const override;
};
} // namespace misc
