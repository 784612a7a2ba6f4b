// The page's stages: start (choice of lattice), then the simulation window's three stages with the
// one row of stage buttons, the questions, the help and the announcements.
import * as U from './ustawienia.js';
import { Obliczenia } from './obliczenia.js';
import { Wyniki } from './wyniki.js';
import { zapytaj } from './pytanie.js';
import { otworzPomoc, kontekstPomocy } from './pomoc.js';
import { zarejestruj } from './wersja.js';
import { czytajLink, linkUstawien } from './link.js';
import { narysujWszystkie } from './wykres.js';
import { tytulOkna } from './sieci.js';

const $ = (id) => document.getElementById(id);
const WATKI = Math.max(1, navigator.hardwareConcurrency || 1);

// What each stage shows in the button row: the forward button's caption and whether the three
// buttons are enabled (the run's state decides during the computation stage).
const ETAPY = {
  ustawienia: { slowo: 'Ustawienia', dalej: 'Obliczenia', dalejWl: () => true, nowe: () => false, koniec: () => true, pomoc: 10000 },
  obliczenia: {
    slowo: 'Obliczenia',
    dalej: 'Wyniki',
    dalejWl: (b) => b === 'koniecSerii',
    nowe: (b) => b !== 'biegnie',
    koniec: (b) => b !== 'biegnie',
    pomoc: 20000,
  },
  wyniki: { slowo: 'Wyniki', dalej: 'Zapisz wyniki', dalejWl: () => true, nowe: () => true, koniec: () => true, pomoc: 30000 },
  zapis: { slowo: 'Wyniki', dalej: 'Zapisz wyniki', dalejWl: () => false, nowe: () => true, koniec: () => true, pomoc: 33000 },
};

const stan = { rodzaj: null, etap: null, bieg: null, s: null, niezapisane: false };

// A finished series whose results were not saved is not dropped without a question, as on the
// desktop; "Nie" is the answer Enter gives.
async function mozna(pytanie) {
  return !stan.niezapisane || zapytaj(`Wyniki serii nie zostały zapisane.\n${pytanie}`, { domyslnieNie: true });
}

function ogloszenie(tekst, alarm = false) {
  const el = $(alarm ? 'alarm' : 'ogloszenia');
  el.textContent = '';
  setTimeout(() => (el.textContent = tekst), 50);
}

const obliczenia = new Obliczenia({
  ogloszenie,
  naZmianeBiegu: (b) => {
    stan.bieg = b;
    if (stan.etap === 'obliczenia') pokazEtap('obliczenia', false);
  },
  naKoniec: (seria) => (stan.niezapisane = seria),
  naAwarie: (tekst) => {
    ogloszenie(tekst, true);
    zapytaj(tekst, { tylkoOk: true });
  },
});
const wyniki = new Wyniki({ ogloszenie, naZapis: () => (stan.niezapisane = false) });

function tytul(etap) {
  return tytulOkna(stan.rodzaj, ETAPY[etap].slowo);
}

function pokazEtap(etap, zapowiedz = true) {
  stan.etap = etap;
  const e = ETAPY[etap];
  $('okno-tytul').textContent = tytul(etap);
  document.title = `${tytul(etap)} - Fazolab`;
  $('etap-ustawienia').hidden = etap !== 'ustawienia';
  $('etap-obliczenia').hidden = etap !== 'obliczenia';
  $('etap-wyniki').hidden = etap !== 'wyniki' && etap !== 'zapis';
  $('BSiecDalejNapis').textContent = e.dalej;
  $('BSiecDalej').disabled = !e.dalejWl(stan.bieg);
  $('BSiecDalej').classList.toggle('nastepny', e.dalejWl(stan.bieg));
  $('BSiecNowe').disabled = !e.nowe(stan.bieg);
  $('BSiecZamknij').disabled = !e.koniec(stan.bieg);
  $('okno').dataset.pomoc = String(e.pomoc);
  if (zapowiedz) {
    ogloszenie(`Etap: ${e.slowo}`);
    $('okno-tytul').tabIndex = -1;
    // The focus moves once the new stage is laid out by the browser's own frame: focused at once it
    // would lay the stage out inside the click, which on a slow computer outlasts a frame. A focus
    // put elsewhere meanwhile (a stage's own first field) stays where it is.
    const przed = document.activeElement;
    requestAnimationFrame(() => setTimeout(() => {
      if (document.activeElement === przed || document.activeElement === document.body) $('okno-tytul').focus();
    }, 0));
  }
}

// ---- Settings page ----

const POLA_USTAWIEN = {
  wylaczGrafike: ['CBWylaczGrafike', 'checked'],
  osX: ['SEIloscAtomowOsX', 'value'],
  osY: ['SEIloscAtomowOsY', 'value'],
  osZ: ['SEIloscAtomowOsZ', 'value'],
  rowneOsie: ['CBXRowneYZ', 'checked'],
  lambda: ['TBLambda', 'value'],
  lambdaKoncowa: ['TBLambdaKoncowa', 'value'],
  koncentracja: ['TBKoncentracja', 'value'],
  przeskoki: ['TBLiczbaPrzeskokow', 'value'],
  krok: ['TBKrok', 'value'],
  iteracje: ['SEMaxIloscCykli', 'value'],
  powtorzenia: ['SEPowtorzenia', 'value'],
  ziarno: ['EZiarno', 'value'],
};

function czytajFormularz() {
  const s = { ...stan.s };
  for (const [pole, [id, wl]] of Object.entries(POLA_USTAWIEN)) s[pole] = $(id)[wl];
  s.seria = $('RBSeriaSymulacji').checked;
  s.klasteryzacja = $('RBKlasteryzacja').checked;
  s.ulozenie = document.querySelector('input[name=ulozenie]:checked')?.value;
  return s;
}

// The range inputs of the end lambda and the step change their limits with the other controls;
// the labels beside every slider show the values the positions stand for.
function pokazUstawienia(s) {
  const w = U.widok(s, stan.rodzaj);
  $('TBLambdaKoncowa').min = w.minKoncowa;
  $('TBKrok').max = w.krokMax;
  for (const [pole, [id, wl]] of Object.entries(POLA_USTAWIEN)) $(id)[wl] = s[pole];
  $('RBSeriaSymulacji').checked = s.seria;
  $('RBPojedynczaSymulacja').checked = !s.seria;
  $('RBKlasteryzacja').checked = s.klasteryzacja;
  $('RBPorzadkowanie').checked = !s.klasteryzacja;
  $(`RB${{ przypadkowe: 'Przypadkowe', uporzadkowane: 'Uporzadkowane', wydzielenie: 'UporzadkowaneWydzielenie' }[s.ulozenie]}`).checked = true;
  for (const id of ['LLambda', 'LLambdaKoncowa', 'LKoncentracja', 'LPrzedzialCzasowy', 'LKrok', 'LKrokMax', 'LIloscAtomowWSieci']) $(id).textContent = w[id];
  if (w.LLambdaKoncowaMin) $('LLambdaKoncowaMin').textContent = w.LLambdaKoncowaMin;
  $('TBLambda').setAttribute('aria-valuetext', `λ = ${w.LLambda}`);
  $('TBLambdaKoncowa').setAttribute('aria-valuetext', `λ = ${w.LLambdaKoncowa}`);
  $('TBKoncentracja').setAttribute('aria-valuetext', `koncentracja ${w.LKoncentracja}`);
  $('TBLiczbaPrzeskokow').setAttribute('aria-valuetext', `co ${w.LPrzedzialCzasowy} iteracji`);
  $('TBKrok').setAttribute('aria-valuetext', `krok λ ${w.LKrok}, największy ${w.LKrokMax}`);
  for (const id of ['CBWylaczGrafike', 'TBLambdaKoncowa', 'TBKrok']) $(id).disabled = !w.seriaWlaczona;
  for (const id of ['LLambdaKoncowaText', 'LLambdaKoncowa', 'LKrokText', 'LKrok']) $(id).classList.toggle('wylaczony', !w.seriaWlaczona);
  $('SEIloscAtomowOsY').disabled = !w.osieWlaczone;
  $('SEIloscAtomowOsZ').disabled = !w.osieWlaczone;
  $('poleOsZ').hidden = !w.osZWidoczna;
  $('SEPowtorzenia').disabled = !w.seriaWlaczona;
}

// The typed fields and their error lines.
const BLEDY_POL = {
  SEIloscAtomowOsX: ['osX', 'blad-osX'],
  SEIloscAtomowOsY: ['osY', 'blad-osY'],
  SEIloscAtomowOsZ: ['osZ', 'blad-osZ'],
  SEMaxIloscCykli: ['iteracje', 'blad-iteracji'],
  SEPowtorzenia: ['powtorzenia', 'blad-powtorzen'],
};

function bladPola(idPola, idBledu, blad) {
  $(idBledu).hidden = !blad;
  $(idBledu).textContent = blad ?? '';
  $(idPola).setAttribute('aria-invalid', String(Boolean(blad)));
}

function wyczyscBledy() {
  for (const [id, [, idBledu]] of Object.entries(BLEDY_POL)) bladPola(id, idBledu, null);
  bladPola('EZiarno', 'blad-ziarna', null);
}

function odswiezParametry(zdarzenie) {
  const surowe = czytajFormularz();
  const cel = zdarzenie?.target;
  // Typing in a number field is checked when the field is left, not under the fingers; what the
  // field could not take is said on its error line.
  const wpisywanie = zdarzenie?.type === 'input' && ['number', 'text'].includes(cel.type);
  if (zdarzenie?.type === 'change' && BLEDY_POL[cel.id]) {
    const [pole, idBledu] = BLEDY_POL[cel.id];
    const { wartosc, blad } = U.sprawdzLiczbe(pole, cel.validity.badInput ? '' : cel.value, stan.s[pole]);
    surowe[pole] = wartosc;
    bladPola(cel.id, idBledu, blad);
  }
  const bladZiarna = U.ziarno(surowe.ziarno).blad;
  bladPola('EZiarno', 'blad-ziarna', bladZiarna);
  const s = U.odswiez(surowe);
  if (wpisywanie) {
    // Only a preview: the value is taken (or refused) when the field is left.
    $('LIloscAtomowWSieci').textContent = U.widok(s, stan.rodzaj).LIloscAtomowWSieci;
    return;
  }
  stan.s = s;
  pokazUstawienia(s);
  // A refused seed stays in its field, to be corrected, and is never run.
  if (bladZiarna) $('EZiarno').value = surowe.ziarno;
  U.zapamietaj(localStorage, stan.rodzaj, s);
}

$('formularz').addEventListener('input', odswiezParametry);
$('formularz').addEventListener('change', odswiezParametry);
$('formularz').addEventListener('submit', (e) => e.preventDefault());

// ---- Stage buttons ----

function ustawSiec(rodzaj, domyslne = false) {
  stan.rodzaj = rodzaj;
  stan.bieg = null;
  stan.s = domyslne ? U.odswiez(U.DOMYSLNE) : U.wczytaj(localStorage, rodzaj);
  stan.s.wylaczGrafike = false;
  wyczyscBledy();
  pokazUstawienia(stan.s);
  U.zapamietaj(localStorage, rodzaj, stan.s);
}

async function dalej() {
  if (stan.etap === 'ustawienia') {
    const blad = U.ziarno($('EZiarno').value).blad;
    if (blad) {
      ogloszenie(blad, true);
      $('EZiarno').focus();
      return;
    }
    const s = U.odswiez(czytajFormularz());
    let rysowanie = !s.wylaczGrafike;
    if (U.duzaSiec(s, stan.rodzaj)) {
      const tak = await zapytaj('Im większa ilość atomów do wyświetlenia w sieci,\ntym wolniej będą prowadzone obliczenia.\nCzy wyłączyć wyświetlanie sieci ?');
      rysowanie = !tak;
      if (s.seria) $('CBWylaczGrafike').checked = tak;
      // The closed question and the new stage are laid out in two tasks, each short on a slow computer.
      await new Promise((ok) => setTimeout(ok, 0));
    }
    stan.s = s;
    stan.bieg = 'przygotowany';
    pokazEtap('obliczenia');
    try {
      await obliczenia.przygotuj(stan.rodzaj, s, rysowanie, WATKI);
    } catch (e) {
      stan.bieg = 'awaria';
      pokazEtap('obliczenia', false);
      ogloszenie(e.message, true);
      await zapytaj(e.message, { tylkoOk: true });
    }
  } else if (stan.etap === 'obliczenia') {
    pokazEtap('wyniki');
    try {
      await wyniki.pokazWyniki({ silnik: obliczenia.silnik, rodzaj: stan.rodzaj, s: stan.s, stan: { ...obliczenia.ostatniStan, ...stanKonca() }, scalone: obliczenia.scalone });
    } catch (e) {
      ogloszenie(e.message, true);
    }
  } else if (stan.etap === 'wyniki') {
    for (const id of ['CBWynikiOpis', 'CBWynikiLambda', 'CBWynikiSigma', 'CBWynikiCvkN', 'CBWynikiLambdaTc']) $(id).checked = true;
    wyniki.zakladki.wybierz(2);
    pokazEtap('zapis');
    $('BZapiszWyniki').focus();
  }
}

function stanKonca() {
  return { NrSerii: U.liczbaSerii(stan.s), MaxIloscCykli: stan.s.iteracje, PrzedzialCzasowy: stan.s.przeskoki * 100 };
}

async function powtorz() {
  if (!(await mozna('Czy mimo to powtórzyć obliczenia ?'))) return;
  stan.niezapisane = false;
  const tak = await zapytaj('Czy przywrócić ustawienia domyślne wszystkich parametrów ?');
  wyniki.zatrzymaj();
  obliczenia.porzuc();
  if (tak) {
    ustawSiec(stan.rodzaj, true);
  } else {
    stan.s.wylaczGrafike = false;
    pokazUstawienia(stan.s);
    U.zapamietaj(localStorage, stan.rodzaj, stan.s);
  }
  stan.bieg = null;
  pokazEtap('ustawienia');
}

async function koniec() {
  if (!(await mozna('Czy mimo to zakończyć ?'))) return;
  stan.niezapisane = false;
  wyniki.zatrzymaj();
  obliczenia.porzuc();
  stan.rodzaj = null;
  $('okno').hidden = true;
  $('start').hidden = false;
  document.title = 'Fazolab - Symulacje przejść fazowych porządek-nieporządek metodą Monte Carlo';
  ogloszenie('Menu główne: wybór sieci');
  document.querySelector('.siec').focus();
}

// ---- A setup by link, the defaults back, the printout ----

async function kopiujLink() {
  const s = U.odswiez(czytajFormularz());
  const adres = `${location.origin}${location.pathname}?${linkUstawien(stan.rodzaj, s, $('CBLinkZZiarnem').checked)}`;
  $('poleLinku').hidden = false;
  $('ELinkUstawien').value = adres;
  try {
    await navigator.clipboard.writeText(adres);
    ogloszenie('Skopiowano link z ustawieniami do schowka.');
  } catch {
    $('ELinkUstawien').focus();
    $('ELinkUstawien').select();
    ogloszenie('Link z ustawieniami jest zaznaczony: skopiuj go (Ctrl+C).');
  }
}

function przywrocDomyslne() {
  U.zapomnij(localStorage);
  ustawSiec(stan.rodzaj, true);
  $('poleLinku').hidden = true;
  ogloszenie('Przywrócono ustawienia domyślne wszystkich sieci.');
}

function otworzSiec(rodzaj, s = null) {
  $('start').hidden = true;
  $('okno').hidden = false;
  ustawSiec(rodzaj);
  if (s) {
    stan.s = s;
    pokazUstawienia(s);
    U.zapamietaj(localStorage, rodzaj, s);
  }
  pokazEtap('ustawienia');
}

$('BLinkUstawien').addEventListener('click', kopiujLink);
$('BDomyslne').addEventListener('click', przywrocDomyslne);
$('BDrukuj').addEventListener('click', () => window.print());
window.addEventListener('beforeprint', narysujWszystkie);

for (const b of document.querySelectorAll('button.siec')) {
  // The menu's picture buttons show their second picture under the mouse and, here, under focus.
  const obraz = b.querySelector('img');
  const zwykly = obraz.getAttribute('src');
  const podswietlony = zwykly.replace('.jpg', '_pod.jpg');
  for (const [zdarzenie, src] of [['mouseenter', podswietlony], ['focus', podswietlony], ['mouseleave', zwykly], ['blur', zwykly]]) {
    b.addEventListener(zdarzenie, () => obraz.setAttribute('src', src));
  }
  b.addEventListener('click', () => otworzSiec(b.dataset.siec));
}
$('BSiecDalej').addEventListener('click', dalej);
$('BSiecNowe').addEventListener('click', powtorz);
$('BSiecZamknij').addEventListener('click', koniec);
$('TBPomoc').addEventListener('click', () => otworzPomoc(ETAPY[stan.etap]?.pomoc ?? 3001));

// F1 opens the help at the section of the focused control, as on the desktop.
document.addEventListener('keydown', (e) => {
  if (e.key !== 'F1') return;
  e.preventDefault();
  otworzPomoc(kontekstPomocy(document.activeElement));
});

// Leaving the page during a run, or with a series' results unsaved, asks first.
window.addEventListener('beforeunload', (e) => {
  if (stan.bieg === 'biegnie' || stan.niezapisane) {
    e.preventDefault();
    e.returnValue = '';
  }
});

zarejestruj({ czyMoznaPorzucic: () => mozna('Czy mimo to odświeżyć stronę ?') });

// A link with a setup opens it; the address then loses the query, so that a reload keeps what the
// user changed since.
const link = czytajLink(location.search);
if (link) {
  otworzSiec(link.rodzaj, link.s);
  history.replaceState(null, '', location.pathname);
  const tekst = link.bledy.length
    ? `Ustawienia z linku; tych wartości nie można było przyjąć, mają wartości domyślne: ${link.bledy.join(', ')}.`
    : 'Otwarto ustawienia z linku.';
  ogloszenie(tekst, link.bledy.length > 0);
  if (link.bledy.length) zapytaj(tekst, { tylkoOk: true });
}

// Tests and measurements read the page's state through this one object.
window.fazolab = { stan, obliczenia, wyniki };
document.documentElement.dataset.gotowe = 'tak';
