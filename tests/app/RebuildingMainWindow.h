#pragma once

#include "tests/app/FakeMainWindow.h"

class Tallydene;

// A main window whose tree is rebuilt for real: the lists sorted, every node deleted, every
// project inserted followed by its todos, as the main view does, so that commands which rebuild
// and then select find their nodes.
class RebuildingMainWindow : public FakeMainWindow
{
public:
    void RebuildTree() override;

    Tallydene* app = nullptr;
};
