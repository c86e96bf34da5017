#pragma once

// The program's own environment variables, GYROTRAK_FPS, GYROTRAK_SEED and GYROTRAK_CLOCK, read
// as their options are: one that is set but malformed is named in one line on standard error,
// and then ignored where it is read, as if unset.

// The line naming the variable name set to value where value is malformed ("gyrotrak:
// GYROTRAK_FPS takes ..., not "x"; it is ignored"), into line; false, line untouched, where it
// is unset (null) or well formed, or no variable of the program's.
bool malformedVariableLine(const char* name, const char* value, char (&line)[192]);

// Prints the line for each of the three that is malformed.
void nameMalformedVariables();
