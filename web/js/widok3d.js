// The 3D point view of the cubic lattice: one dot per atom, turned with the mouse or the arrow
// keys, nearer dots drawn over farther ones. Cells arrive as bytes x fastest, then y, then z.

export class Widok3D {
  constructor(canvas) {
    this.c = canvas;
    this.g = canvas.getContext('2d');
    this.katX = -0.5;
    this.katY = 0.6;
    this.zoom = 1;
    this.komorki = null;
    canvas.addEventListener('pointerdown', (e) => {
      this.ciagnij = [e.clientX, e.clientY];
      canvas.setPointerCapture(e.pointerId);
    });
    canvas.addEventListener('pointermove', (e) => {
      if (!this.ciagnij) return;
      this.obroc((e.clientY - this.ciagnij[1]) * 0.01, (e.clientX - this.ciagnij[0]) * 0.01);
      this.ciagnij = [e.clientX, e.clientY];
    });
    canvas.addEventListener('pointerup', () => (this.ciagnij = null));
    canvas.addEventListener('keydown', (e) => {
      const ruch = { ArrowUp: [-0.1, 0], ArrowDown: [0.1, 0], ArrowLeft: [0, -0.1], ArrowRight: [0, 0.1] }[e.key];
      if (ruch) {
        this.obroc(...ruch);
        e.preventDefault();
      } else if (e.key === '+' || e.key === '-') {
        this.zoom = Math.min(3, Math.max(0.4, this.zoom * (e.key === '+' ? 1.1 : 1 / 1.1)));
        this.rysuj();
        e.preventDefault();
      }
    });
  }

  obroc(dx, dy) {
    this.katX += dx;
    this.katY += dy;
    this.rysuj();
  }

  ustaw(komorki, nx, ny, nz) {
    this.komorki = komorki;
    this.n = [nx, ny, nz];
    this.rysuj();
  }

  rysuj() {
    const g = this.g;
    g.fillStyle = '#000';
    g.fillRect(0, 0, this.c.width, this.c.height);
    if (!this.komorki) return;
    const [nx, ny, nz] = this.n;
    const [sa, ca, sb, cb] = [Math.sin(this.katX), Math.cos(this.katX), Math.sin(this.katY), Math.cos(this.katY)];
    const skala = (this.zoom * Math.min(this.c.width, this.c.height) * 0.55) / Math.max(nx, ny, nz);
    const punkty = [];
    for (let z = 0; z < nz; z++) {
      for (let y = 0; y < ny; y++) {
        for (let x = 0; x < nx; x++) {
          const px = x - (nx - 1) / 2;
          const py = y - (ny - 1) / 2;
          const pz = z - (nz - 1) / 2;
          const x1 = px * cb + pz * sb;
          const z1 = -px * sb + pz * cb;
          const y2 = py * ca - z1 * sa;
          const z2 = py * sa + z1 * ca;
          punkty.push([x1, y2, z2, this.komorki[(z * ny + y) * nx + x]]);
        }
      }
    }
    punkty.sort((p, q) => q[2] - p[2]);
    const r = Math.max(1.5, skala * 0.3);
    for (const [x, y, , a] of punkty) {
      g.fillStyle = a ? '#d79b00' : '#3a6cf0';
      g.beginPath();
      g.arc(this.c.width / 2 + x * skala, this.c.height / 2 + y * skala, r, 0, 2 * Math.PI);
      g.fill();
    }
  }
}
