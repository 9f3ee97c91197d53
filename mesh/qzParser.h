// A line-oriented keyword parser and the tokenizer its commands use.
#pragma once

#include "brimlib/qzAutoPointer.h"
#include "foundation/qzParserException.h"

#include <istream>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace misc
{
/// Splits text into words at delimiter characters; between two quote ("NB") signs a delimiter
/// belongs to the word, and the signs themselves are dropped. Consecutive delimiters never
/// yield empty words.
class TESSAFORM_API qzStringTokenizer
{
public:
    /// Delimiter " " (one space) and the double quote as the only quote sign.
    qzStringTokenizer();
    qzStringTokenizer(const std::string& delimiters, const std::string& nbSigns);

    void SetDelimiters(const std::string& delimiters);
    void SetNBSigns(const std::string& nbSigns);
    void Parse(const std::string& text);
    void Reset() { m_tokens.clear(); }
    unsigned GetSize() const { return static_cast<unsigned>(m_tokens.size()); }
    /// std::out_of_range ("invalid vector<T> subscript") at or beyond the size.
    const std::string& operator[](unsigned long index) const;
    const std::vector<std::string>& GetTokens() const { return m_tokens; }
    std::vector<std::string>::const_iterator GetTokenBegin() const { return m_tokens.begin(); }
    std::vector<std::string>::const_iterator GetTokenEnd() const { return m_tokens.end(); }

private:
    void Classify();

    std::string m_delimiters;
    std::string m_nbSigns;
    std::vector<std::string> m_tokens;
    unsigned char m_class[256]; // what each character is: see Classify
};

/// A keyword's action on the parse state.
template <class File> class qzParserCommand
{
public:
    virtual ~qzParserCommand() = default;
    /// Runs on one line (leading spaces, then leading tabs, removed) with its number.
    virtual void Execute(qzAutoPointer<File>& state, const std::string& line, const unsigned& lineNumber) = 0;
};

/// Reads a stream line by line and hands each line to the command registered for its keyword
/// (the text before the first space). Empty lines and lines starting with "(" are skipped; a
/// trailing carriage return is dropped; lines may be of any length.
///
/// Derived parsers override RegisterCommands (the default refuses with qzParserException 6250)
/// and may override the notifications. An unknown keyword raises qzParserException 6251 by
/// default. Any error of a command ends the parse and propagates.
template <class File> class qzParser
{
public:
    explicit qzParser(qzAutoPointer<File> state) : m_state(std::move(state)) {}
    virtual ~qzParser() = default;

    virtual void RegisterCommands() { throw qzParserException(qzParserException::NOT_IMPLEMENTED); }
    virtual void OnBeginParse(std::istream&) {}
    /// The parse loop.
    virtual void Parse(std::istream& stream)
    {
        OnBeginParse(stream);
        RegisterCommands();
        std::string line;
        unsigned lineNumber = 0;
        while (m_continue && std::getline(stream, line))
        {
            OnNewLine();
            ++lineNumber;
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            if (line.empty() || line[0] == '(')
                continue;
            // Leading spaces, then leading tabs, once each in this order.
            std::size_t start = line.find_first_not_of(' ');
            if (start != std::string::npos)
                start = line.find_first_not_of('\t', start);
            if (start == std::string::npos)
                continue;
            line.erase(0, start);
            auto command = m_commands.find(std::string_view(line).substr(0, line.find(' ')));
            if (command != m_commands.end())
                command->second->Execute(m_state, line, lineNumber);
            else
                OnUnknownKeyword(line, lineNumber);
            OnCommandDone();
        }
        OnEndParse();
    }
    virtual void OnUnknownKeyword(const std::string&, const unsigned&)
    {
        throw qzParserException(qzParserException::UNKNOWN_KEYWORD);
    }
    virtual void OnEndParse() {}
    virtual void OnNewLine() {}
    virtual void OnCommandDone() {}

    const qzAutoPointer<File>& GetState() const { return m_state; }

protected:
    /// Registers (or replaces) the command of a keyword.
    void RegisterCommand(const std::string& keyword, qzAutoPointer<qzParserCommand<File>> command)
    {
        m_commands[keyword] = std::move(command);
    }
    void SetContinue(bool value) { m_continue = value; }
    bool GetContinue() const { return m_continue; }

private:
    qzAutoPointer<File> m_state;
    // std::less<> looks keywords up as views of the line, without a string per line.
    std::map<std::string, qzAutoPointer<qzParserCommand<File>>, std::less<>> m_commands;
    bool m_continue = true;
};
} // namespace misc
