#pragma once

#include <string>

// The bash completion script for cardctl, from the command and option tables the parser
// reads: commands, then the options of the command given, and values where the table
// knows them (choices, files, the port names `cardctl ports` finds).
std::string BashCompletion();
