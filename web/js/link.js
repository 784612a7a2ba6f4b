// A setup carried by a link, for a class that should open the same lattice and parameters: the
// batch runner's option names and units (a teacher who knows one reads the other), the seed only
// when asked for. Pure functions over the settings object of ustawienia.js.
import { DOMYSLNE, RODZAJE, odswiez, ziarno as sprawdzZiarno } from './ustawienia.js';

const ULOZENIA = ['przypadkowe', 'uporzadkowane', 'wydzielenie'];
const TRYBY = ['porzadkowanie', 'klasteryzacja'];
const dziesiate = (v) => String(v / 10);

export function linkUstawien(rodzaj, s, zZiarnem = false) {
  const p = new URLSearchParams();
  p.set('siec', rodzaj);
  p.set('rodzaj', s.seria ? 'seria' : 'pojedyncza');
  p.set('osie', s.rowneOsie ? String(s.osX) : `${s.osX}x${s.osY}x${s.osZ}`);
  p.set('lambda', `${dziesiate(s.lambda)}:${dziesiate(s.lambdaKoncowa)}:${dziesiate(s.krok)}`);
  p.set('koncentracja', String(s.koncentracja / 100));
  p.set('co', String(s.przeskoki * 100));
  p.set('iteracje', String(s.iteracje));
  p.set('uklad', s.ulozenie);
  p.set('tryb', s.klasteryzacja ? 'klasteryzacja' : 'porzadkowanie');
  if (s.wylaczGrafike) p.set('grafika', 'nie');
  if (s.powtorzenia > 1) p.set('powtorzenia', String(s.powtorzenia));
  if (zZiarnem && s.ziarno !== '') p.set('ziarno', s.ziarno);
  return p.toString();
}

// A whole number n / skala of the range min..max, or null.
function skalowana(tekst, skala, min, max) {
  const n = Number(tekst) * skala;
  const k = Math.round(n);
  return tekst !== '' && Number.isFinite(n) && Math.abs(n - k) < 1e-9 && k >= min && k <= max ? k : null;
}

// Reads a link's query: null when it carries no setup, else the lattice, the settings (every value
// in range, the rules applied) and the names of the values it could not take (their defaults used).
export function czytajLink(zapytanie) {
  const p = new URLSearchParams(zapytanie);
  if (!p.has('siec')) return null;
  const bledy = [];
  const rodzaj = RODZAJE.includes(p.get('siec')) ? p.get('siec') : (bledy.push('siec'), '2DKwadrat');
  const s = { ...DOMYSLNE };
  const wez = (nazwa, czytaj) => {
    if (!p.has(nazwa)) return;
    if (!czytaj(p.get(nazwa))) bledy.push(nazwa);
  };
  wez('rodzaj', (v) => ['seria', 'pojedyncza'].includes(v) && ((s.seria = v === 'seria'), true));
  wez('osie', (v) => {
    const osie = v.split('x').map((t) => skalowana(t, 1, 6, 100));
    if (!(osie.length === 1 || osie.length === 3) || osie.some((o) => o === null || o % 2)) return false;
    [s.osX, s.osY, s.osZ] = osie.length === 1 ? [osie[0], osie[0], osie[0]] : osie;
    s.rowneOsie = osie.length === 1;
    return true;
  });
  wez('lambda', (v) => {
    const [a, b, k] = v.split(':').map((t) => skalowana(t, 10, 1, 24));
    if (a === null || a === undefined || (v.split(':').length === 3 ? b === null || k === null || b < a : v.includes(':'))) return false;
    s.lambda = a;
    if (b !== undefined) [s.lambdaKoncowa, s.krok] = [b, k];
    return true;
  });
  wez('koncentracja', (v) => (s.koncentracja = skalowana(v, 100, 10, 50)) !== null);
  wez('co', (v) => (s.przeskoki = skalowana(v, 0.01, 1, 20)) !== null);
  wez('iteracje', (v) => (s.iteracje = skalowana(v, 1, 10000, 1000000)) !== null);
  wez('uklad', (v) => ULOZENIA.includes(v) && ((s.ulozenie = v), true));
  wez('tryb', (v) => TRYBY.includes(v) && ((s.klasteryzacja = v === 'klasteryzacja'), true));
  wez('grafika', (v) => ['tak', 'nie'].includes(v) && ((s.wylaczGrafike = v === 'nie'), true));
  wez('powtorzenia', (v) => (s.powtorzenia = skalowana(v, 1, 1, 64)) !== null);
  wez('ziarno', (v) => !sprawdzZiarno(v).blad && ((s.ziarno = v), true));
  for (const k of Object.keys(s)) if (s[k] === null) s[k] = DOMYSLNE[k];
  return { rodzaj, s: odswiez(s), bledy };
}
