#pragma once

// A registry from a key (a type name) to a creator that builds a new object
// from a variable set. A key keeps its first creator.

#include "gui/VariableSet.h"

#include <map>
#include <string>

template <typename Product, typename Key = std::string>
class VarlistObjectFactory {
public:
    using Creator = Product* (*)(VariableSet& variables);

    // False (and nothing changes) when the key is registered already.
    bool Register(const Key& key, Creator creator)
    {
        if (!creator)
            return false;
        return _creators.emplace(key, creator).second;
    }

    // A new object, or null when the key is not registered or the creator
    // refused the variables. The caller owns the object.
    Product* Create(const Key& key, VariableSet& variables) const
    {
        const auto found = _creators.find(key);
        return found == _creators.end() ? nullptr : found->second(variables);
    }

    bool IsRegistered(const Key& key) const { return _creators.count(key) != 0; }
    std::size_t Size() const { return _creators.size(); }

private:
    std::map<Key, Creator> _creators;
};
