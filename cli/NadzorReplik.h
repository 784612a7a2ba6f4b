#pragma once

class ObserwatorPomiarow;

// How far the replicas of one process have got, summed over the workers.
struct PostepReplik {
    int Ukonczone = 0;            // replicas finished
    int Replik = 0;               // replicas this process runs
    long long Proby = 0;          // exchange attempts made so far
    long long WszystkieProby = 0; // of every replica, to the end of its last series
    // Of the first worker's replica now running, for a single replica.
    int Seria = 1;
    int LiczbaSerii = 1;
    int Iteracja = 0;
    int MaxIteracji = 0;
    bool DrugiStart = false; // its series run again from the second start
};

// Who watches a pool of replicas: shown the progress, asked whether to stop,
// and optionally handed every sample. The batch runner's is the progress line
// and the signals; a caller embedding the pool brings its own. None of the
// calls may throw: the workers are running meanwhile.
class NadzorReplik {
public:
    virtual ~NadzorReplik() = default;

    // Called about ten times a second from the thread that started the pool,
    // and once more with `koncowy` after every worker has stopped.
    virtual void Postep(const PostepReplik& postep, bool koncowy) = 0;
    // Asked just before each Postep that is not the final one: a non-zero
    // answer (the batch runner's: the signal) stops every replica at its next
    // step and comes back as WynikiReplik::Sygnal.
    virtual int Przerwanie() = 0;
    // The observer of every sample of replica k, called from the worker
    // running it (so it must not share state with another replica's);
    // nullptr: none.
    virtual ObserwatorPomiarow* ObserwatorProbek(int /*k*/) { return nullptr; }
};
