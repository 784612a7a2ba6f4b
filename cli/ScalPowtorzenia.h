#pragma once

#include "BadaniePowtorzen.h"

#include <string>
#include <variant>
#include <vector>

// Reads the replica files of --scal and puts their replicas together into the
// whole study, in replica order. The files must hold parts of one study (the
// same parameters, degree, seed base and number of replicas) with every
// replica 0..N-1 exactly once; otherwise the Polish line naming the first
// problem and the files it concerns.
std::variant<BadaniePowtorzen, std::string> ScalPowtorzenia(const std::vector<std::string>& pliki);
