#pragma once

#include "app/forms/FormResult.h"
#include "app/forms/ShownDuration.h"

#include <string>

class Project;
class Prompts;
class Tallydene;

// The project properties dialog's form: name, total time and comment. The project may be a
// new one, not yet in the list of projects. Names are unique among all projects.
class ProjectForm
{
public:
    ProjectForm(Tallydene& app, Project& project) : app(app), project(project) {}
    ProjectForm(const ProjectForm&) = delete;
    ProjectForm& operator=(const ProjectForm&) = delete;

    void Open();
    // Checks the name, then that the total time is a duration, then the total against the
    // todos' sum, and only then changes the project; a refusal leaves it untouched.
    FormResult Confirm(Prompts& prompts);

    std::string name;
    std::string totalTime;
    // "(e.g. 12,50 or 12:30)" in the user's decimal character.
    std::string hint;
    std::string comment;

private:
    Tallydene& app;
    Project& project;
    ShownDuration shownTotal;
};
