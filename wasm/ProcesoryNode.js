// The processors the batch runner may use under Node: the affinity mask (as
// taskset or a scheduler's cgroup leaves it, which os.availableParallelism
// reads) and a Slurm task's share reach the core through its environment,
// which does not otherwise see the process's.
if (typeof process == 'object' && typeof process.versions == 'object' &&
    typeof process.versions.node == 'string') {
  Module['preRun'] = [].concat(Module['preRun'] || [], function () {
    var os = require('os');
    ENV['FAZOLAB_PROCESORY'] = String(os.availableParallelism ? os.availableParallelism()
      : os.cpus().length);
    if (process.env['SLURM_CPUS_PER_TASK'] !== undefined) {
      ENV['SLURM_CPUS_PER_TASK'] = process.env['SLURM_CPUS_PER_TASK'];
    }
  });
}
