#pragma once

#include <string>

class Tallydene;

// The whole books as the journal's "books" entry holds them: the projects and the working-time
// account as the data file writes them.
class BooksText
{
public:
    static std::string Of(Tallydene& app);
    // Replaces app's projects and account with those of the text; false when it is none.
    static bool Load(Tallydene& app, const std::string& text);
};
