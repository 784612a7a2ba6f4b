#pragma once

#include "BadaniePowtorzen.h"

class ZrodloZiarna;
struct OpcjeWsadowe;

// The study the options describe before any replica has run: its parameters,
// its generator and the seed Z every replica takes its stream of. Z is the one
// --ziarno gave, or else the one `zegar` gives, asked once and only then; the
// study then records that it came from the clock. Every front end that starts
// replicas (the batch runner, the check of a study, the page's Workers) makes
// its study here, so that their files carry the same header.
BadaniePowtorzen BadanieZOpcji(const OpcjeWsadowe& o, ZrodloZiarna& zegar);
