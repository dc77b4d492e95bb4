#pragma once

class Dialogs;
class Prompts;
class Tallydene;

// Asked first when the user quits: time away that waits for an answer, including a sleep that
// only the clock update made now shows (the next tick may be a minute off). Without the
// answer the end would discard it. False when the user cancelled the question: no quitting.
bool AskAboutAwayBeforeQuitting(Tallydene& app, Dialogs& dialogs);

// Asks before the program ends while work is under way: first about a running todo, then
// about open todos. true when the user let it end (or there was nothing to ask).
bool AskBeforeQuitting(const Tallydene& app, Prompts& prompts);
