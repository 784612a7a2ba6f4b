// fazolab-batch under Node: node fazolab-batch.mjs <options>. The batch
// runner compiled to WebAssembly reads and writes the machine's files and
// ends with its own exit status.
import { createRequire } from 'node:module';
import { setFlagsFromString } from 'node:v8';

// V8 first runs WebAssembly through its quick compiler and recompiles a
// function optimised once it has run for a while. At V8's default measure the
// runner's large one-off functions (the options, the results) also qualify
// and are recompiled for nothing, on the second core and at exit; some fifty
// times the default leaves that to the exchange loop, which reaches it within
// its first series (measured: 8 % less wall time on the 24-lambda series).
setFlagsFromString('--wasm-tiering-budget=100000000');

createRequire(import.meta.url)('./fazolab-batch-rdzen.js');
