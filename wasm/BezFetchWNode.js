// Node's fetch takes no file path, which this emscripten's loader gives it:
// under Node the loader reads its WebAssembly file with fs instead.
var fetch = typeof process == 'object' && typeof process.versions == 'object' &&
    typeof process.versions.node == 'string'
  ? undefined
  : globalThis.fetch && globalThis.fetch.bind(globalThis);
