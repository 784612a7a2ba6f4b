// fazolab-batch under Node: node fazolab-batch.mjs <options>. The batch
// runner compiled to WebAssembly reads and writes the machine's files and
// ends with its own exit status.
import { existsSync } from 'node:fs';
import { createRequire } from 'node:module';
import { fileURLToPath } from 'node:url';
import { setFlagsFromString } from 'node:v8';

// V8 first runs WebAssembly through its quick compiler and recompiles a
// function optimised once it has run for a while. At V8's default measure the
// runner's large one-off functions (the options, the results) also qualify
// and are recompiled for nothing, on the second core and at exit; some fifty
// times the default leaves that to the exchange loop, which reaches it within
// its first series (measured: 8 % less wall time on the 24-lambda series).
setFlagsFromString('--wasm-tiering-budget=100000000');

// Replicas run in worker threads, as natively, with the core built with
// threads; everything else with the core without them, which is about a tenth
// faster. Both write the same bytes.
const repliki = process.argv.some((a) => /^--(powtorzenia|watki)(=|$)/.test(a));
const watki = fileURLToPath(new URL('./fazolab-batch-watki.js', import.meta.url));
const rdzen = repliki && existsSync(watki)
  ? watki
  : fileURLToPath(new URL('./fazolab-batch-rdzen.js', import.meta.url));

createRequire(import.meta.url)(rdzen);
