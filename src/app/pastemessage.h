#pragma once

#include <QString>

struct BoardTextProblem;

// The message a paste shows when its text cannot be placed: what is wrong and where, by line and column.
QString PasteProblemMessage(const BoardTextProblem& problem);
