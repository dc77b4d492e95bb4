#pragma once

#include <string>

class Tallydene;

// The whole books as the journal's "books" entry holds them: the projects, the working-time
// account and the options that are the books' own (whether the account is on, whether days
// end at local midnight), as the data file writes them.
class BooksText
{
public:
    static std::string Of(Tallydene& app);
    // Replaces app's projects, account and the books' options with those of the text (texts
    // written before they held the options leave them); false when it is none.
    static bool Load(Tallydene& app, const std::string& text);
};
