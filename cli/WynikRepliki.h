#pragma once

#include "DaneWynikow.h"
#include "FluktuacjaSerii.h"
#include "FluktuacjeSerii.h"
#include "StatystykaProbek.h"

#include <vector>

// The summary figures of one series of one replica.
struct SeriaRepliki {
    double Lambda = 0.0;         // negative for clustering
    double Sigma = 0.0;          // the sigma the window stores for the series
    SredniaZBledem SigmaSrednia; // over the second half of the samples, error by blocking
    FluktuacjaSerii Fluktuacje;  // Cv/kN over the second half, its error, the equilibrium
};

// What a replica leaves when its engine goes on to the next one: every figure
// the summary and the results file are made from (PlikPowtorzen keeps them).
struct WynikRepliki {
    int Nr = 0;       // the replica's number k in its study, which chose its stream
    DaneWynikow Dane; // the results inputs, with the offset J drawn from the replica's stream
    std::vector<SeriaRepliki> Serie;
};

// The results inputs of the replicas with each series' stored sigma replaced
// by its mean over the replicas; the rest (lambdas, composition, J) is that of
// the first replica.
DaneWynikow SrednieReplik(const std::vector<WynikRepliki>& repliki);

// The estimate from the fluctuations: that of the one replica's series, or
// the means over the replicas (SrednieFluktuacji).
FluktuacjeSerii FluktuacjeReplik(const std::vector<WynikRepliki>& repliki);
