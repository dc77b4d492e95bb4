#pragma once

class Prompts;
class Tallydene;

// Asks before the program ends while work is under way: first about a running todo, then
// about open todos. true when the user let it end (or there was nothing to ask).
bool AskBeforeQuitting(const Tallydene& app, Prompts& prompts);
