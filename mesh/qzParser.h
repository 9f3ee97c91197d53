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
    /// Each character of `delimiters` splits words; each of `nbSigns` opens and closes quoting.
    qzStringTokenizer(const std::string& delimiters, const std::string& nbSigns);

    /// Replaces the delimiter characters; the words already parsed stay.
    void SetDelimiters(const std::string& delimiters);
    /// Replaces the quote signs; the words already parsed stay.
    void SetNBSigns(const std::string& nbSigns);
    /// Replaces the words with those of `text`; an unclosed quote runs to the end of the text.
    void Parse(const std::string& text);
    /// Drops the words.
    void Reset() { m_tokens.clear(); }
    /// Number of words of the last parse.
    unsigned GetSize() const { return static_cast<unsigned>(m_tokens.size()); }
    /// std::out_of_range ("invalid vector<T> subscript") at or beyond the size.
    const std::string& operator[](unsigned long index) const;
    /// The words of the last parse, in text order; valid until the next Parse or Reset.
    const std::vector<std::string>& GetTokens() const { return m_tokens; }
    /// Iterators over the words of the last parse.
    ///@{
    std::vector<std::string>::const_iterator GetTokenBegin() const { return m_tokens.begin(); }
    std::vector<std::string>::const_iterator GetTokenEnd() const { return m_tokens.end(); }
    ///@}

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
    /// A parser that hands `state` (shared, not copied) to every command it runs.
    explicit qzParser(qzAutoPointer<File> state) : m_state(std::move(state)) {}
    virtual ~qzParser() = default;

    /// Registers the keyword commands; called by Parse after OnBeginParse.
    virtual void RegisterCommands() { throw qzParserException(qzParserException::NOT_IMPLEMENTED); }
    /// Called first by Parse, with the stream about to be read; does nothing by default.
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
    /// Called with the line and its number when no command is registered for its keyword.
    virtual void OnUnknownKeyword(const std::string&, const unsigned&)
    {
        throw qzParserException(qzParserException::UNKNOWN_KEYWORD);
    }
    /// Called once the loop has ended (end of stream or a stop); not called after an error.
    virtual void OnEndParse() {}
    /// Called for every line read, skipped ones included, before it is looked at.
    virtual void OnNewLine() {}
    /// Called after each line that reached a command or OnUnknownKeyword and returned.
    virtual void OnCommandDone() {}

    /// The parse state shared with the commands.
    const qzAutoPointer<File>& GetState() const { return m_state; }

protected:
    /// Registers (or replaces) the command of a keyword.
    void RegisterCommand(const std::string& keyword, qzAutoPointer<qzParserCommand<File>> command)
    {
        m_commands[keyword] = std::move(command);
    }
    /// Whether the parse loop reads another line; false stops it before the next line. The flag
    /// is not reset by Parse.
    void SetContinue(bool value) { m_continue = value; }
    /// Whether the parse loop will read another line (see SetContinue).
    bool GetContinue() const { return m_continue; }

private:
    qzAutoPointer<File> m_state;
    // std::less<> looks keywords up as views of the line, without a string per line.
    std::map<std::string, qzAutoPointer<qzParserCommand<File>>, std::less<>> m_commands;
    bool m_continue = true;
};
} // namespace misc
