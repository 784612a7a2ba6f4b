// The JavaScript module's sessions and replicas against the native batch
// runner with the same parameters and seed: the same samples, the same bytes
// of the results file in every type, the same summary of replicas; bad
// input and a module out of memory give Polish errors and leave it usable.
import assert from 'node:assert/strict';
import path from 'node:path';
import { before, describe, test } from 'node:test';

import { readFileSync } from 'node:fs';

import { KORZEN, natywnie, sprawdzBudowy, trescSkoroszytu, WEB } from './pomocnicze.mjs';

let fz;
let BladFazolab;
before(async () => {
  sprawdzBudowy();
  const modul = await import(path.join(WEB, 'fazolab.mjs'));
  BladFazolab = modul.BladFazolab;
  fz = await modul.wczytajFazolab();
});

// The window's parameters as the batch runner's options.
function opcje(p, ziarno) {
  const d = { ...fz.domyslneParametry(), ...p };
  const osie = d.siec === '3DR'
    ? `${d.IloscAtomowOsX}x${d.IloscAtomowOsY}x${d.IloscAtomowOsZ}`
    : `${d.IloscAtomowOsX}x${d.IloscAtomowOsY}`;
  const lambda = d.seria
    ? `${d.TBLambda / 10}:${d.TBLambdaKoncowa / 10}:${d.TBKrok / 10}` : `${d.TBLambda / 10}`;
  return ['--siec', d.siec, '--osie', osie, '--koncentracja', String(d.TBKoncentracja / 100),
    '--lambda', lambda, '--co', String(d.TBLiczbaPrzeskokow * 100), '--iteracje',
    String(d.SEMaxIloscCykli), '--uklad', d.uklad, '--tryb', d.tryb, '--ziarno', String(ziarno)];
}

// The same with the window's generator, which a session (the window's engine) draws from.
const opcjeOkna = (p, ziarno) => [...opcje(p, ziarno), '--generator', 'okna'];

// A whole run the way the window's driver takes it, the samples gathered.
function przebieg(s, zRysowaniem) {
  const probki = [];
  const odbierz = () => {
    const { liczba, pola, dane } = s.nowePomiary();
    for (let i = 0; i < liczba; i += 1) {
      probki.push(Array.from(dane.subarray(i * pola, (i + 1) * pola)));
    }
  };
  odbierz();
  for (let k = { stan: 'trwa' }; k.stan !== 'koniec';) {
    k = zRysowaniem ? s.krok() : s.licz(30);
    odbierz();
    if (k.stan === 'seriaZakonczona') {
      s.rozpocznijNastepnaSerie();
      odbierz();
    }
  }
  return probki;
}

// The native trace's lines as numbers (17 significant digits read back
// exactly), with the bars a lattice lacks as NaN.
function slad(csv) {
  return csv.toString('utf8').trim().split('\n').slice(1)
    .map((w) => w.split(',').map((x) => (x === '' ? NaN : Number(x))));
}

const PRZYPADKI = [
  [{ siec: '2DKwadrat', TBKrok: 3 }, 1],
  [{ siec: '3DR', IloscAtomowOsX: 6, IloscAtomowOsY: 8, IloscAtomowOsZ: 6, TBLambda: 2,
    TBLambdaKoncowa: 20, TBKrok: 6, SEMaxIloscCykli: 20000, tryb: 'klasteryzacja',
    TBKoncentracja: 30 }, 2],
  [{ siec: '2DTrojkat', IloscAtomowOsX: 12, IloscAtomowOsY: 12, TBLambda: 4, TBKrok: 4,
    SEMaxIloscCykli: 30000, TBLiczbaPrzeskokow: 3, uklad: 'uporzadkowane' }, 3],
  [{ siec: '2DHeksagonalna', TBLambda: 3, TBLambdaKoncowa: 15, TBKrok: 2, SEMaxIloscCykli: 20000,
    tryb: 'klasteryzacja', uklad: 'wydzielenie' }, 4],
];

describe('sesja jak okno', () => {
  for (const [p, ziarno] of PRZYPADKI) {
    test(`${p.siec}: próbki, model wyników i pliki jak fazolab-batch`, () => {
      const argumenty = opcjeOkna(p, ziarno);
      const s = fz.nowaSesja(p, ziarno);
      try {
        const probki = przebieg(s, p.siec === '2DKwadrat');
        const wzor = natywnie([...argumenty, '--przebieg', 'p.csv']).pliki['p.csv'];
        const oczekiwane = slad(wzor);
        assert.equal(probki.length, oczekiwane.length);
        probki.forEach((r, i) => {
          const o = oczekiwane[i];
          const z = r[6];
          // seria, lambda, iteracja, energia, sigma, pary, słupki 0..z
          assert.deepEqual([r[0], r[2], r[1], r[3], r[5], r[4], ...r.slice(7, 8 + z)],
            o.slice(0, 7 + z), `próbka ${i}`);
        });

        const siec = s.siec();
        let atomyA = 0;
        for (let z = 1; z <= siec.nz; z += 1) {
          for (let y = 1; y <= siec.ny; y += 1) {
            for (let x = 1; x <= siec.nx; x += 1) {
              atomyA += siec.komorki[x + y * siec.krokY + z * siec.krokZ - siec.baza] & 1;
            }
          }
        }
        assert.equal(atomyA, s.stan().IloscAtomowA);
        assert.equal(s.pomiar().Iteracja, probki.at(-1)[1]);

        const wyniki = s.wyniki();
        assert.equal(wyniki.Teksty.MLambda.length, s.stan().NrSerii);
        const fl = s.fluktuacje();
        assert.equal(fl.Serie.length, s.stan().NrSerii);
        assert.match(fl.Teksty.EPodpisPrzejscia, /^λ_max dla tej sieci \(\d+( × \d+)+\):$/);
        for (const [typ, zFluktuacjami] of [['csv', false], ['txt', true], ['xlsx', true]]) {
          const plik = `w.${typ}`;
          const n = natywnie([...argumenty, '--wyjscie', plik, ...(zFluktuacjami ? ['--fluktuacje'] : [])]);
          assert.equal(n.status, 0, n.bledy);
          const bajty = s.plikWynikow(typ, { Fluktuacje: zFluktuacjami });
          if (typ === 'xlsx') {
            assert.deepEqual(trescSkoroszytu(bajty), trescSkoroszytu(n.pliki[plik]));
          } else {
            assert.ok(Buffer.from(bajty).equals(n.pliki[plik]), `${typ} różni się`);
          }
        }
        const widok = s.cykl(1, 5000);
        assert.equal(widok.Series6.length, s.stan().LiczbaSasiadow + 1);
      } finally {
        s.usun();
      }
    });
  }

  test('pliki z wybranymi polami i stopniem, jak je zapisuje okno', () => {
    const s = fz.nowaSesja({ TBKrok: 2 }, 9);
    przebieg(s, false);
    s.wyniki(3);
    const bajty = Buffer.from(s.plikWynikow('csv', { Opis: false, CvkNTc: false }));
    const tekst = bajty.toString('latin1');
    assert.ok(!tekst.includes('Siec:'));
    assert.ok(tekst.includes('\r\n'));
    assert.equal(s.nazwaPliku(), '2DKwadratowa');
    s.usun();
  });
});

describe('postęp i przerwanie', () => {
  test('postęp po każdym kawałku; przerwany bieg idzie dalej jak nieprzerwany', async () => {
    const p = { TBLambda: 6, TBLambdaKoncowa: 14, TBKrok: 4, SEMaxIloscCykli: 100000 };
    const s = fz.nowaSesja(p, 8);
    const postepy = [];
    const przerwij = new AbortController();
    const przerwany = await s.liczDoKonca({
      ms: 1,
      sygnal: przerwij.signal,
      naPostep: (k) => {
        postepy.push(k.postep.seria);
        if (postepy.length === 3) {
          przerwij.abort();
        }
      },
    });
    assert.equal(przerwany.stan, 'przerwane');
    assert.equal(postepy.length, 3);
    assert.ok(postepy[0] < postepy[2] && postepy[2] < 300000);
    const koniec = await s.liczDoKonca({ ms: 20 });
    assert.equal(koniec.stan, 'koniec');
    assert.equal(koniec.postep.seria, koniec.postep.seriaMax);
    s.wyniki();
    const n = natywnie([...opcjeOkna(p, 8), '--wyjscie', 'w.csv']);
    assert.ok(Buffer.from(s.plikWynikow('csv')).equals(n.pliki['w.csv']));
    s.usun();
  });
});

describe('powtórzenia w osobnych silnikach', () => {
  test('części scalone dają podsumowanie i plik fazolab-batch --powtorzenia', () => {
    const p = { TBLambda: 5, TBLambdaKoncowa: 17, TBKrok: 3, SEMaxIloscCykli: 20000 };
    const czesci = [0, 1, 2].map((nr) => {
      const r = fz.nowaReplika(p, { ziarno: 21, nr, powtorzenia: 3 });
      while (r.licz(20).stan !== 'koniec');
      const tekst = r.wynik();
      r.usun();
      return tekst;
    });
    const b = fz.scalRepliki(czesci, { wyjscie: 'csv', fluktuacje: true });
    const n = natywnie([...opcje(p, 21), '--powtorzenia', '3', '--wyjscie', 'w.csv', '--fluktuacje']);
    assert.equal(b.podsumowanie, n.wyjscie);
    assert.ok(Buffer.from(b.plik).equals(n.pliki['w.csv']));
    assert.equal(b.wyniki.Teksty.MLambda.length, 5);
    // A short study may leave the peak undetermined; either way the page gets
    // the core's own words for it.
    assert.match(b.fluktuacje.Teksty.EPrzejscie, /^λ( = |: nie wyznaczono)/);
    assert.match(b.fluktuacje.Teksty.EPodpisPrzejscia, /^λ_max dla tej sieci( \(\d+ × \d+\))?:$/);
    assert.throws(() => fz.scalRepliki(czesci.slice(1)), BladFazolab);
    // A forged header (231 series) and a part cut short: Polish words, and
    // the module goes on merging.
    const podrobiony = readFileSync(
      path.join(KORZEN, 'tests/fuzz/regresje/plik_powtorzen/231-serii.txt'), 'utf8');
    assert.throws(() => fz.scalRepliki([podrobiony]),
      (b) => b instanceof BladFazolab && /„lambdy” ma 26 pól zamiast 233/.test(b.message));
    for (const dlugosc of [czesci[2].length - 1, czesci[2].lastIndexOf('\npary ') + 3, 100]) {
      assert.throws(() => fz.scalRepliki([czesci[0], czesci[1], czesci[2].slice(0, dlugosc)]),
        BladFazolab, `ucięty po ${dlugosc}`);
    }
    assert.equal(fz.scalRepliki(czesci).podsumowanie, n.wyjscie);
  });

  test('powtórzenia z kontrolą dwóch startów scalone jak fazolab-batch --dwa-starty', () => {
    const p = { TBLambda: 5, TBLambdaKoncowa: 11, TBKrok: 3, SEMaxIloscCykli: 20000 };
    const czesci = [0, 1].map((nr) => {
      const r = fz.nowaReplika(p, { ziarno: 5, nr, powtorzenia: 2, dwaStarty: true });
      while (r.licz(20).stan !== 'koniec');
      const tekst = r.wynik();
      r.usun();
      return tekst;
    });
    const b = fz.scalRepliki(czesci, { wyjscie: 'txt', fluktuacje: true });
    const n = natywnie([...opcje(p, 5), '--powtorzenia', '2', '--dwa-starty', '--wyjscie', 'w.txt',
      '--fluktuacje']);
    assert.equal(b.podsumowanie, n.wyjscie);
    assert.ok(Buffer.from(b.plik).equals(n.pliki['w.txt']));
  });
});

describe('parametry okna jednym obiektem', () => {
  test('nazwy i wartości domyślne z jednej listy rdzenia, zgodne z oknem', () => {
    const nazwy = fz.polaParametrow.map((p) => p.nazwa);
    assert.deepEqual(Object.keys(fz.domyslneParametry()), nazwy);
    const { uklad, tryb, ...liczby } = fz.domyslneRdzenia;
    assert.deepEqual({ ...fz.domyslneParametry(), uklad: 'przypadkowe', tryb: 'porzadkowanie' },
      { ...liczby, uklad: ['przypadkowe', 'uporzadkowane', 'wydzielenie'][uklad],
        tryb: ['porzadkowanie', 'klasteryzacja'][tryb] });
    // Every declared field is taken: the defaults handed back run as they are.
    const s = fz.nowaSesja({ ...fz.domyslneParametry(), SEMaxIloscCykli: 10000, TBKrok: 12 }, 4);
    assert.equal(s.stan().Krok, 1.2);
    s.usun();
  });

  test('pojedyncza symulacja w powtórzeniu: ta sama część co fazolab-batch --lambda S', () => {
    const p = { seria: false, TBLambda: 7, TBLambdaKoncowa: 9, TBKrok: 1, SEMaxIloscCykli: 10000 };
    const czesci = [0, 1].map((nr) => {
      const r = fz.nowaReplika(p, { ziarno: 11, nr, powtorzenia: 2 });
      while (r.licz(20).stan !== 'koniec');
      const tekst = r.wynik();
      r.usun();
      return tekst;
    });
    const n = natywnie(['--lambda', '0.7', '--iteracje', '10000', '--ziarno', '11', '--powtorzenia', '2',
      '--powtorzenia-plik', 'p.txt']);
    assert.equal(n.status, 0, n.bledy);
    assert.equal(fz.scalRepliki(czesci).podsumowanie, n.wyjscie);
  });
});

describe('generator powtórzeń', () => {
  test('domyślnie 64-bitowy ze strumieniem powtórzenia, na życzenie generator okna', () => {
    const p = { TBLambda: 5, TBLambdaKoncowa: 11, TBKrok: 3, SEMaxIloscCykli: 10000 };
    const czesci = (generator) => [0, 1].map((nr) => {
      const r = fz.nowaReplika(p, { ziarno: 103, nr, powtorzenia: 2, generator });
      while (r.licz(20).stan !== 'koniec');
      const tekst = r.wynik();
      r.usun();
      return tekst;
    });
    const xoshiro = czesci(null);
    const okna = czesci('okna');
    assert.match(xoshiro[0], /\npowtorzenia 2\ngenerator xoshiro\n/);
    assert.doesNotMatch(okna[0], /generator/);
    const b = fz.scalRepliki(okna, { wyjscie: 'csv' });
    const n = natywnie([...opcje(p, 103), '--powtorzenia', '2', '--generator', 'okna', '--wyjscie',
      'w.csv']);
    assert.equal(b.podsumowanie, n.wyjscie);
    assert.ok(Buffer.from(b.plik).equals(n.pliki['w.csv']));
    assert.throws(() => fz.scalRepliki([xoshiro[0], okna[1]]), /różnymi generatorami/);
    assert.throws(() => fz.nowaReplika(p, { generator: 'mt' }), /Błędny generator: dozwolone okna, xoshiro/);
  });
});

describe('zły wybór i brak pamięci', () => {
  test('zły parametr okna: polskie zdanie z nazwą pola i tym, co dozwolone', () => {
    for (const [p, tresc] of [
      [{ IloscAtomowOsX: 7 }, 'Błędna wartość parametru IloscAtomowOsX: dozwolone parzyste liczby od 6 do 100.'],
      [{ TBKoncentracja: 60 }, 'Błędna wartość parametru TBKoncentracja: dozwolone liczby całkowite od 10 do 50 (setne części atomów A).'],
      [{ siec: 'Kolo' }, 'Błędna wartość parametru siec: dozwolone 3DR, 2DKwadrat, 2DTrojkat lub 2DHeksagonalna.'],
      [{ TBLambda: 0 }, 'Błędna wartość parametru TBLambda: dozwolone liczby całkowite od 1 do 24 (dziesiąte części λ: 0.1..2.4).'],
      [{ TBLambda: 5, TBLambdaKoncowa: 3 }, 'Błędna wartość parametru TBLambdaKoncowa: dozwolone liczby całkowite od 5 do 24 (dziesiąte części λ: 0.5..2.4), nie mniej niż TBLambda.'],
      [{ TBLambda: 5, TBLambdaKoncowa: 9, TBKrok: 6 }, 'Błędna wartość parametru TBKrok: dozwolone liczby całkowite od 1 do 5 (TBLambdaKoncowa - TBLambda + 1).'],
      [{ TBLiczbaPrzeskokow: 30 }, 'Błędna wartość parametru TBLiczbaPrzeskokow: dozwolone liczby całkowite od 1 do 20 (setki iteracji między próbkami).'],
      [{ SEMaxIloscCykli: 2000000 }, 'Błędna wartość parametru SEMaxIloscCykli: dozwolone liczby całkowite od 10000 do 1000000.'],
      [{ uklad: 'losowe' }, 'Błędna wartość parametru uklad: dozwolone przypadkowe, uporzadkowane lub wydzielenie.'],
      [{ tryb: 'mieszanie' }, 'Błędna wartość parametru tryb: dozwolone porzadkowanie lub klasteryzacja.'],
      // The positions are whole: a tenth and a half of lambda is a wrong type, not a rounded value.
      [{ TBLambda: 1.5 }, 'Błędny typ parametru TBLambda: oczekiwano liczby całkowitej.'],
      [{ TBLambda: '2' }, 'Błędny typ parametru TBLambda: oczekiwano liczby całkowitej.'],
      [{ siec: 3 }, 'Błędny typ parametru siec: oczekiwano tekstu.'],
      [{ seria: 1 }, 'Błędny typ parametru seria: oczekiwano wartości true lub false.'],
      [{ Iteracje: 5 }, 'Nieznany parametr: Iteracje.'],
    ]) {
      assert.throws(() => fz.nowaSesja(p, 1), (e) => e instanceof BladFazolab && e.message === tresc,
        JSON.stringify(p));
      assert.throws(() => fz.nowaReplika(p, { ziarno: 1 }), (e) => e.message === tresc, JSON.stringify(p));
    }
    assert.throws(() => fz.nowaSesja({}, -1), /Błędne ziarno: dozwolone liczby całkowite od 0 do 4294967295\.$/);
    assert.throws(() => fz.nowaSesja({}, 2 ** 32), /Błędne ziarno/);
    assert.throws(() => fz.nowaSesja(5), /Parametry to obiekt/);
    assert.throws(() => fz.nowaReplika({}, { nr: 3, powtorzenia: 3 }), /powtórzenia/);
    assert.throws(() => fz.nowaReplika({}, { powtorzenia: 65 }), /Błędna liczba powtórzeń/);
    assert.throws(() => fz.nowaReplika({}, { stopien: 25 }), /Błędny stopień/);
    assert.throws(() => fz.nowaReplika({ TBKoncentracja: 30 }, { dwaStarty: true }),
      /wymaga TBKoncentracja 50/);
    // A single run does not use the end and the step: they are not checked.
    const s = fz.nowaSesja({ seria: false, TBLambda: 7, TBLambdaKoncowa: 3, TBKrok: 90,
      SEMaxIloscCykli: 10000 }, 2);
    assert.equal(s.stan().Lambda, 0.7);
    s.usun();
  });

  test('brak pamięci to błąd po polsku, a moduł działa dalej', () => {
    const sesje = [];
    let blad;
    try {
      for (let i = 0; i < 400 && !blad; i += 1) {
        try {
          sesje.push(fz.nowaSesja({}, i));
        } catch (e) {
          blad = e;
        }
      }
    } finally {
      sesje.forEach((s) => s.usun());
    }
    assert.ok(blad instanceof BladFazolab, String(blad));
    assert.match(blad.message, /^Za mało pamięci/);
    const s = fz.nowaSesja({ SEMaxIloscCykli: 10000 }, 1);
    assert.equal(przebieg(s, false).length > 0, true);
    s.usun();
  });
});
