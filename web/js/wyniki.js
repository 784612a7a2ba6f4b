// The results stage: the core's results of the finished series on four pages (specific heat and
// transition, the replay of every stored sample, the texts and the save, the fluctuations).
import { Wykres, pobierz } from './wykres.js';
import { Zakladki } from './zakladki.js';
import { slupkiHistogramu } from './histogram.js';
import { ogolny, iloscAtomow } from './ustawienia.js';
import { SIECI } from './sieci.js';

const $ = (id) => document.getElementById(id);
const POLA_STALE_POWTORZEN = ['CBWynikiOpis', 'CBWynikiLambda', 'CBWynikiSigma', 'CBWynikiCvkN', 'CBWynikiLambdaTc', 'CBWynikiCvkNTc'];
const TYPY = { csv: 'text/csv', txt: 'text/plain', xlsx: 'application/vnd.openxmlformats-officedocument.spreadsheetml.sheet' };

// Points of a chart from the core: {x, y} objects or a flat array of x, y pairs.
export function punkty(seria) {
  if (!seria) return [];
  if (ArrayBuffer.isView(seria) || typeof seria[0] === 'number') {
    const wynik = [];
    for (let i = 0; i + 1 < seria.length; i += 2) wynik.push([seria[i], seria[i + 1]]);
    return wynik;
  }
  return Array.from(seria, (p) => [p.x, p.y]);
}

// Bar heights of a replayed histogram, one per number of unlike neighbours.
function wysokosci(seria) {
  return seria ? Array.from(seria, (v) => (typeof v === 'number' ? v : v.y)) : [];
}

// The memos' lines as the core gives them (a list, or one text).
function linie(t) {
  return Array.isArray(t) ? t.join('\n') : String(t ?? '');
}

export class Wyniki {
  constructor({ ogloszenie, naZapis = () => {} }) {
    this.ogloszenie = ogloszenie;
    this.naZapis = naZapis;
    const zapowiedz = (t, alarm) => this.ogloszenie(t, alarm);
    this.zakladki = new Zakladki(document.querySelector('#etap-wyniki [role=tablist]'));
    const c = $('wykresy-ciepla');
    this.chartSigmaLambda = new Wykres(c, {
      tytul: 'Zależność parametru uporządkowania bliskiego zasięgu od Lambda', plik: 'sigma-lambda-wyniki', ogloszenie: zapowiedz,
      osX: { tytul: 'Lambda' }, osY: { tytul: 'sigma' },
      serie: [
        { rodzaj: 'punkty', kolor: '#d01010', nazwa: 'Wart. doświadczalne' },
        { rodzaj: 'linia', kolor: '#0b6e6e', nazwa: 'Krzywa aproksymowana' },
        // The legend's two entries fill its width, as on the desktop: the curve is named by its
        // title in the core's words, set with its points.
        { rodzaj: 'linia', kolor: '#707070', nazwa: '', opcjonalna: true, poza: true },
      ],
    });
    this.chartCvkN = new Wykres(c, {
      tytul: 'Zależność ciepła właściwego od wartości Lambda', plik: 'cvkn-lambda', ogloszenie: zapowiedz,
      osX: { tytul: 'Lambda' }, osY: { tytul: 'Cv/kN' },
      serie: [{ rodzaj: 'linia', kolor: '#2e7d00', nazwa: 'CvkN' }],
    });
    const o = $('wykresy-odtwarzania');
    this.chartSigma2 = new Wykres(o, {
      tytul: 'Średni parametr uporządkowania bliskiego zasięgu dla wybranej serii', plik: 'sigma-serii', ogloszenie: zapowiedz,
      osX: { tytul: 'ilość iteracji' }, osY: { tytul: 'sigma' },
      serie: [{ rodzaj: 'linia', kolor: '#0b4f8a', kolumna: 'sigma' }],
    });
    this.chart5 = new Wykres(o, {
      tytul: 'Prawdopodobieństwo znalezienia n atomów rodz. B w otoczeniu atomu rodz. A (przed symulacją)', plik: 'histogram-cykl',
      ogloszenie: zapowiedz, osX: { tytul: 'n' }, osY: { tytul: 'ilość atomów' },
      serie: [{ rodzaj: 'slupki', kolor: '#808000', kolumna: 'ilość atomów' }],
    });
    this.chart6 = new Wykres(o, {
      tytul: 'Prawdopodobieństwo znalezienia n atomów rodz. B w otoczeniu atomu rodz. A (po symulacji)', plik: 'histogram-koniec',
      ogloszenie: zapowiedz, osX: { tytul: 'n' }, osY: { tytul: 'ilość atomów' },
      serie: [{ rodzaj: 'slupki', kolor: '#808000', kolumna: 'ilość atomów' }],
    });
    this.chartFluktuacje = new Wykres($('wykresy-fluktuacji'), {
      tytul: 'Ciepło właściwe z fluktuacji energii', plik: 'fluktuacje', ogloszenie: zapowiedz,
      osX: { tytul: 'Lambda' }, osY: { tytul: 'Cv/kN' },
      serie: [
        { rodzaj: 'bledy', kolor: '#7a1fa2', nazwa: 'Cv/kN (fluktuacje)' },
        { rodzaj: 'linia', kolor: '#707070', nazwa: 'λ_c sieci nieskończonej', opcjonalna: true },
      ],
    });
    $('TBNrSerii').addEventListener('input', () => this.pokazCykl());
    $('SENrCyklu').addEventListener('change', () => this.pokazCykl());
    $('TBPoczatek').addEventListener('click', () => this.ustawCykl(0));
    $('TBKoniec').addEventListener('click', () => this.ustawCykl(Number($('SENrCyklu').max)));
    $('TBAutoPokazPlay').addEventListener('click', () => this.pokaz());
    $('TBAutoPokazStop').addEventListener('click', () => this.zatrzymajPokaz());
    $('SEOdswierzanie').addEventListener('change', () => this.ustawTempo());
    $('BZapiszWyniki').addEventListener('click', () => this.zapisz());
  }

  // Enters the stage after a finished series: asks the core for the results and fills the pages.
  async pokazWyniki({ silnik, rodzaj, s, stan, scalone }) {
    this.silnik = silnik;
    this.rodzaj = rodzaj;
    this.s = s;
    this.scalone = scalone ?? null;
    this.zakladki.wybierz(0);
    const odp = scalone ? { wyniki: scalone.wyniki, fluktuacje: scalone.fluktuacje } : await silnik.zapytaj({ typ: 'wyniki', stopien: null }, 'wyniki');
    this.nazwa = odp.nazwa ?? SIECI[rodzaj].plik;
    // The histogram's bars and their scale by the core's lattice: its coordination number and atoms.
    this.liczbaSasiadow = stan.LiczbaSasiadow;
    this.atomy = stan.IloscAtomow;
    const w = odp.wyniki;
    const t = w.Teksty;
    this.chartSigmaLambda.ustawOsie(
      { min: s.klasteryzacja ? -2.45 : 0, max: s.klasteryzacja ? 0.15 : 2.45 },
      { min: s.klasteryzacja ? -1.1 : -0.15, max: s.klasteryzacja ? 0.1 : 1.1 },
    );
    this.chartSigmaLambda.ustawDane(0, punkty(w.Series9));
    this.chartSigmaLambda.ustawDane(1, punkty(w.Series10));
    this.chartCvkN.ustawDane(0, punkty(w.Series5));
    $('LWynikiLambdaTc').textContent = t.ELambdaTc;
    $('LWynikiTempTc').textContent = t.ECvkNTc;
    // The fit's transition, said to be the fit's, or the warning that stands in its place.
    $('LUwagaCvkNTc').textContent = t.UwagaCvkNTc || t.UwagaDopasowania;
    $('LUwagaCvkNTc').title = t.OpisDopasowania;
    // Both ends without the sign of clustering, as the desktop shows them.
    $('LWynikiLambda').textContent = ogolny(s.lambda / 10);
    $('LWynikiLambdaKoncowa').textContent = ogolny(s.lambdaKoncowa / 10);
    $('LWynikiKrok').textContent = ogolny(s.krok / 10);
    $('LWynikiKonceentracja').textContent = ogolny(s.koncentracja / 100);
    $('LWynikiLiczAtWSieci').textContent = String(iloscAtomow(s, rodzaj));
    $('LWynikiLiczbaIteracji').textContent = String(s.iteracje);
    $('MOpisSieci').value = linie(t.MOpisSieci);
    $('MLambda').value = linie(t.MLambda);
    $('MSigma').value = linie(t.MSigma);
    $('MCvkN').value = linie(t.MCvkN);
    $('ELambdaTc').value = t.ELambdaTc;
    $('ECvkNTc').value = t.ECvkNTc;
    // Every series in sight: the lists grow with the series instead of scrolling.
    for (const id of ['MLambda', 'MSigma', 'MCvkN']) $(id).rows = Math.max(4, $(id).value.split('\n').length);
    for (const id of ['CBWynikiOpis', 'CBWynikiLambda', 'CBWynikiSigma', 'CBWynikiCvkN', 'CBWynikiLambdaTc']) $(id).checked = true;
    // The replicas' file has the batch runner's fixed fields: boxes it would not honour are not offered.
    for (const id of POLA_STALE_POWTORZEN) {
      $(id).disabled = Boolean(scalone);
      if (scalone) $(id).checked = true;
    }
    $('LPolaPowtorzen').hidden = !scalone;
    $('podsumowanie-powtorzen').hidden = !scalone;
    $('PPodsumowanie').textContent = scalone?.podsumowanie ?? '';
    const f = odp.fluktuacje;
    const cv = (f?.Serie ?? []).filter((p) => Number.isFinite(p.CvkN)).map((p) => [p.Lambda, p.CvkN, Number.isFinite(p.Blad) ? p.Blad : 0]);
    this.chartFluktuacje.ustawDane(0, cv);
    // The infinite lattice's lambda_c as an upright line over the points' height.
    // Clustering runs at negative lambdas: the line stands on their side.
    const lambdaC = (cv.some((p) => p[0] < 0) ? -1 : 1) * (f?.LambdaKrytyczna ?? NaN);
    const gora = Math.max(0, ...cv.map((p) => p[1] + p[2]));
    this.chartFluktuacje.ustawDane(1, Number.isFinite(lambdaC) && gora > 0 ? [[lambdaC, 0], [lambdaC, gora]] : []);
    this.chartSigmaLambda.o.serie[2].nazwa = f?.Teksty?.OpisSigmyOnsagera ?? '';
    this.chartSigmaLambda.ustawDane(2, f?.SigmaOnsagera ?? []);
    // The page has the room the desktop's chart lacks: the curve is named under the charts too.
    $('LOpisSigmyOnsagera').textContent = f?.Teksty?.OpisSigmyOnsagera ?? '';
    $('LOpisSigmyOnsagera').hidden = !f?.SigmaOnsagera?.length;
    $('LOdniesienieSieci').textContent = f?.Teksty?.OdniesienieSieci ?? '';
    $('LPrzejscieFluktuacjiPodpis').textContent = f?.Teksty?.EPodpisPrzejscia ?? 'λ_max dla tej sieci:';
    $('LPrzejscieFluktuacji').textContent = f?.Teksty?.EPrzejscie ?? '';
    $('LGranicaSieci').textContent = f?.Teksty?.UwagaGranicySieci ?? '';
    $('MRownowaga').value = linie(f?.Teksty?.ERownowaga);
    const odtwarzanie = !scalone;
    $('tab-wy1').hidden = !odtwarzanie;
    $('wy1').classList.toggle('bez-wydruku', !odtwarzanie);
    if (odtwarzanie) {
      const serii = stan.NrSerii;
      $('TBNrSerii').max = serii;
      $('TBNrSerii').value = 1;
      const cykl = $('SENrCyklu');
      cykl.min = 0;
      cykl.max = stan.MaxIloscCykli;
      cykl.step = stan.PrzedzialCzasowy;
      cykl.value = 0;
      await this.pokazCykl();
    }
  }

  ustawCykl(v) {
    const c = $('SENrCyklu');
    const w = Math.min(Math.max(v, Number(c.min)), Number(c.max));
    if (Number(c.value) === w) return;
    c.value = w;
    return this.pokazCykl();
  }

  async pokazCykl() {
    const seria = Number($('TBNrSerii').value);
    const c = $('SENrCyklu');
    const iteracja = Math.min(Math.max(Math.trunc(Number(c.value)) || 0, 0), Number(c.max));
    c.value = iteracja;
    $('LNrSerii').textContent = String(seria);
    $('TBNrSerii').setAttribute('aria-valuetext', `seria ${seria} z ${$('TBNrSerii').max}`);
    const odp = await this.silnik.zapytaj({ typ: 'cykl', seria, iteracja }, 'cykl').catch(() => null);
    if (!odp) return;
    const k = odp.cykl;
    $('LWynikiLambdaInfo').textContent = ogolny(k.LambdaSerii);
    this.chartSigma2.ustawOsie({ min: 0, max: Number(c.max) }, { min: this.s.klasteryzacja ? -1.1 : -0.15, max: this.s.klasteryzacja ? 0.1 : 1.1 });
    this.chartSigma2.ustawDane(0, punkty(k.Series8));
    for (const [wykres, seriaH] of [[this.chart5, k.Series6], [this.chart6, k.Series7]]) {
      wykres.ustawOsie(null, { min: 0, max: this.atomy });
      wykres.ustawDane(0, slupkiHistogramu(wysokosci(seriaH), this.liczbaSasiadow));
    }
  }

  pokaz() {
    $('TBAutoPokazPlay').disabled = true;
    $('TBAutoPokazStop').disabled = false;
    $('TBAutoPokazStop').focus();
    this.ustawCykl(0);
    this.ustawTempo(true);
  }

  ustawTempo(start = false) {
    const pole = $('SEOdswierzanie');
    const ms = Math.min(5000, Math.max(100, Math.round((Number(pole.value) || 500) / 100) * 100));
    pole.value = ms;
    if (!start && !this.timer) return;
    clearInterval(this.timer);
    this.timer = setInterval(() => {
      const c = $('SENrCyklu');
      this.ustawCykl(Number(c.value) + Number(c.step));
      if (Number(c.value) >= Number(c.max)) this.zatrzymajPokaz();
    }, ms);
  }

  zatrzymajPokaz() {
    clearInterval(this.timer);
    this.timer = null;
    const fokus = document.activeElement === $('TBAutoPokazStop');
    $('TBAutoPokazStop').disabled = true;
    $('TBAutoPokazPlay').disabled = false;
    if (fokus) $('TBAutoPokazPlay').focus();
  }

  pola() {
    return {
      Opis: $('CBWynikiOpis').checked,
      Lambda: $('CBWynikiLambda').checked,
      Sigma: $('CBWynikiSigma').checked,
      CvkN: $('CBWynikiCvkN').checked,
      LambdaTc: $('CBWynikiLambdaTc').checked,
      CvkNTc: $('CBWynikiCvkNTc').checked,
      Fluktuacje: $('CBWynikiFluktuacje').checked,
    };
  }

  // The file's bytes come from the core; the page only hands them to the browser's download.
  async zapisz() {
    const plik = $('typ-pliku').value;
    const nazwa = `${this.nazwa}.${plik}`;
    try {
      let bajty;
      if (this.scalone) {
        const odp = await this.silnik.zapytaj({ typ: 'scal', czesci: this.scalone.czesci, wyjscie: plik, fluktuacje: $('CBWynikiFluktuacje').checked }, 'scalone');
        bajty = odp.wynik.plik;
      } else {
        bajty = (await this.silnik.zapytaj({ typ: 'plik', plik, pola: this.pola() }, 'plik')).bajty;
      }
      pobierz(new Blob([bajty], { type: TYPY[plik] }), nazwa);
      this.naZapis();
      this.ogloszenie(`Zapisano wyniki do pliku ${nazwa}.`);
    } catch (e) {
      this.ogloszenie(`Nie udało się zapisać wyników do pliku ${nazwa}: ${e.message}`, true);
    }
  }

  zatrzymaj() {
    this.zatrzymajPokaz();
  }
}
