#pragma once

class CommandContext;

// A new project, the selected item's or project's properties, and the rebuilt tree.
void NewProjectCommand(CommandContext& context);
void ItemPropertiesCommand(CommandContext& context);
void ProjectPropertiesCommand(CommandContext& context);
void RefreshViewCommand(CommandContext& context);
