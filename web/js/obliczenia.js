// The computation stage: prepares a run in the engine Worker, starts and pauses it, and draws
// what the Worker reports after each chunk (lattice, gauges, labels, the live charts).
import { Silnik } from './klient.js';
import { Wykres, pobierz } from './wykres.js';
import { RysunekSieci, podpisPlaszczyzny, skala } from './rysunek.js';
import { Widok3D } from './widok3d.js';
import { ogolny, iloscAtomow, liczbaSerii } from './ustawienia.js';
import { Zakladki } from './zakladki.js';
import { KOLORY_HISTOGRAMU, slupkiHistogramu } from './histogram.js';
import { Powtorzenia } from './powtorzenia.js';
import { opisUlozenia } from './opis.js';

const $ = (id) => document.getElementById(id);
// A label rewritten after every chunk is touched only when its text changes: an unchanged text set
// again still costs a slow computer a layout of the page.
const napisz = (id, tekst) => {
  if ($(id).textContent !== tekst) $(id).textContent = tekst;
};
// The words for the picture change at a pace a listener can follow.
const OPIS_CO_MS = 10000;

export function parametryRdzenia(rodzaj, s) {
  return {
    siec: rodzaj,
    IloscAtomowOsX: s.osX,
    IloscAtomowOsY: s.osY,
    IloscAtomowOsZ: s.osZ,
    TBKoncentracja: s.koncentracja,
    TBLambda: s.lambda,
    TBLambdaKoncowa: s.lambdaKoncowa,
    TBKrok: s.krok,
    TBLiczbaPrzeskokow: s.przeskoki,
    SEMaxIloscCykli: s.iteracje,
    uklad: s.ulozenie,
    tryb: s.klasteryzacja ? 'klasteryzacja' : 'porzadkowanie',
    seria: s.seria,
  };
}

// The clock seeds a run once, as the desktop does; a typed seed repeats the batch runner's run.
export function ziarnoBiegu(s) {
  return s.ziarno !== '' ? Number(s.ziarno) : Date.now() % 4294967296;
}

export class Obliczenia {
  constructor({ ogloszenie, naZmianeBiegu, naKoniec, naAwarie }) {
    this.ogloszenie = ogloszenie;
    this.naZmianeBiegu = naZmianeBiegu;
    this.naKoniec = naKoniec;
    this.naAwarie = naAwarie;
    this.zakladki = new Zakladki(document.querySelector('#etap-obliczenia [role=tablist]'), () => this.zmianaWidocznosci());
    document.addEventListener('visibilitychange', () => this.zmianaWidocznosci());
    this.rysunek = new RysunekSieci($('ISiecXYZ'), new Image());
    this.rysunek.atomy.src = 'obrazy/ILAtomy.png';
    this.widok3d = new Widok3D($('RotSiec3D'));
    const k = $('wykresy-obliczen');
    const zapowiedz = (t, alarm) => this.ogloszenie(t, alarm);
    this.chartEnergia = new Wykres(k, {
      tytul: 'Zależność energii od ilości stanów konfig.', plik: 'energia', ogloszenie: zapowiedz,
      osX: { tytul: 'ilość iteracji' }, osY: { tytul: 'E' },
      serie: [{ rodzaj: 'linia', kolor: '#b02020', kolumna: 'E' }],
    });
    this.chartSigmaSeria = new Wykres(k, {
      tytul: 'Zależność parametru uporządkowania bliskiego zasięgu (sigma) od wartości Lambda', plik: 'sigma-lambda',
      ogloszenie: zapowiedz, osX: { tytul: 'Lambda' }, osY: { tytul: 'sigma' },
      serie: [{ rodzaj: 'punkty', kolor: '#d01010', kolumna: 'sigma' }],
    });
    this.chartSigma = new Wykres(k, {
      tytul: 'Średni parametr uporządkowania bliskiego zasięgu (sigma)', plik: 'sigma', ogloszenie: zapowiedz,
      osX: { tytul: 'ilość iteracji' }, osY: { tytul: 'sigma' },
      serie: [{ rodzaj: 'linia', kolor: '#0b4f8a', kolumna: 'sigma' }],
    });
    this.chartLA = new Wykres(k, {
      tytul: 'Prawdopodobieństwo znalezienia n atomów rodz. B w otoczeniu atomu rodz. A', plik: 'histogram',
      ogloszenie: zapowiedz, osX: { tytul: 'n' }, osY: { tytul: 'ilość atomów' },
      serie: [{ rodzaj: 'slupki', kolor: KOLORY_HISTOGRAMU[0], kolumna: 'ilość atomów' }],
    });
    $('TBLicz').addEventListener('click', () => this.licz());
    $('TBZatrzymaj').addEventListener('click', () => this.zatrzymaj());
    document.addEventListener('keydown', (e) => {
      if (e.key === 'Escape' && this.biegnie && !document.querySelector('dialog[open]')) {
        e.preventDefault();
        this.zatrzymaj();
      }
    });
    for (const id of ['RBWidok2D', 'RBWidok3D', 'CBAtomySasiadujace']) $(id).addEventListener('change', () => this.zmianaWidoku(id));
    $('TBOsZ').addEventListener('input', () => this.wyslijWidok());
    $('BZapiszObrazSieci').addEventListener('click', () => this.zapiszObraz());
    this.powtorzenia = new Powtorzenia({
      naPostep: (v, max, gotowe, n) => {
        for (const id of ['GSeriaSymulacji', 'GSeriaSymulacji2', 'GPojedynczaSymulacja', 'GPojedynczaSymulacja2']) {
          $(id).max = max;
          $(id).value = v;
          $(id).setAttribute('aria-valuetext', `${Math.floor((100 * v) / max)}%, gotowe powtórzenia: ${gotowe} z ${n}`);
        }
        $('LObliczeniaSeria').textContent = `gotowe powtórzenia: ${gotowe} z ${n}`;
      },
    });
  }

  nowySilnik() {
    this.silnik?.zakoncz();
    this.silnik = new Silnik((w) => this.odbierz(w), (tekst) => this.awaria(tekst));
    return this.silnik;
  }

  // The desktop's entry into the computation stage: layout, axes, labels, the first arrangement.
  async przygotuj(rodzaj, s, rysowanie, watki = 1) {
    // The stage is shown in one task and filled in the next, and the Worker starts in a third: on a
    // slow computer the three together hold the page for longer than a frame. "Licz" waits for all.
    $('TBLicz').disabled = true;
    await new Promise((ok) => setTimeout(ok, 0));
    this.rodzaj = rodzaj;
    this.s = s;
    this.watki = watki;
    this.powt = s.seria && s.powtorzenia > 1;
    this.scalone = null;
    this.rysowanie = rysowanie && !this.powt;
    rysowanie = this.rysowanie;
    this.biegnie = false;
    this.zakonczony = false;
    this.seriaWykresu = 1;
    this.ostatniPomiar = null;
    this.ostatniStan = null;
    this.klatki = [];
    this.zalegly = null;
    this.opisano = 0;
    $('opis-rysunku').textContent = '';
    this.ileSerii = liczbaSerii(s);
    const atomy = iloscAtomow(s, rodzaj);
    const seria = s.seria;
    $('RBWidok2D').checked = true;
    $('RBWidok3D').disabled = !(rodzaj === '3DR' && atomy <= 1000);
    $('CBAtomySasiadujace').checked = false;
    this.ustawSuwakZ();
    const ujemne = s.klasteryzacja;
    const sMin = ujemne ? -1.1 : -0.15;
    const sMax = ujemne ? 0.1 : 1.1;
    this.chartSigmaSeria.ustawOsie({ min: ujemne ? -2.45 : 0, max: ujemne ? 0.15 : 2.45 }, { min: sMin, max: sMax });
    this.chartSigma.ustawOsie({ min: 0, max: s.iteracje }, { min: sMin, max: sMax });
    this.chartEnergia.ustawOsie({ min: 0, max: s.iteracje });
    this.chartLA.ustawOsie(null, { min: 0, max: atomy });
    for (const w of [this.chartEnergia, this.chartSigmaSeria, this.chartSigma, this.chartLA]) w.wyczysc();
    this.chartEnergia.figure.hidden = seria;
    this.chartSigmaSeria.figure.hidden = !seria;
    for (const id of ['LSeriaSymulacji', 'GSeriaSymulacji', 'LSeriaSymulacji2', 'GSeriaSymulacji2']) $(id).hidden = !seria;
    for (const id of ['GPojedynczaSymulacja', 'GPojedynczaSymulacja2', 'GSeriaSymulacji', 'GSeriaSymulacji2']) {
      $(id).value = 0;
      $(id).max = id.startsWith('GSeria') ? this.ileSerii * s.iteracje : s.iteracje;
    }
    $('LObliczeniaKoncentracja').textContent = ogolny(s.koncentracja / 100);
    $('LObliczeniaIlAtWSieci').textContent = String(atomy);
    $('LObliczeniaLiczbaIteracji').textContent = String(s.iteracje);
    $('LKlatki').textContent = '-';
    this.pokazPanel();
    this.rysunek.ustawTlo(rodzaj, { x: s.osX, y: s.osY, z: s.osZ });
    // The legend shows the pictures of this pitch: balls at 16 px, green and red squares below.
    const kule = skala(rodzaj, s.osX, s.osY, s.osZ).p === 16;
    document.querySelector('.atom-a').style.background = kule ? '#d79b00' : '#00ff00';
    document.querySelector('.atom-b').style.background = kule ? '#1e28eb' : '#ff0000';
    this.zakladki.wybierz(0);
    this.licznikZakladki = 0;
    if (this.powt) {
      this.silnik?.zakoncz();
      this.silnik = null;
      $('LObliczeniaSeria').textContent = `powtórzenia: ${s.powtorzenia}, równolegle: ${Math.min(s.powtorzenia, watki)}`;
      this.ustawPrzyciski('przygotowany');
      return;
    }
    // "Licz" waits for the Worker's first arrangement: a click before it would be lost.
    this.ustawPrzyciski('przygotowanie');
    await new Promise((ok) => setTimeout(ok, 0));
    this.nowySilnik();
    const w = await this.silnik.zapytaj(
      { typ: 'przygotuj', parametry: parametryRdzenia(rodzaj, s), ziarno: ziarnoBiegu(s), rysowanie, widok: this.widok() },
      'stan',
    );
    this.odbierz(w);
    this.ustawPrzyciski('przygotowany');
  }

  // The picture as it is now, the flat drawing or the 3D view, as a PNG file.
  zapiszObraz() {
    const trzyD = $('RBWidok3D').checked;
    const nazwa = `siec-${this.rodzaj}${trzyD ? '-3d' : ''}.png`;
    ($(trzyD ? 'RotSiec3D' : 'ISiecXYZ')).toBlob((b) => {
      if (!b) {
        this.ogloszenie(`Nie udało się zapisać obrazu sieci: ${nazwa}`, true);
        return;
      }
      pobierz(b, nazwa);
      this.ogloszenie(`Zapisano obraz sieci: ${nazwa}`);
    }, 'image/png');
  }

  pokazPanel() {
    const trzyD = $('RBWidok3D').checked;
    $('PSeriaObliczen').hidden = this.rysowanie;
    $('P2D').hidden = !this.rysowanie || trzyD;
    $('P3D').hidden = !this.rysowanie || !trzyD;
    $('GBSposobWyswietlaniaSieci').hidden = !this.rysowanie;
    $('BZapiszObrazSieci').hidden = !this.rysowanie;
    $('plaszczyzna').hidden = !this.rysowanie || trzyD || this.rodzaj !== '3DR';
    $('LTrwajaObliczenia').hidden = !(this.biegnie && !this.rysowanie);
    $('LProszeCzekac').hidden = !(this.biegnie && !this.rysowanie);
  }

  ustawSuwakZ() {
    const z = $('TBOsZ');
    const sasiednie = $('CBAtomySasiadujace').checked;
    const nz = this.rodzaj === '3DR' ? this.s.osZ : 1;
    z.min = sasiednie && this.rodzaj === '3DR' ? 0 : 1;
    z.max = sasiednie && this.rodzaj === '3DR' ? nz + 1 : nz;
    z.value = Math.min(Math.max(Number(z.value) || 1, Number(z.min)), Number(z.max));
    this.opiszPlaszczyzne();
  }

  opiszPlaszczyzne() {
    const z = $('TBOsZ');
    const tekst = podpisPlaszczyzny(Number(z.value), this.s.osZ, $('CBAtomySasiadujace').checked);
    z.setAttribute('aria-valuetext', tekst);
    if (this.rodzaj === '3DR') $('PPlaszczyzna').textContent = tekst;
    else $('PPlaszczyzna').textContent = 'Płaszczyzna: (0,0,0)';
  }

  // `obraz`: whether the picture is in sight; the Worker sends no lattice while it is not.
  widok() {
    return { z: Number($('TBOsZ').value), sasiednie: $('CBAtomySasiadujace').checked, tryb3d: $('RBWidok3D').checked, obraz: this.obrazWidoczny() };
  }

  obrazWidoczny() {
    return !$('ob0').hidden && !document.hidden && !$('etap-obliczenia').hidden;
  }

  // The lattice's page shown or hidden (its tab, the browser's tab): the Worker hears it, and a
  // picture kept while hidden is drawn.
  zmianaWidocznosci() {
    if (this.obrazWidoczny()) this.rysujZalegly();
    if (this.rysowanie) this.silnik?.wyslij({ typ: 'widok', widok: this.widok() });
  }

  zmianaWidoku(id) {
    if (id === 'CBAtomySasiadujace') {
      this.rysunek.ustawTlo(this.rodzaj, { x: this.s.osX, y: this.s.osY, z: this.s.osZ });
      this.ustawSuwakZ();
    }
    $('CBAtomySasiadujace').disabled = $('RBWidok3D').checked;
    this.pokazPanel();
    this.wyslijWidok();
  }

  wyslijWidok() {
    this.opiszPlaszczyzne();
    this.silnik?.wyslij({ typ: 'widok', widok: this.widok() });
  }

  ustawPrzyciski(stan) {
    this.stanBiegu = stan;
    $('TBLicz').disabled = !(stan === 'przygotowany' || stan === 'wstrzymany');
    $('TBZatrzymaj').disabled = stan !== 'biegnie';
    // A slow computer or network keeps "Licz" disabled for seconds: it says why.
    $('LWczytywanie').textContent = stan === 'przygotowanie' ? 'Wczytywanie silnika obliczeń…' : '';
    this.naZmianeBiegu(stan);
  }

  licz() {
    if (this.biegnie || $('TBLicz').disabled) return;
    this.biegnie = true;
    this.ustawPrzyciski('biegnie');
    this.pokazPanel();
    $('TBZatrzymaj').focus();
    this.ogloszenie('Obliczenia uruchomione.');
    this.startZakladki = performance.now();
    if (this.powt) {
      this.liczPowtorzenia();
      return;
    }
    this.silnik.wyslij({ typ: 'licz' });
  }

  async liczPowtorzenia() {
    try {
      const { silnik, scalone } = await this.powtorzenia.licz(parametryRdzenia(this.rodzaj, this.s), ziarnoBiegu(this.s), this.s.powtorzenia, this.watki);
      this.silnik = silnik;
      this.scalone = scalone;
      this.koniec();
    } catch (e) {
      if (this.powtorzenia.przerwane) {
        this.biegnie = false;
        this.ustawPrzyciski('awaria');
        this.pokazPanel();
        this.ogloszenie('Obliczenia powtórzeń przerwane.');
        this.fokusPoBiegu();
      } else {
        this.awaria(e.message);
      }
    }
  }

  async zatrzymaj() {
    if (!this.biegnie) return;
    if (this.powt) {
      this.powtorzenia.przerwij();
      return;
    }
    this.biegnie = false;
    const wyslano = performance.now();
    const odp = await this.silnik.zapytaj({ typ: 'zatrzymaj', wyslano }, 'zatrzymano').catch(() => null);
    this.opoznienieZatrzymania = performance.now() - wyslano;
    if (this.zakonczony || !odp) return;
    this.ustawPrzyciski('wstrzymany');
    this.pokazPanel();
    this.opisz();
    if (document.activeElement === $('TBZatrzymaj') || document.activeElement === document.body) $('TBLicz').focus();
    this.ogloszenie('Obliczenia zatrzymane.');
  }

  odbierz(w) {
    if (w.typ === 'stan') this.pokazStan(w);
    else if (w.typ === 'obraz') this.rysuj(w.obraz);
    else if (w.typ === 'koniec') this.koniec(w.stan);
    else if (w.typ === 'blad') this.awaria(w.tekst);
  }

  // One chunk's report: the charts take every new sample; a change of series empties the charts of
  // a run and puts the finished series' last sigma on the sigma-lambda chart.
  pokazStan(w) {
    const { dane, liczba, pola } = w.pomiary;
    for (let r = 0; r < liczba; r++) {
      const o = r * pola;
      const [seria, iteracja, lambda, energia, , sigma] = dane.subarray(o, o + 6);
      if (seria !== this.seriaWykresu) {
        this.punktSerii();
        this.chartEnergia.wyczysc();
        this.chartSigma.wyczysc();
        this.seriaWykresu = seria;
      }
      this.ostatniPomiar = { lambda, sigma };
      this.chartEnergia.dodajPunkt(0, [iteracja, energia]);
      this.chartSigma.dodajPunkt(0, [iteracja, sigma]);
    }
    const p = w.pomiar;
    this.chartLA.ustawDane(0, slupkiHistogramu(p.Histogram, p.LiczbaSasiadow));
    const st = w.stan;
    this.ostatniStan = st;
    if (!this.biegnie || performance.now() - this.opisano >= OPIS_CO_MS) this.opisz();
    napisz('LObliczeniaLambda', ogolny(st.Lambda));
    napisz('LObliczeniaSeria', `${st.NrSerii} z ${this.ileSerii}`);
    const postep = w.krok?.postep;
    if (postep) {
      for (const id of ['GPojedynczaSymulacja', 'GPojedynczaSymulacja2']) {
        $(id).max = postep.pojedynczaMax;
        $(id).value = postep.pojedyncza;
        $(id).setAttribute('aria-valuetext', `${postep.pojedyncza} z ${postep.pojedynczaMax} iteracji`);
      }
      for (const id of ['GSeriaSymulacji', 'GSeriaSymulacji2']) {
        $(id).max = postep.seriaMax;
        $(id).value = postep.seria;
        $(id).setAttribute('aria-valuetext', `seria ${st.NrSerii} z ${this.ileSerii}, ${Math.floor((100 * postep.seria) / postep.seriaMax)}%`);
      }
    }
    if (w.obraz) this.rysuj(w.obraz);
    if (this.rysowanie) this.policzKlatke();
    if (this.biegnie && this.licznikZakladki < 5 && performance.now() - this.startZakladki >= 5000) {
      this.licznikZakladki = 5;
      this.pokazWykresy();
    }
  }

  // The charts' page comes forward by itself, but never from under the user's focus: someone
  // turning the 3D view or moving through the planes stays where they are.
  pokazWykresy() {
    if ($('ob0').contains(document.activeElement) || this.zakladki.wybrana === 1) return;
    this.zakladki.wybierz(1, false);
    this.ogloszenie('Pokazano stronę: Wykresy liczonych parametrów');
  }

  opisz() {
    if (!this.ostatniStan) return;
    this.opisano = performance.now();
    $('opis-rysunku').textContent = opisUlozenia(this.ostatniStan);
  }

  rysujZalegly() {
    const o = this.zalegly;
    this.zalegly = null;
    if (o) this.rysuj(o);
  }

  punktSerii() {
    if (this.ostatniPomiar) this.chartSigmaSeria.dodajPunkt(0, [this.ostatniPomiar.lambda, this.ostatniPomiar.sigma]);
    this.ostatniPomiar = null;
  }

  // A picture on a hidden page is kept, not drawn, until the page is shown.
  rysuj(o) {
    if (!o) return;
    if (!this.obrazWidoczny()) {
      this.zalegly = o;
    } else if (o.trzyD) {
      this.widok3d.ustaw(o.komorki, o.nx, o.ny, o.nz);
    } else {
      this.rysunek.rysuj(o.komorki, o.nx, o.ny, $('CBAtomySasiadujace').checked);
    }
  }

  // The frames of a run with drawing on, one per chunk's report: the pace at which the picture
  // follows the run, whether the picture is in sight or not.
  policzKlatke() {
    const teraz = performance.now();
    this.klatki.push(teraz);
    while (this.klatki[0] < teraz - 2000) this.klatki.shift();
    if (this.klatki.length > 1) {
      const fps = ((this.klatki.length - 1) * 1000) / (teraz - this.klatki[0]);
      napisz('LKlatki', fps.toFixed(1).replace('.', ','));
    }
  }

  koniec(stan) {
    if (stan) this.ostatniStan = stan;
    this.punktSerii();
    this.biegnie = false;
    this.zakonczony = true;
    for (const id of ['GPojedynczaSymulacja', 'GPojedynczaSymulacja2', 'GSeriaSymulacji', 'GSeriaSymulacji2']) $(id).value = $(id).max;
    this.ustawPrzyciski(this.s.seria ? 'koniecSerii' : 'koniecPojedynczej');
    this.pokazPanel();
    this.opisz();
    this.pokazWykresy();
    this.ogloszenie(this.s.seria ? 'Obliczenia zakończone. Przejdź do wyników.' : 'Obliczenia zakończone.');
    this.naKoniec(this.s.seria);
    this.fokusPoBiegu();
  }

  // The stopped run's button is disabled under the focus: the focus goes to the next step instead
  // of falling to the page's body.
  fokusPoBiegu() {
    const a = document.activeElement;
    if (a && a !== document.body && !a.disabled && !a.closest('[hidden]')) return;
    const cel = ['BSiecDalej', 'TBLicz', 'BSiecNowe'].map($).find((b) => !b.disabled);
    cel?.focus();
  }

  awaria(tekst) {
    this.biegnie = false;
    this.ustawPrzyciski('awaria');
    this.pokazPanel();
    this.naAwarie(tekst);
    this.fokusPoBiegu();
  }

  porzuc() {
    this.biegnie = false;
    if (this.powt) this.powtorzenia.przerwij();
    this.silnik?.zakoncz();
    this.silnik = null;
  }
}
