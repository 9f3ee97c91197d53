// One stored value that a reader could not carry into the model.
#pragma once

#include "tessaform_export.h"

#include <string>

namespace misc
{
/// A report of lost stored data: the readers always name it "BinLostData"; the identifier says
/// which conversion lost information. Readers only append these to the caller's list.
class TESSAFORM_API qzBILostData
{
public:
    /// An entry named `name` for the conversion numbered `identifier`.
    qzBILostData(std::string name, int identifier) : m_name(std::move(name)), m_identifier(identifier) {}

    /// The name and the identifier given at construction.
    ///@{
    const std::string& GetName() const { return m_name; }
    int GetIdentifier() const { return m_identifier; }
    ///@}

    /// Entries are equal when both their names and their identifiers are.
    ///@{
    bool operator==(const qzBILostData& other) const
    {
        return m_identifier == other.m_identifier && m_name == other.m_name;
    }
    bool operator!=(const qzBILostData& other) const { return !(*this == other); }
    ///@}

    /// The name every reader gives its entries.
    static const char* BinLostDataName() { return "BinLostData"; }

private:
    std::string m_name;
    int m_identifier;
};
} // namespace misc
