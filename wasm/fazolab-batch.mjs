// fazolab-batch under Node: node fazolab-batch.mjs <options>. The batch
// runner compiled to WebAssembly reads and writes the machine's files and
// ends with its own exit status.
import fs, { existsSync, readdirSync, readFileSync, unlinkSync } from 'node:fs';
import { createRequire } from 'node:module';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { setFlagsFromString } from 'node:v8';
import { isMainThread, Worker, workerData } from 'node:worker_threads';

// A fault that reaches the top (a missing core file, the memory exhausted, a
// fault of the core) ends the runner with one Polish line and status 1, as
// the native one ends; FAZOLAB_DEBUG=1 adds what Node knows of it. Written
// straight to the descriptor: from the core's thread a line through Node's
// stream could be lost at the exit that follows.
const DEBUG = Boolean(process.env.FAZOLAB_DEBUG);
const PODPOWIEDZ = DEBUG ? '' : ' (szczegóły: FAZOLAB_DEBUG=1)';
const napisz = (tekst) => fs.writeSync(2, tekst);

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
  napisz(`fazolab-batch: ${opisBledu(blad)}\n`);
  if (DEBUG) {
    napisz(`${blad?.stack ?? blad}\n`);
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
    napisz(`fazolab-batch: błąd wewnętrzny programu (wyjątek rdzenia)${PODPOWIEDZ}.\n`);
  } else if (!LINIE_RDZENIA.some((poczatek) => pierwszy.startsWith(poczatek))) {
    ostrzezenie(...tekst);
    return;
  }
  if (DEBUG) {
    ostrzezenie(...tekst);
  }
};

// The files of the machine are written through Node's fs at the position of
// the file; a pipe (a FIFO, /dev/stdout on a pipe) has none and takes the
// bytes where it stands, as the native program writes it.
function bezPozycjiWPotoku(nazwa) {
  const oryginal = fs[nazwa];
  fs[nazwa] = function (fd, bufor, przesuniecie, dlugosc, pozycja) {
    try {
      return oryginal.call(fs, fd, bufor, przesuniecie, dlugosc, pozycja);
    } catch (blad) {
      if (blad.code !== 'ESPIPE' || pozycja === null || pozycja === undefined) {
        throw blad;
      }
      return oryginal.call(fs, fd, bufor, przesuniecie, dlugosc, null);
    }
  };
}

if (!isMainThread) {
  // The core without threads, in a thread of its own: the main one stays free
  // to take a signal.
  bezPozycjiWPotoku('writeSync');
  bezPozycjiWPotoku('readSync');
  createRequire(import.meta.url)(workerData.rdzen);
} else {
  await glowny();
}

// The arguments as the system gave them, where it tells them (Linux): a name
// that is not UTF-8 cannot reach the core unchanged.
function argumentyNieUtf8() {
  let surowe;
  try {
    surowe = readFileSync('/proc/self/cmdline');
  } catch {
    return [];
  }
  const dekoder = new TextDecoder('utf-8', { fatal: true });
  const zle = [];
  let poczatek = 0;
  for (let i = 0; i < surowe.length; i += 1) {
    if (surowe[i] === 0) {
      try {
        dekoder.decode(surowe.subarray(poczatek, i));
      } catch {
        zle.push(surowe.subarray(poczatek, i).toString('latin1'));
      }
      poczatek = i + 1;
    }
  }
  return zle;
}

// The temporary and lock files a run on these outputs makes beside them
// (".w.csv.zapis<16 hex digits>", ".w.csv.blokada", and a replica's
// ".p.3.csv..."), by folder.
function wzorceWyjsc(argumenty) {
  const wzorce = new Map();
  const opcje = new Set(['--wyjscie', '--przebieg', '--powtorzenia-plik']);
  for (let i = 0; i < argumenty.length; i += 1) {
    const rownosc = argumenty[i].indexOf('=');
    const [nazwa, wartosc] = rownosc >= 0
      ? [argumenty[i].slice(0, rownosc), argumenty[i].slice(rownosc + 1)]
      : [argumenty[i], argumenty[i + 1]];
    if (!opcje.has(nazwa) || !wartosc) {
      continue;
    }
    const folder = path.dirname(wartosc);
    const plik = path.basename(wartosc);
    const rozszerzenie = path.extname(plik);
    const dokladnie = (t) => t.replace(/[.*+?^${}()|[\]\\]/g, '\\$&');
    const wzor = new RegExp(`^\\.${dokladnie(plik.slice(0, plik.length - rozszerzenie.length))}`
      + `(\\.\\d+)?${dokladnie(rozszerzenie)}\\.(zapis[0-9a-f]{16}|blokada)$`);
    wzorce.set(folder, [...(wzorce.get(folder) ?? []), wzor]);
  }
  return wzorce;
}

function naszePliki(wzorce) {
  const pliki = new Set();
  for (const [folder, wzory] of wzorce) {
    let nazwy = [];
    try {
      nazwy = readdirSync(folder);
    } catch {
      continue;
    }
    for (const nazwa of nazwy) {
      if (wzory.some((w) => w.test(nazwa))) {
        pliki.add(path.join(folder, nazwa));
      }
    }
  }
  return pliki;
}

async function glowny() {
  const zle = argumentyNieUtf8();
  if (zle.length > 0) {
    process.stderr.write(`Argument ${JSON.stringify(zle[0])} nie jest tekstem UTF-8: ta wersja `
      + 'programu (Node) nie zapisze ani nie odczyta pliku o takiej nazwie bez jej zmiany; '
      + 'użyj natywnego fazolab-batch albo nazwy w UTF-8.\n');
    process.exit(2);
  }
  // V8 first runs WebAssembly through its quick compiler and recompiles a
  // function optimised once it has run for a while. At V8's default measure
  // the runner's large one-off functions (the options, the results) also
  // qualify and are recompiled for nothing, on the second core and at exit;
  // some fifty times the default leaves that to the exchange loop, which
  // reaches it within its first series (measured: 8 % less wall time on the
  // 24-lambda series).
  setFlagsFromString('--wasm-tiering-budget=100000000');

  // Replicas run in worker threads, as natively, with the core built with
  // threads; everything else with the core without them, which is about a
  // tenth faster. Both write the same bytes.
  const argumenty = process.argv.slice(2);
  const repliki = argumenty.some((a) => /^--(powtorzenia|watki)(=|$)/.test(a));
  const watki = fileURLToPath(new URL('./fazolab-batch-watki.js', import.meta.url));
  const rdzen = repliki && existsSync(watki)
    ? watki
    : fileURLToPath(new URL('./fazolab-batch-rdzen.js', import.meta.url));

  // An interrupted run leaves what the native one leaves: the files of the
  // run before, and a word on standard error.
  const wzorce = wzorceWyjsc(argumenty);
  const zastane = naszePliki(wzorce);
  let zatrzymaj = async () => {};
  let przerwany = false;
  const przerwij = async (numer) => {
    przerwany = true;
    await zatrzymaj();
    for (const plik of naszePliki(wzorce)) {
      if (!zastane.has(plik)) {
        try {
          unlinkSync(plik);
        } catch {
          // Gone already: the run moved or removed it on its way out.
        }
      }
    }
    const poPasku = process.stderr.isTTY ? '\n' : '';
    process.stderr.write(`${poPasku}Obliczenia przerwane sygnałem ${numer}; żaden plik nie `
      + 'został zapisany ani zmieniony.\n');
    process.exit(128 + numer);
  };
  for (const [sygnal, numer] of [['SIGINT', 2], ['SIGTERM', 15], ['SIGHUP', 1]]) {
    process.once(sygnal, () => przerwij(numer));
  }

  if (rdzen === watki) {
    // Its main runs in a worker of its own already.
    bezPozycjiWPotoku('writeSync');
    bezPozycjiWPotoku('readSync');
    createRequire(import.meta.url)(rdzen);
    return;
  }
  const praca = new Worker(fileURLToPath(import.meta.url),
    { argv: argumenty, workerData: { rdzen } });
  zatrzymaj = () => praca.terminate();
  praca.on('exit', (status) => {
    if (!przerwany) {
      process.exit(status);
    }
  });
  praca.on('error', zakoncz);
}
