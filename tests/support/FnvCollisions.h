#pragma once

#include "toolbox/StringKeyHashMap.h"

#include <cstdint>
#include <random>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

// Names of lower-case letters that all share one value of the map's plain hash, made as an
// attacker would: a chain of pairs of six-letter blocks, the two blocks of each pair leading
// from the same hash value to the same hash value, so that any choice of one block from every
// pair gives that value. Each pair is a birthday search among random blocks.
inline std::vector<std::string> FnvCollidingNames(int count)
{
    std::mt19937 random(27);
    const auto block = [&]
    {
        std::string text(6, 'a');
        for (char& letter : text)
            letter = static_cast<char>('a' + random() % 26);
        return text;
    };
    std::vector<std::pair<std::string, std::string>> pairs;
    uint32_t hash = toolbox::StringKeyHashMap<int>::Hash("");
    while ((std::size_t{1} << pairs.size()) < static_cast<std::size_t>(count))
    {
        std::unordered_map<uint32_t, std::string> reached;
        while (true)
        {
            std::string text = block();
            uint32_t next = hash;
            for (char c : text)
                next = (next ^ static_cast<unsigned char>(c)) * 16777619u;
            const auto [earlier, fresh] = reached.emplace(next, text);
            if (!fresh && earlier->second != text)
            {
                pairs.emplace_back(earlier->second, text);
                hash = next;
                break;
            }
        }
    }
    std::vector<std::string> names;
    for (std::size_t i = 0; i < static_cast<std::size_t>(count); ++i)
    {
        std::string name;
        for (std::size_t bit = 0; bit < pairs.size(); ++bit)
            name += i >> bit & 1 ? pairs[bit].second : pairs[bit].first;
        names.push_back(std::move(name));
    }
    return names;
}
