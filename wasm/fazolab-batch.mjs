// fazolab-batch under Node: node fazolab-batch.mjs <options>. The batch
// runner compiled to WebAssembly reads and writes the machine's files and
// ends with its own exit status.
import { existsSync } from 'node:fs';
import { createRequire } from 'node:module';
import { fileURLToPath } from 'node:url';
import { setFlagsFromString } from 'node:v8';

// A fault that reaches the top (a missing core file, the memory exhausted, a
// fault of the core) ends the runner with one Polish line and status 1, as
// the native one ends; FAZOLAB_DEBUG=1 adds what Node knows of it.
const DEBUG = Boolean(process.env.FAZOLAB_DEBUG);
const PODPOWIEDZ = DEBUG ? '' : ' (szczegóły: FAZOLAB_DEBUG=1)';

function opisBledu(blad) {
  const tekst = String(blad?.message ?? blad);
  const brak = /ENOENT[^']*'([^']+)'/.exec(tekst);
  if (brak) {
    return `brak pliku programu ${brak[1]}: zbuduj go ponownie (scripts/web.sh build).`;
  }
  if (blad instanceof RangeError || /memory|OOM|Cannot enlarge/i.test(tekst)) {
    return 'Za mało pamięci: zmniejsz sieć, liczbę powtórzeń lub --watki.';
  }
  return `błąd wewnętrzny programu (${blad?.name ?? typeof blad})${PODPOWIEDZ}.`;
}

function zakoncz(blad) {
  // The core's own exit, thrown to unwind: its status is the runner's.
  if (blad?.name === 'ExitStatus') {
    process.exit(blad.status ?? process.exitCode ?? 0);
  }
  process.stderr.write(`fazolab-batch: ${opisBledu(blad)}\n`);
  if (DEBUG) {
    process.stderr.write(`${blad?.stack ?? blad}\n`);
  }
  process.exit(1);
}
process.on('uncaughtException', zakoncz);
process.on('unhandledRejection', zakoncz);

// The core tells its own faults on standard error in English before it
// throws them ("Aborted(...)", "exiting due to exception: ..."): the Polish
// line above says them instead, and the debug variable keeps them.
const LINIE_RDZENIA = ['Aborted(', 'failed to asynchronously prepare wasm'];
const ostrzezenie = console.warn.bind(console);
console.warn = (...tekst) => {
  const pierwszy = String(tekst[0]);
  if (pierwszy.startsWith('exiting due to exception')) {
    process.stderr.write(`fazolab-batch: błąd wewnętrzny programu (wyjątek rdzenia)${PODPOWIEDZ}.\n`);
  } else if (!LINIE_RDZENIA.some((poczatek) => pierwszy.startsWith(poczatek))) {
    ostrzezenie(...tekst);
    return;
  }
  if (DEBUG) {
    ostrzezenie(...tekst);
  }
};

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
