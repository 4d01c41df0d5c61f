// What a user reads in the running program's five readouts, checked from outside: each
// text in its own format, and the four colour texts naming one and the same colour.
#pragma once
#include "support/TintletProcess.h"

#include <string>

// Empty when the readouts are well formed, else what is wrong with them.
std::string ReadoutProblem(const TintletProcess& app);
