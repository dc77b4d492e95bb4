#pragma once

class Prompts;
class Tallydene;
class TreeItem;

// The project of the running todo stays expanded, so that the running todo stays in sight.
// Answers whether item may collapse; when it may not, the user is told why.
bool MayCollapse(const Tallydene& app, Prompts& prompts, const TreeItem& item);
