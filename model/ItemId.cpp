#include "model/ItemId.h"

#include <cstdint>
#include <random>

std::string ItemId::Make()
{
    static std::mt19937_64 generator = []
    {
        std::random_device device;
        std::seed_seq seed{device(), device(), device(), device(),
                           device(), device(), device(), device()};
        return std::mt19937_64(seed);
    }();
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string id;
    id.reserve(32);
    for (int half = 0; half < 2; ++half)
    {
        uint64_t bits = generator();
        for (int digit = 0; digit < 16; ++digit, bits >>= 4)
            id.push_back(kDigits[bits & 0xf]);
    }
    return id;
}

bool ItemId::IsWellFormed(std::string_view text)
{
    if (text.size() != 32)
        return false;
    for (const char c : text)
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f')))
            return false;
    return true;
}
