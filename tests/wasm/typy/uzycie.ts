// The module used as a typed script uses it: tsc --strict checks it against
// fazolab.d.mts (the test runs tsc; nothing here is run).
import { argumentyBadania, BladFazolab, wczytajFazolab } from './fazolab.mjs';
import type { Fazolab, Krok, OpcjeBadania, Sesja } from './fazolab.mjs';

const fz: Fazolab = await wczytajFazolab();
const s: Sesja = fz.nowaSesja({ siec: '2DKwadrat', IloscAtomowOsX: 20, TBLambda: 5 }, 7);
let k: Krok;
do {
  k = s.krok();
  if (k.stan === 'seriaZakonczona') {
    s.rozpocznijNastepnaSerie();
  }
} while (k.stan !== 'koniec');
const sigma: number = s.stan().Sigma;
const wyniki = s.wyniki(null);
const teksty: string[] = wyniki.Teksty.MCvkN;
const plik: Uint8Array = s.plikWynikow('csv', { Fluktuacje: true });
const przerwane = await s.liczDoKonca({ ms: 30, sygnal: new AbortController().signal });
s.usun();

const opcje: OpcjeBadania = { osie: 40, lambdy: [0.8, 0.82, 0.84], iteracje: 1e7, powtorzenia: 8, ziarno: 7 };
const badanie = fz.badanie(opcje, { wyjscie: 'csv', fluktuacje: true });
const podsumowanie: string = badanie.podsumowanie;
const czesc: string = fz.nowaReplikaBadania(opcje, { nr: 3 }).wynik();
const scalone = fz.scalRepliki([czesc], { wyjscie: 'txt' });
const rozmiary = fz.badanie({ osie: [12, 16, 24, 32], lambdy: '0.80:1.00:0.02' });
const argumenty: string[] = argumentyBadania(opcje);
const okna: string[] = argumentyBadania({ ...opcje, generator: 'okna' });
try {
  fz.nowaSesja({ TBLambda: 99 });
} catch (blad) {
  if (blad instanceof BladFazolab) {
    const komunikat: string = blad.message;
  }
}
export { sigma, teksty, plik, przerwane, podsumowanie, scalone, rozmiary, argumenty, okna };
