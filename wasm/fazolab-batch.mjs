// fazolab-batch under Node: node fazolab-batch.mjs <options>. The batch
// runner compiled to WebAssembly reads and writes the machine's files and
// ends with its own exit status.
import { createRequire } from 'node:module';

createRequire(import.meta.url)('./fazolab-batch-rdzen.js');
