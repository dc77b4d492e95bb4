#pragma once

#include <vector>

class DataState;

// Which item of one copy of the data is which item of another: for each project and each todo
// of the target copy, where it stands in the source copy, or -1 where the target has it anew.
// Made while the copies still hold the items' addresses.
struct ItemLinks
{
    struct Place
    {
        int project = -1;
        int todo = -1;
    };

    static ItemLinks Between(const DataState& source, const DataState& target);

    std::vector<int> projects;
    std::vector<std::vector<Place>> todos;
};
