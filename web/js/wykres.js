// A small SVG chart: lines, points, bars and error bars on fixed or automatic axes. SVG keeps the
// saved picture identical to the one shown, and each chart carries its points as a table for
// readers who cannot see it.

const SZER = 440;
const WYS = 260;
const M = { l: 58, p: 24, g: 30, d: 42 };

function esc(t) {
  return String(t).replace(/[&<>"]/g, (z) => ({ '&': '&amp;', '<': '&lt;', '>': '&gt;', '"': '&quot;' })[z]);
}

export function liczbaOsi(v) {
  if (v === 0) return '0';
  const a = Math.abs(v);
  const t = a >= 1000 ? v.toFixed(0) : a >= 10 ? v.toFixed(1) : v.toFixed(2);
  return (t.includes('.') ? t.replace(/\.?0+$/, '') : t).replace('.', ',');
}

export function liczbaTabeli(v) {
  return typeof v === 'number' ? String(v).replace('.', ',') : String(v);
}

function podzialka(min, max) {
  const zakres = max - min || 1;
  const krok0 = zakres / 5;
  const p = 10 ** Math.floor(Math.log10(krok0));
  const krok = [1, 2, 2.5, 5, 10].map((k) => k * p).find((k) => zakres / k <= 6);
  const wynik = [];
  for (let v = Math.ceil(min / krok) * krok; v <= max + krok * 1e-9; v += krok) wynik.push(Math.abs(v) < krok * 1e-9 ? 0 : v);
  return wynik;
}

let licznik = 0;
const wszystkie = [];

// A chart fed after every chunk is redrawn at most this often, and charts waiting for a redraw
// take turns, one per frame: on a slow computer four charts drawn in one task would hold the page
// for longer than a frame.
const ODSTEP_MS = 250;
const kolejka = [];
let ramka = 0;

function kolejnyWykres() {
  ramka = 0;
  const teraz = performance.now();
  const i = kolejka.findIndex((w) => teraz - w.narysowano >= ODSTEP_MS);
  if (i >= 0) {
    const [w] = kolejka.splice(i, 1);
    if (w.nieaktualny && w.widoczny) w.rysuj();
  }
  if (kolejka.length) ramka = requestAnimationFrame(kolejnyWykres);
}

function doKolejki(w) {
  if (!kolejka.includes(w)) kolejka.push(w);
  if (!ramka) ramka = requestAnimationFrame(kolejnyWykres);
}

// The points of a line that draw the same picture `kolumny` pixels wide: of the points falling into
// one pixel column (x ascending) the first, the lowest, the highest and the last, so that every
// spike of a long run stays in sight. Points left or right of [xMin, xMax] share one column on each
// side. A line with at most four points per column is returned as it is. The desktop's charts thin
// their lines by the same rule, and the page's tests compare the two on the same points.
export function przerzedzLinie(punkty, xMin, xMax, kolumny) {
  if (kolumny < 1 || !(xMax > xMin) || punkty.length <= 4 * (kolumny + 2)) return punkty;
  const naKolumne = kolumny / (xMax - xMin);
  const kolumna = (x) => Math.min(Math.max(Math.floor((x - xMin) * naKolumne), -1), kolumny);
  const wynik = [];
  const n = punkty.length;
  let i = 0;
  while (i < n) {
    const k = kolumna(punkty[i][0]);
    let najnizszy = i;
    let najwyzszy = i;
    let j = i + 1;
    for (; j < n && kolumna(punkty[j][0]) === k; j++) {
      if (punkty[j][1] < punkty[najnizszy][1]) najnizszy = j;
      if (punkty[j][1] > punkty[najwyzszy][1]) najwyzszy = j;
    }
    const wybrane = [i, najnizszy, najwyzszy, j - 1].sort((a, b) => a - b);
    let poprzedni = -1;
    for (const w of wybrane) {
      if (w !== poprzedni) wynik.push(punkty[w]);
      poprzedni = w;
    }
    i = j;
  }
  return wynik;
}

// Every chart drawn now, seen or not (a printout shows every page).
export function narysujWszystkie() {
  for (const w of wszystkie) if (w.nieaktualny) w.rysuj();
}

export class Wykres {
  constructor(kontener, opcje) {
    this.o = opcje;
    this.dane = opcje.serie.map(() => []);
    this.id = `wykres${++licznik}`;
    const f = document.createElement('figure');
    f.className = 'wykres';
    f.innerHTML = `<figcaption id="${this.id}-t">${esc(opcje.tytul)}</figcaption>
      <div class="obraz" role="img" aria-labelledby="${this.id}-t"></div>
      <div class="eksport"><button type="button" data-f="png">Zapisz wykres PNG</button><button type="button" data-f="svg">Zapisz wykres SVG</button></div>
      <details><summary>Punkty wykresu (tabela): ${esc(opcje.tytul)}</summary><div class="tabela-przewijana" tabindex="0" role="region" aria-label="Tabela: ${esc(opcje.tytul)}"></div></details>`;
    for (const b of f.querySelectorAll('.eksport button')) {
      b.setAttribute('aria-label', `${b.textContent}: ${opcje.tytul}`);
      b.addEventListener('click', () => this.zapisz(b.dataset.f));
    }
    this.figure = f;
    this.obraz = f.querySelector('.obraz');
    this.szczegoly = f.querySelector('details');
    this.tabela = f.querySelector('.tabela-przewijana');
    this.szczegoly.addEventListener('toggle', () => this.szczegoly.open && this.odswiezTabele());
    kontener.append(f);
    // A chart out of sight (a hidden page, scrolled away) is drawn when it comes into sight.
    this.widoczny = false;
    this.nieaktualny = true;
    this.narysowano = -Infinity;
    wszystkie.push(this);
    new IntersectionObserver((wpisy) => {
      this.widoczny = wpisy[wpisy.length - 1].isIntersecting;
      if (this.widoczny && this.nieaktualny) this.zaplanuj();
    }).observe(f);
  }

  ustawOsie(osX, osY) {
    if (osX) this.o.osX = { ...this.o.osX, ...osX };
    if (osY) this.o.osY = { ...this.o.osY, ...osY };
    this.zaplanuj();
  }

  ustawDane(nr, punkty) {
    this.dane[nr] = punkty;
    this.zaplanuj();
  }

  dodajPunkt(nr, punkt) {
    this.dane[nr].push(punkt);
    this.zaplanuj();
  }

  wyczysc() {
    this.dane = this.o.serie.map(() => []);
    this.zaplanuj();
  }

  zaplanuj() {
    this.nieaktualny = true;
    if (this.widoczny) doKolejki(this);
  }

  zakres(os, wymiar) {
    let { min, max } = this.o[os];
    if (min !== undefined && max !== undefined) return [min, max];
    let lo = Infinity;
    let hi = -Infinity;
    this.dane.forEach((punkty, i) => {
      if (this.o.serie[i].rodzaj === 'slupki' && wymiar === 0) return;
      for (const p of punkty) {
        const v = p[wymiar];
        const e = wymiar === 1 && p[2] !== undefined && this.o.serie[i].rodzaj === 'bledy' ? p[2] : 0;
        if (v - e < lo) lo = v - e;
        if (v + e > hi) hi = v + e;
      }
    });
    if (!Number.isFinite(lo)) [lo, hi] = [0, 1];
    // Automatic ends leave a margin so that no point sits on the frame.
    const margines = (hi - lo) * 0.05;
    lo = min ?? lo - margines;
    hi = max ?? hi + margines;
    if (lo === hi) [lo, hi] = [lo - 1, hi + 1];
    return [lo, hi];
  }

  tekstSvg() {
    const c = this.czesci();
    return c.poczatek + c.znaczniki + c.srodek + c.dane + c.koniec;
  }

  // The picture in parts: what never changes (the title, the background, the frame and the axes'
  // titles, the plot's clipped group, the legend), the ticks with their labels, and the series. A
  // redraw replaces only the series, and the ticks when the axes' ends moved (`klucz`).
  czesci() {
    const slupkowy = this.o.serie.some((s) => s.rodzaj === 'slupki');
    const [y0, y1] = this.zakres('osY', 1);
    const sx = SZER - M.l - M.p;
    const sy = WYS - M.g - M.d;
    const Y = (v) => M.g + sy - ((v - y0) / (y1 - y0)) * sy;
    let x0 = 0;
    let x1 = 1;
    let X;
    const slupki = slupkowy ? this.dane[this.o.serie.findIndex((s) => s.rodzaj === 'slupki')] : [];
    if (slupkowy) {
      const n = Math.max(1, slupki.length);
      X = (i) => M.l + ((i + 0.5) / n) * sx;
    } else {
      [x0, x1] = this.zakres('osX', 0);
      X = (v) => M.l + ((v - x0) / (x1 - x0)) * sx;
    }
    const cz = [];
    cz.push(`<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 ${SZER} ${WYS}" width="${SZER}" height="${WYS}" font-family="DejaVu Sans, Arial, sans-serif" font-size="12">`);
    cz.push(`<title>${esc(this.o.tytul)}</title><rect width="${SZER}" height="${WYS}" fill="#fff"/>`);
    cz.push(`<defs><clipPath id="${this.id}-c"><rect x="${M.l}" y="${M.g}" width="${sx}" height="${sy}"/></clipPath></defs>`);
    const poczatek = cz.join('');
    cz.length = 0;
    for (const v of podzialka(y0, y1)) {
      const y = Y(v).toFixed(1);
      cz.push(`<line x1="${M.l}" x2="${M.l + sx}" y1="${y}" y2="${y}" stroke="#d0d0d0"/><text x="${M.l - 4}" y="${y}" text-anchor="end" dominant-baseline="middle" fill="#1a1a1a">${liczbaOsi(v)}</text>`);
    }
    if (slupkowy) {
      slupki.forEach((p, i) => cz.push(`<text x="${X(i).toFixed(1)}" y="${M.g + sy + 14}" text-anchor="middle" fill="#1a1a1a">${esc(p[0])}</text>`));
    } else {
      for (const v of podzialka(x0, x1)) {
        const x = X(v).toFixed(1);
        cz.push(`<line x1="${x}" x2="${x}" y1="${M.g + sy}" y2="${M.g + sy + 4}" stroke="#1a1a1a"/><text x="${x}" y="${M.g + sy + 15}" text-anchor="middle" fill="#1a1a1a">${liczbaOsi(v)}</text>`);
      }
    }
    const znaczniki = cz.join('');
    cz.length = 0;
    cz.push(`<rect x="${M.l}" y="${M.g}" width="${sx}" height="${sy}" fill="none" stroke="#1a1a1a"/>`);
    cz.push(`<text x="${M.l + sx / 2}" y="${WYS - 6}" text-anchor="middle" fill="#1a1a1a">${esc(this.o.osX?.tytul ?? '')}</text>`);
    cz.push(`<text transform="translate(13 ${M.g + sy / 2}) rotate(-90)" text-anchor="middle" fill="#1a1a1a">${esc(this.o.osY?.tytul ?? '')}</text>`);
    cz.push(`<g clip-path="url(#${this.id}-c)">`);
    const srodek = cz.join('');
    cz.length = 0;
    this.o.serie.forEach((s, i) => {
      const punkty = this.dane[i];
      if (s.rodzaj === 'linia' && punkty.length) {
        const widoczne = przerzedzLinie(punkty, x0, x1, sx);
        const d = widoczne.map((p, k) => `${k ? 'L' : 'M'}${X(p[0]).toFixed(1)} ${Y(p[1]).toFixed(1)}`).join('');
        // A reference kept out of a full legend is named where the pointer finds it.
        const tytul = s.poza ? `<title>${esc(s.nazwa)}</title>` : '';
        cz.push(`<path d="${d}" fill="none" stroke="${s.kolor}" stroke-width="2">${tytul}</path>`);
      } else if (s.rodzaj === 'punkty') {
        for (const p of punkty) cz.push(`<circle cx="${X(p[0]).toFixed(1)}" cy="${Y(p[1]).toFixed(1)}" r="3.5" fill="${s.kolor}" stroke="#1a1a1a" stroke-width=".7"/>`);
      } else if (s.rodzaj === 'bledy') {
        for (const p of punkty) {
          const x = X(p[0]).toFixed(1);
          cz.push(`<line x1="${x}" x2="${x}" y1="${Y(p[1] - p[2]).toFixed(1)}" y2="${Y(p[1] + p[2]).toFixed(1)}" stroke="${s.kolor}" stroke-width="1.5"/><circle cx="${x}" cy="${Y(p[1]).toFixed(1)}" r="3" fill="${s.kolor}"/>`);
        }
      } else if (s.rodzaj === 'slupki') {
        const w = (sx / Math.max(1, punkty.length)) * 0.6;
        punkty.forEach((p, k) => {
          const y = Y(Math.max(p[1], y0));
          cz.push(`<rect x="${(X(k) - w / 2).toFixed(1)}" y="${y.toFixed(1)}" width="${w.toFixed(1)}" height="${(Y(y0) - y).toFixed(1)}" fill="${p[2]}" stroke="#1a1a1a"/>`);
          cz.push(`<text x="${X(k).toFixed(1)}" y="${(y - 3).toFixed(1)}" text-anchor="middle" fill="#1a1a1a">${liczbaOsi(p[1])}</text>`);
        });
      }
    });
    const dane = cz.join('');
    cz.length = 0;
    cz.push('</g>');
    // A reference a run may not have is listed only when it is drawn.
    const legenda = this.o.serie.filter((s, i) => s.nazwa && !s.poza && (!s.opcjonalna || this.dane[i].length));
    legenda.forEach((s, k) => {
      const x = M.l + 6 + k * 150;
      cz.push(`<rect x="${x}" y="8" width="12" height="10" fill="${s.kolor}" stroke="#1a1a1a"/><text x="${x + 16}" y="17" fill="#1a1a1a">${esc(s.nazwa)}</text>`);
    });
    cz.push('</svg>');
    const etykiety = slupkowy ? slupki.map((p) => p[0]).join(' ') : '';
    return { poczatek, znaczniki, srodek, dane, koniec: cz.join(''), klucz: `${x0} ${x1} ${y0} ${y1} ${etykiety}` };
  }

  // The picture shown keeps its elements: the ticks and the series sit in groups of their own,
  // whose contents alone are replaced, so that a redraw during a run lays out only what changed.
  rysuj() {
    this.nieaktualny = false;
    this.narysowano = performance.now();
    const c = this.czesci();
    if (!this.grupaDanych) {
      this.obraz.innerHTML = `${c.poczatek}<g>${c.znaczniki}</g>${c.srodek}${c.dane}${c.koniec}`;
      this.grupaPodzialki = this.obraz.querySelector('svg > g');
      this.grupaDanych = this.obraz.querySelector('g[clip-path]');
    } else {
      if (c.klucz !== this.klucz) this.grupaPodzialki.innerHTML = c.znaczniki;
      this.grupaDanych.innerHTML = c.dane;
    }
    this.klucz = c.klucz;
    if (this.szczegoly.open) this.odswiezTabele();
  }

  odswiezTabele() {
    const kolumny = this.o.serie.map((s) => s.nazwa || s.kolumna || this.o.osY?.tytul || 'y');
    const rzedy = [];
    // A reference curve is named, not listed point by point.
    this.o.serie.forEach((s, i) => {
      if (!s.poza) for (const p of this.dane[i]) rzedy.push({ s: i, p });
    });
    const osX = this.o.osX?.tytul || 'x';
    const html = [`<table><caption class="sr-only">${esc(this.o.tytul)}</caption><thead><tr><th scope="col">Seria danych</th><th scope="col">${esc(osX)}</th><th scope="col">${esc(this.o.osY?.tytul || 'y')}</th></tr></thead><tbody>`];
    for (const { s, p } of rzedy) {
      const blad = this.o.serie[s].rodzaj === 'bledy' ? ` ± ${liczbaTabeli(p[2])}` : '';
      html.push(`<tr><td>${esc(kolumny[s])}</td><td>${esc(liczbaTabeli(p[0]))}</td><td>${esc(liczbaTabeli(p[1]))}${blad}</td></tr>`);
    }
    html.push('</tbody></table>');
    this.tabela.innerHTML = html.join('');
  }

  async zapisz(format) {
    const svg = this.tekstSvg();
    const nazwa = `${this.o.plik}.${format}`;
    try {
      const blob = format === 'svg' ? new Blob([svg], { type: 'image/svg+xml' }) : await naPng(svg);
      pobierz(blob, nazwa);
      this.o.ogloszenie?.(`Zapisano wykres: ${nazwa}`);
    } catch {
      this.o.ogloszenie?.(`Nie udało się zapisać wykresu: ${nazwa}`, true);
    }
  }
}

async function naPng(svg) {
  const url = URL.createObjectURL(new Blob([svg], { type: 'image/svg+xml' }));
  try {
    const img = new Image();
    img.src = url;
    await img.decode();
    const c = document.createElement('canvas');
    c.width = SZER * 2;
    c.height = WYS * 2;
    const g = c.getContext('2d');
    g.scale(2, 2);
    g.drawImage(img, 0, 0);
    return await new Promise((ok, zle) => c.toBlob((b) => (b ? ok(b) : zle(new Error('png'))), 'image/png'));
  } finally {
    URL.revokeObjectURL(url);
  }
}

export function pobierz(blob, nazwa) {
  const a = document.createElement('a');
  a.href = URL.createObjectURL(blob);
  a.download = nazwa;
  document.body.append(a);
  a.click();
  a.remove();
  setTimeout(() => URL.revokeObjectURL(a.href), 10000);
}
