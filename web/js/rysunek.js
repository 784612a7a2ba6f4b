// The flat drawing of the lattice (or of one plane of the cubic lattice) with the desktop's atom
// pictures, pitches and positions. A plane arrives as bytes of the frame, row by row:
// cell (i, j) at j * (nx + 2) + i, i in 0..nx + 1, j in 0..ny + 1; 1 = atom A, 0 = atom B.

const PROGI = {
  '3DR': [21, 44, 90],
  '2DKwadrat': [21, 44, 90],
  '2DTrojkat': [21, 44, 88],
  '2DHeksagonalna': [11, 24, 50],
};

// Pitch and picture indices in the atom strip by the three axis sizes of the settings.
export function skala(rodzaj, x, y, z) {
  const [p1, p2, p3] = PROGI[rodzaj];
  const osie = [x, y, z];
  if (osie.some((v) => v < p1)) return { p: 16, b: 3, a: 6 };
  if (osie.some((v) => v >= p3)) return { p: 2, b: 8, a: 11 };
  if (osie.some((v) => v >= p2)) return { p: 4, b: 9, a: 12 };
  return { p: 8, b: 10, a: 13 };
}

export function tlo(rodzaj, x, y, z) {
  return [x, y, z].some((v) => v < PROGI[rodzaj][0]) ? '#ffffff' : '#000000';
}

// Top-left corner of cell (i, j) in the 401 × 370 area.
export function polozenie(rodzaj, p, nx, ny, i, j, W = 401, H = 370) {
  if (rodzaj === '2DHeksagonalna') {
    const x0 = Math.trunc(W / 2 - nx * p - 2 * p);
    const y0 = Math.trunc(H / 2 - (ny * p) / 2 - p);
    return [x0 + 2 * p * i + ((i + j) % 2 === 0 ? p : 0), y0 + p * j];
  }
  const x0 = Math.trunc(W / 2 - (nx * p) / 2 - p);
  const y0 = Math.trunc(H / 2 - (ny * p) / 2 - p);
  const h = rodzaj === '2DTrojkat' && j % 2 === 0 ? Math.trunc(p / 2) : 0;
  return [x0 + p * i + h, y0 + p * j];
}

export function podpisPlaszczyzny(k, nz, sasiednie) {
  if (sasiednie && k === 0) return 'Płaszczyzna: (0,0,P)';
  if (sasiednie && k === nz + 1) return 'Płaszczyzna: (0,0,K)';
  return `Płaszczyzna: (0,0,${k - 1})`;
}

// #00ff00 and #ff0000 as the canvas's RGBA bytes read as one little-endian word.
const ZIELONY = 0xff00ff00;
const CZERWONY = 0xff0000ff;

export class RysunekSieci {
  constructor(canvas, obrazAtomow) {
    this.c = canvas;
    this.g = canvas.getContext('2d', { alpha: false });
    this.atomy = obrazAtomow;
  }

  // Clears the area in the background of the scale (white for the 16-pixel balls, else black).
  ustawTlo(rodzaj, osie) {
    this.rodzaj = rodzaj;
    this.osie = osie;
    this.g.fillStyle = tlo(rodzaj, osie.x, osie.y, osie.z);
    this.g.fillRect(0, 0, this.c.width, this.c.height);
    this.g.strokeStyle = '#000';
    this.g.strokeRect(0.5, 0.5, this.c.width - 1, this.c.height - 1);
    this.piksele = null;
  }

  // Paints every visited cell over the old picture, as the desktop does between clears.
  rysuj(plaszczyzna, nx, ny, sasiednie) {
    const { x, y, z } = this.osie;
    const s = skala(this.rodzaj, x, y, z);
    const od = sasiednie ? 0 : 1;
    const doX = sasiednie ? nx + 1 : nx;
    const doY = sasiednie ? ny + 1 : ny;
    const g = this.g;
    const szer = nx + 2;
    let a = 0;
    // Squares are written into the picture's pixels and put once: ten thousand rectangles drawn
    // one by one take a slow computer's frame.
    if (s.p !== 16) {
      if (!this.piksele) this.piksele = g.getImageData(0, 0, this.c.width, this.c.height);
      const px32 = new Uint32Array(this.piksele.data.buffer);
      const W = this.c.width;
      const H = this.c.height;
      for (let j = od; j <= doY; j++) {
        for (let i = od; i <= doX; i++) {
          const [x0, y0] = polozenie(this.rodzaj, s.p, nx, ny, i, j);
          const atomA = plaszczyzna[j * szer + i] !== 0;
          if (i >= 1 && i <= nx && j >= 1 && j <= ny && atomA) a++;
          const kolor = atomA ? ZIELONY : CZERWONY;
          for (let w = Math.max(0, y0); w < Math.min(H, y0 + s.p); w++) {
            px32.fill(kolor, w * W + Math.max(0, x0), w * W + Math.min(W, x0 + s.p));
          }
        }
      }
      g.putImageData(this.piksele, 0, 0);
      return { atomyA: a, wszystkie: nx * ny };
    }
    for (let j = od; j <= doY; j++) {
      for (let i = od; i <= doX; i++) {
        const [px, py] = polozenie(this.rodzaj, s.p, nx, ny, i, j);
        const atomA = plaszczyzna[j * szer + i] !== 0;
        if (i >= 1 && i <= nx && j >= 1 && j <= ny && atomA) a++;
        g.drawImage(this.atomy, (atomA ? s.a : s.b) * 16, 0, 16, 16, px, py, 16, 16);
      }
    }
    return { atomyA: a, wszystkie: nx * ny };
  }
}
