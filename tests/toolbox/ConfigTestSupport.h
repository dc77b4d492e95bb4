#pragma once

#include "tests/toolbox/StringWriter.h"
#include "toolbox/Config.h"
#include "toolbox/ConfigSection.h"

#include <gtest/gtest.h>

#include <string>

// Whether two sections hold the same names, values (as the file holds them, so an integer 5
// equals the text "5") and sub-sections, whatever order they were made in; names the first
// difference otherwise.
testing::AssertionResult SameTree(const toolbox::ConfigSection& expected,
                                  const toolbox::ConfigSection& actual);

// The section's content as the writer gives it, with LF line ends.
std::string WrittenText(const toolbox::ConfigSection& section);

// Parses a copy of the text into the store.
bool ParseText(toolbox::Config& config, const std::string& text);

// A store with options, a project that holds a todo, and the working-time account, with names
// and values that need escapes; and its file, byte for byte, with TAB indents and CR LF.
void FillWorkedExample(toolbox::ConfigSection& root);
extern const char* const workedExampleFile;
